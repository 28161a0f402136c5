// An opt-in log for measuring the real program: with EPEE_TRACE=FILE set, every timer
// tick, key press, drawn frame, change of the window's mode and the renderer chosen is
// written to FILE with its wall-clock time in microseconds. Off by default; it changes
// nothing the game does.
#pragma once
#include "game/CorePort.h"

#include <SDL.h>

#include <cstdio>
#include <memory>
#include <string_view>

class Trace {
  public:
    // Null unless EPEE_TRACE names a file that can be written.
    static std::unique_ptr<Trace> fromEnvironment();
    ~Trace();
    Trace(const Trace&) = delete;
    Trace& operator=(const Trace&) = delete;

    // Logs each tick of the game's timers from now on; the game must outlive the trace.
    void watchTimers(FrmIntro& game);
    void key(int code);
    void frame();
    // The window's mode as the game set it: "fullscreen" or "window".
    void window(bool fullscreen);
    // SDL's name for the renderer that draws the game ("software", "opengl", ...).
    void renderer(SDL_Renderer* renderer);

  private:
    explicit Trace(std::FILE* file) : file_(file) {}
    void line(std::string_view what, std::string_view detail);

    std::FILE* file_;
};
