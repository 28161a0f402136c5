// Gamepads: the keys their buttons and left stick press, the repeat of a held direction,
// and buttons the player moved.
#include "KeysAtHand.h"
#include "game/CorePort.h"
#include "game/FrmIntro.h"
#include "platform/Gamepad.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <utility>
#include <vector>

namespace {
using Keys = std::vector<int16>;

SDL_Event button(Uint8 which, bool down, SDL_JoystickID pad = 0) {
    SDL_Event e{};
    e.cbutton.type = down ? SDL_CONTROLLERBUTTONDOWN : SDL_CONTROLLERBUTTONUP;
    e.cbutton.which = pad;
    e.cbutton.button = which;
    e.cbutton.state = Uint8(down);
    return e;
}
SDL_Event stick(Uint8 axis, Sint16 value) {
    SDL_Event e{};
    e.caxis.type = SDL_CONTROLLERAXISMOTION;
    e.caxis.axis = axis;
    e.caxis.value = value;
    return e;
}
SDL_Event unplugged(SDL_JoystickID pad) {
    SDL_Event e{};
    e.cdevice.type = SDL_CONTROLLERDEVICEREMOVED;
    e.cdevice.which = pad;
    return e;
}

// A player holding a pad, on a virtual clock: sleeps as the game window does, until the
// next repeat is due, and takes every key the pad hands over.
struct PadPlayer {
    explicit PadPlayer(const KeyBindings& bindings = {}) : pad(bindings) {}
    void send(const SDL_Event& event) {
        if (auto key = pad.handle(event, now)) keys.push_back(key->code);
    }
    void tap(std::initializer_list<Uint8> buttons) {
        for (Uint8 b : buttons)
            for (bool down : {true, false})
                send(button(b, down));
    }
    void waitMs(int ms) {
        const Micros end = now + Micros{ms} * 1000;
        for (auto due = pad.nextRepeat(); due && *due <= end; due = pad.nextRepeat())
            keys.push_back(pad.repeatDue(now = *due).value());
        now = end;
    }
    // The keys handed over since the last call.
    Keys taken() { return std::exchange(keys, {}); }

    Gamepad pad;
    Keys keys;
    Micros now = 0;
};

TEST(Gamepad, ButtonsPressTheGameKeysAndAHeldDirectionRepeatsUntilLetGo) {
    PadPlayer p;
    p.tap({SDL_CONTROLLER_BUTTON_A, SDL_CONTROLLER_BUTTON_START, SDL_CONTROLLER_BUTTON_BACK,
           SDL_CONTROLLER_BUTTON_X, SDL_CONTROLLER_BUTTON_Y, SDL_CONTROLLER_BUTTON_RIGHTSHOULDER,
           SDL_CONTROLLER_BUTTON_LEFTSHOULDER, SDL_CONTROLLER_BUTTON_GUIDE,
           SDL_CONTROLLER_BUTTON_DPAD_LEFT, SDL_CONTROLLER_BUTTON_DPAD_UP,
           SDL_CONTROLLER_BUTTON_DPAD_DOWN});
    p.waitMs(1000);
    EXPECT_EQ(p.taken(), (Keys{Key::Space, Key::M, Key::Esc, Key::R, Key::V, Key::B, Key::Left,
                               Key::Up, Key::Down}));
    // A held A does not repeat: one message is not dismissed by a held button.
    p.send(button(SDL_CONTROLLER_BUTTON_A, true));
    p.waitMs(2000);
    EXPECT_EQ(p.taken(), Keys{Key::Space});
    p.send(button(SDL_CONTROLLER_BUTTON_A, false));

    // Right held one second: the press, a repeat at 500 ms, then one every 33 ms.
    p.send(button(SDL_CONTROLLER_BUTTON_DPAD_RIGHT, true));
    for (auto [ms, count] : {std::pair{499, 1}, {1, 1}, {500, 15}}) {
        p.waitMs(ms);
        EXPECT_EQ(p.taken(), Keys(count, Key::Right)) << "after " << ms << " ms more";
    }
    // Down pressed over it takes over the repeat; letting go of Right changes nothing.
    p.send(button(SDL_CONTROLLER_BUTTON_DPAD_DOWN, true));
    p.send(button(SDL_CONTROLLER_BUTTON_DPAD_RIGHT, false));
    p.waitMs(533);
    EXPECT_EQ(p.taken(), Keys(3, Key::Down));
    p.send(button(SDL_CONTROLLER_BUTTON_DPAD_DOWN, false));
    p.waitMs(1000);
    EXPECT_EQ(p.taken(), Keys{});
    // Unplugging the pad or leaving the window stops the repeat; another pad leaving does not.
    p.send(button(SDL_CONTROLLER_BUTTON_DPAD_LEFT, true, 3));
    p.send(unplugged(4));
    p.waitMs(633);
    EXPECT_EQ(p.taken(), Keys(6, Key::Left));
    p.send(unplugged(3));
    p.waitMs(2000);
    EXPECT_EQ(p.taken(), Keys{});

    p.send(button(SDL_CONTROLLER_BUTTON_DPAD_UP, true, 5));
    SDL_Event focusLost{};
    focusLost.window = {SDL_WINDOWEVENT, 0, 0, SDL_WINDOWEVENT_FOCUS_LOST, 0, 0, 0, 0, 0};
    p.send(focusLost);
    p.waitMs(2000);
    EXPECT_EQ(p.taken(), Keys{Key::Up});
    EXPECT_FALSE(p.pad.nextRepeat());
}

TEST(Gamepad, TheLeftStickLeansPastHalfwayToPressOneDirection) {
    PadPlayer p;
    const Uint8 x = SDL_CONTROLLER_AXIS_LEFTX, y = SDL_CONTROLLER_AXIS_LEFTY;
    auto lean = [&](std::initializer_list<std::pair<Uint8, Sint16>> moves) {
        for (auto [axis, value] : moves)
            p.send(stick(axis, value));
        return p.taken();
    };
    // Inside the dead zone, the other stick and the triggers press nothing.
    EXPECT_EQ(lean({{x, 16000},
                    {SDL_CONTROLLER_AXIS_RIGHTX, 32767},
                    {SDL_CONTROLLER_AXIS_TRIGGERLEFT, 32767}}),
              Keys{});
    // Past halfway it presses; wobbling around the mark neither presses again nor lets go.
    EXPECT_EQ(lean({{x, 17000}, {x, 14000}, {x, 20000}}), Keys{Key::Right});
    p.waitMs(500);
    // Turned to the diagonal it keeps going right; back under 40% it lets go of right and
    // down, still past halfway, takes over.
    EXPECT_EQ(lean({{y, 32767}, {x, 30000}}), Keys{Key::Right});
    EXPECT_EQ(lean({{x, 12000}}), Keys{Key::Down});
    // Flicked straight up through the middle and released, it presses up once.
    EXPECT_EQ(lean({{y, -32768}, {x, 0}, {y, 0}}), Keys{Key::Up});
    p.waitMs(1000);
    EXPECT_EQ(lean({{x, -32768}}), Keys{Key::Left});
}

// SDL's virtual pad: plugged, pressed and unplugged as a real one, with no device.
struct VirtualPad {
    VirtualPad() {
        SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
        EXPECT_EQ(SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER), 0) << SDL_GetError();
        device = SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_GAMECONTROLLER,
                                           SDL_CONTROLLER_AXIS_MAX, SDL_CONTROLLER_BUTTON_MAX, 0);
        EXPECT_GE(device, 0) << SDL_GetError();
        id = SDL_JoystickGetDeviceInstanceID(device);
    }
    ~VirtualPad() {
        unplug();
        SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
    }
    void unplug() {
        if (device >= 0) SDL_JoystickDetachVirtual(std::exchange(device, -1));
    }
    void press(Uint8 button, bool down) {
        SDL_JoystickSetVirtualButton(SDL_JoystickFromInstanceID(id), button, Uint8(down));
    }
    int device = -1;
    SDL_JoystickID id = -1;
};

