// The floor the game's costs are measured against: what any SDL2 program pays to show a
// window the game's size with nothing in it, drawn into the window's surface and sent to
// the X server the way the game's software path does.
//   epee_floor first-frame|blink|tiles WIDTH HEIGHT
// first-frame: presents one frame, prints the wall-clock microseconds at which it was
//              shown, and waits to be closed.
// blink:       presents a whole frame every 500 ms, as the title's prompt blinks.
// tiles:       sends two tiles' rectangles 50 times a second, as a step of the hero does.
#include <SDL.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {
long long wallMicros() {
    using namespace std::chrono;
    return duration_cast<microseconds>(system_clock::now().time_since_epoch()).count();
}

// Waits up to `ms` for the window to be closed; false once it has been.
bool stillOpen(Uint32 ms) {
    SDL_Event event;
    const Uint32 until = SDL_GetTicks() + ms;
    for (Sint32 left = Sint32(ms); left > 0; left = Sint32(until - SDL_GetTicks()))
        if (SDL_WaitEventTimeout(&event, left) && event.type == SDL_QUIT) return false;
    return true;
}

void fill(SDL_Surface* surface, const SDL_Rect* rect, Uint8 shade) {
    SDL_FillRect(surface, rect, SDL_MapRGB(surface->format, 0, shade, 0));
}
} // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: epee_floor first-frame|blink|tiles WIDTH HEIGHT\n");
        return 2;
    }
    const int w = std::atoi(argv[2]), h = std::atoi(argv[3]);
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    if (SDL_Init(SDL_INIT_VIDEO) != 0) return 1;
    SDL_Window* window =
        SDL_CreateWindow("floor", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, w, h, 0);
    SDL_Surface* surface = window ? SDL_GetWindowSurface(window) : nullptr;
    if (!surface) return 1;
    fill(surface, nullptr, 0);
    SDL_UpdateWindowSurface(window);
    if (std::strcmp(argv[1], "first-frame") == 0) {
        std::printf("%lld\n", wallMicros());
        std::fflush(stdout);
        while (stillOpen(1000)) {
        }
    } else if (std::strcmp(argv[1], "blink") == 0) {
        for (Uint8 shade = 0; stillOpen(500); shade ^= 0x80) {
            fill(surface, nullptr, shade);
            SDL_UpdateWindowSurface(window);
        }
    } else {
        // Two tiles side by side, 171 pixels square at 2x.
        const int tile = h * 1285 / 9000;
        const SDL_Rect tiles[] = {{w / 2 - tile, h / 2, tile, tile}, {w / 2, h / 2, tile, tile}};
        for (Uint8 shade = 0; stillOpen(20); ++shade) {
            fill(surface, &tiles[0], shade);
            fill(surface, &tiles[1], Uint8(shade + 1));
            SDL_UpdateWindowSurfaceRects(window, tiles, 2);
        }
    }
    SDL_DestroyWindow(window);
    SDL_Quit();
    return 0;
}
