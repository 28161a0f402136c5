#include "Screen.h"

Screen::Screen(SDL_Window* window, SDL_Renderer* renderer)
    : window_(window), sdl_(renderer), renderer_(renderer) {
    SDL_RendererInfo info{};
    SDL_GetRendererInfo(renderer, &info);
    software_ = info.flags & SDL_RENDERER_SOFTWARE;
}

Screen::~Screen() {
    if (frame_) SDL_DestroyTexture(frame_);
}

bool Screen::show(const std::vector<DrawItem>& items) {
    return software_ ? showSoftware(items) : showAccelerated(items);
}

// The window's surface is the frame: it keeps what was drawn, and only the rectangles
// drawn anew go to the display.
bool Screen::showSoftware(const std::vector<DrawItem>& items) {
    const std::vector<SDL_Rect>& drawn = renderer_.update(items);
    if (drawn.empty()) return false;
    SDL_RenderFlush(sdl_);
    SDL_UpdateWindowSurfaceRects(window_, drawn.data(), int(drawn.size()));
    return true;
}

bool Screen::showAccelerated(const std::vector<DrawItem>& items) {
    // Without a texture to keep the frame in, every frame is drawn whole.
    if (!keepFrame()) renderer_.forget();
    SDL_SetRenderTarget(sdl_, frame_);
    const bool changed = !renderer_.update(items).empty();
    SDL_SetRenderTarget(sdl_, nullptr);
    if (!changed) return false;
    if (frame_) SDL_RenderCopy(sdl_, frame_, nullptr, nullptr);
    SDL_RenderPresent(sdl_);
    return true;
}

// A frame texture the size of the output, made anew (and so drawn whole) when the size
// changes.
bool Screen::keepFrame() {
    int w = 0, h = 0, fw = 0, fh = 0;
    SDL_GetRendererOutputSize(sdl_, &w, &h);
    if (frame_) SDL_QueryTexture(frame_, nullptr, nullptr, &fw, &fh);
    if (frame_ && fw == w && fh == h) return true;
    if (frame_) SDL_DestroyTexture(frame_);
    frame_ = SDL_CreateTexture(sdl_, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_TARGET, w, h);
    renderer_.forget();
    return frame_ != nullptr;
}
