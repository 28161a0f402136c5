// The game's desktop window: opens it at a comfortable scale, feeds the game its
// keys (keyboard and gamepads) and the real clock, sleeps until the next timer or
// gamepad repeat is due, and redraws only what the game shows that has changed.
#pragma once
#include "Gamepad.h"
#include "Screen.h"
#include "Trace.h"
#include "shell/FrmIntro.h"

#include <SDL.h>

#include <memory>

class GameWindow {
  public:
    GameWindow();
    ~GameWindow();
    GameWindow(const GameWindow&) = delete;
    GameWindow& operator=(const GameWindow&) = delete;

    // Plays until the game ends or the window is closed; returns the exit status.
    int run(FrmIntro& game);

  private:
    Micros now() const;
    void handle(const SDL_Event& event, FrmIntro& game);
    void press(int16 keyCode, FrmIntro& game);
    void present(FrmIntro& game);
    void toggleFullscreen();

    SDL_Window* window_ = nullptr;
    SDL_Renderer* sdlRenderer_ = nullptr;
    std::unique_ptr<Screen> screen_;
    std::unique_ptr<Trace> trace_ = Trace::fromEnvironment();
    std::unique_ptr<Gamepad> gamepad_;
    Uint64 start_ = 0;
};
