// The game's window: opens it at a comfortable scale, feeds the game its keys (keyboard
// and gamepads) and the real clock, and redraws only what the game shows that has changed.
// One step of play is update() then present(); a driver calls them again when an event
// comes or the next timer or gamepad repeat is due (DesktopLoop.cpp, WebLoop.cpp).
#pragma once
#include "Gamepad.h"
#include "KeyTranslation.h"
#include "Screen.h"
#include "Settings.h"
#include "TimerResolution.h"
#include "Trace.h"
#include "Voice.h"
#include "game/CorePort.h"

#include <SDL.h>

#include <memory>

// How the window opens: the command line's choices first, then the remembered ones.
struct WindowChoice {
    std::optional<double> scale;
    std::optional<bool> fullscreen;
    Settings remembered;
    // Speech on from the start: asked for, else as remembered, else whether a screen reader
    // runs.
    bool speech = false;
};

class GameWindow {
  public:
    // Throws NoDisplay when no display can show the window.
    explicit GameWindow(const WindowChoice& choice = {});
    ~GameWindow();
    GameWindow(const GameWindow&) = delete;
    GameWindow& operator=(const GameWindow&) = delete;

    // The window as the player leaves it, to open it so next time.
    Settings settings() const;

    // Shows the game's first picture and starts listening to gamepads.
    void begin(FrmIntro& game);
    // Takes the pending events, then fires the timers and the gamepad repeat due by now.
    void update(FrmIntro& game);
    // Takes one event, for a driver that waited for it.
    void handle(const SDL_Event& event, FrmIntro& game);
    // Fires the timers and the gamepad repeat due by now.
    void fireDue(FrmIntro& game);
    // Draws the game if what it shows has changed, or the window asks for it.
    void present(FrmIntro& game);
    // Milliseconds until update has work to do without a new event (the next timer or
    // gamepad repeat), if any; rounded up, since a wake-up before then finds nothing to do.
    std::optional<int> msUntilDue(const FrmIntro& game) const;
    Micros now() const;
    SDL_Window* sdlWindow() const { return window_; }
    Voice& voice() { return voice_; }

  private:
    void press(int16 keyCode, FrmIntro& game);
    void tick(FrmIntro& game);
    void windowKey(KeyAction action, const FrmIntro& game);
    void toggleFullscreen();
    bool fullscreen() const;

    TimerResolution timerResolution_;
    SDL_Window* window_ = nullptr;
    SDL_Renderer* sdlRenderer_ = nullptr;
    std::unique_ptr<Screen> screen_;
    std::unique_ptr<Trace> trace_ = Trace::fromEnvironment();
    std::unique_ptr<Gamepad> gamepad_;
    Uint64 start_ = 0;
    Voice voice_;
    // The size of the window when not fullscreen, as the player last made it.
    int windowedWidth_ = 0;
    int windowedHeight_ = 0;
};
