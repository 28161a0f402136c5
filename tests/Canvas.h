// A software renderer drawing into a surface: no window, no display needed.
#pragma once
#include "platform/Renderer.h"
#include "shell/Color.h"

#include <SDL.h>
#include <SDL_ttf.h>

#include <memory>

struct Canvas {
    Canvas(int w, int h)
        : surface((SDL_Init(SDL_INIT_VIDEO), TTF_Init(),
                   SDL_CreateRGBSurfaceWithFormat(0, w, h, 32, SDL_PIXELFORMAT_ARGB8888)),
                  SDL_FreeSurface),
          sdl(SDL_CreateSoftwareRenderer(surface.get()), SDL_DestroyRenderer), renderer(sdl.get()) {
    }
    // The whole canvas drawn anew, as the window does once its surface is lost.
    void draw(const Controls& window) {
        renderer.forget();
        renderer.update(buildDrawList(window));
    }
    Color at(int x, int y) const {
        Color c;
        SDL_GetRGB(pixel(x, y), surface->format, &c.r, &c.g, &c.b);
        return c;
    }
    Uint32 pixel(int x, int y) const {
        SDL_RenderFlush(sdl.get());
        return static_cast<const Uint32*>(surface->pixels)[y * surface->pitch / 4 + x];
    }

    std::unique_ptr<SDL_Surface, void (*)(SDL_Surface*)> surface;
    std::unique_ptr<SDL_Renderer, void (*)(SDL_Renderer*)> sdl;
    Renderer renderer;
};