void pump(PadPlayer& p) {
    SDL_GameControllerUpdate();
    for (SDL_Event e; SDL_PollEvent(&e);)
        p.send(e);
}
} // namespace

// A player whose pad's buttons sit elsewhere moves them: the action on B, up on Y (and
// the green colour on the d-pad's up in its place), left on the left shoulder. Played
// with those buttons, the recorded quest reaches the island as it did with the keyboard;
// unplugged, the pad is closed.
TEST(Gamepad, AVirtualPadWithMovedButtonsPlaysToTheIslandUntilItIsUnplugged) {
    constexpr std::int64_t kIslandMs = 7660; // the island shows, with its first message
    const KeyBindings keys = boundBy("manette_action = b\nmanette_haut = y\n"
                                     "manette_vert = dpup\nmanette_gauche = leftshoulder\n");
    const std::pair<int16, Uint8> buttonOf[] = {
        {Key::Space, SDL_CONTROLLER_BUTTON_B},
        {Key::Up, SDL_CONTROLLER_BUTTON_Y},
        {Key::Left, SDL_CONTROLLER_BUTTON_LEFTSHOULDER},
        {Key::Right, SDL_CONTROLLER_BUTTON_DPAD_RIGHT},
        {Key::Down, SDL_CONTROLLER_BUTTON_DPAD_DOWN},
    };
    PadPlayer p(keys);
    VirtualPad virtualPad;
    pump(p);
    ReplaySession byPad, byKeyboard;
    for (const ReplayEvent& event : recordedGame("quest")) {
        byKeyboard.play(event);
        if (event.kind == ReplayEvent::Kind::Key) {
            const auto* pair = std::find_if(std::begin(buttonOf), std::end(buttonOf),
                                            [&](auto b) { return b.first == event.key; });
            ASSERT_NE(pair, std::end(buttonOf)) << event.key;
            for (bool down : {true, false}) {
                virtualPad.press(pair->second, down);
                pump(p);
            }
            const Keys pressed = p.taken();
            ASSERT_EQ(pressed, Keys{event.key}) << formatEvent(event);
            byPad.play({event.ms, ReplayEvent::Kind::Key, pressed.front()});
        } else {
            byPad.play(event);
        }
        if (event.ms == kIslandMs) break;
    }
    EXPECT_STREQ(shownScreen(byPad.game()), "message");
    EXPECT_EQ(byPad.game().intLieu, 0) << "not on the island";
    EXPECT_EQ(byPad.digest(), byKeyboard.digest());
    virtualPad.unplug();
    pump(p);
    EXPECT_EQ(SDL_GameControllerFromInstanceID(virtualPad.id), nullptr) << "the pad was not closed";
}
