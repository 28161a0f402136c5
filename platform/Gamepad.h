// Gamepads as a second keyboard: opens controllers as they are plugged in, turns their
// buttons and left stick into the game's key codes, and repeats a held direction.
#pragma once
#include "shell/Vocabulary.h"

#include <SDL.h>

#include <map>
#include <optional>

class Gamepad {
  public:
    // A held direction repeats as a held key does: first after 500 ms, then every 33 ms.
    static constexpr Micros kRepeatDelay = 500'000;
    static constexpr Micros kRepeatPeriod = 33'000;
    // The left stick presses a direction past half its travel and lets go under 40%.
    static constexpr int kStickPress = 16384;
    static constexpr int kStickRelease = 13107;

    Gamepad() = default;
    ~Gamepad();
    Gamepad(const Gamepad&) = delete;
    Gamepad& operator=(const Gamepad&) = delete;

    // The key this event presses, if any.
    std::optional<int16> handle(const SDL_Event& event, Micros now);
    // The held direction once more, if its repeat is due by now.
    std::optional<int16> repeatDue(Micros now);
    // When the held direction repeats next, if one is held.
    std::optional<Micros> nextRepeat() const;

  private:
    enum class Source : std::uint8_t { DPad, Stick };
    struct Stick {
        int x = 0;
        int y = 0;
        int16 direction = 0; // 0 while the stick rests
    };
    struct Held {
        SDL_JoystickID pad;
        Source source;
        int16 key;
        Micros next;
    };

    std::optional<int16> button(const SDL_ControllerButtonEvent& event, Micros now);
    std::optional<int16> axis(const SDL_ControllerAxisEvent& event, Micros now);
    int16 press(SDL_JoystickID pad, Source source, int16 key, Micros now);
    void release(SDL_JoystickID pad, Source source, int16 key);
    void letGoOfEverything();
    void open(int deviceIndex);
    void close(SDL_JoystickID pad);

    std::map<SDL_JoystickID, SDL_GameController*> pads_;
    std::map<SDL_JoystickID, Stick> sticks_;
    // Only the last direction pressed repeats, as on a keyboard.
    std::optional<Held> held_;
};
