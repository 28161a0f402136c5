// Which of SDL's renderers draws the game: the graphics card's when the system's GL driver
// is a real one; SDL's software renderer when there is no card or the only GL runs on the
// processor (llvmpipe, softpipe, swrast), which costs far more to start and to keep than
// the software renderer; under Wine, the host's card decides; in a browser, always the
// software renderer. SDL_RENDER_DRIVER set by the player still rules.
#pragma once
#include <SDL.h>

// Sets SDL's hints for the choice; called before SDL_Init.
void chooseRenderer();

// The window's renderer; a GL one that turns out to run on the processor is given up for
// the software renderer.
SDL_Renderer* createRenderer(SDL_Window* window);
