// The window's picture: a frame kept from one present to the next, so that only what
// changed is drawn and sent to the display. The software renderer draws straight into the
// window's surface and sends the changed rectangles; an accelerated renderer draws into a
// texture kept on the card and shows it whole, which costs the card next to nothing.
#pragma once
#include "Renderer.h"

#include <SDL.h>

class Screen {
  public:
    Screen(SDL_Window* window, SDL_Renderer* renderer);
    ~Screen();
    Screen(const Screen&) = delete;
    Screen& operator=(const Screen&) = delete;

    // Shows `items`; false when nothing had changed and nothing was sent.
    bool show(const std::vector<DrawItem>& items);
    // The display lost the picture (resized, exposed, made fullscreen, device reset): the
    // next show draws and sends everything.
    void redrawAll() { renderer_.forget(); }

  private:
    bool showSoftware(const std::vector<DrawItem>& items);
    bool showAccelerated(const std::vector<DrawItem>& items);
    bool keepFrame();

    SDL_Window* window_;
    SDL_Renderer* sdl_;
    Renderer renderer_;
    bool software_;
    SDL_Texture* frame_ = nullptr;
};
