// Gamepads: the keys their buttons and left stick press, and the repeat of a held direction.
#include "FrontSteps.h"
#include "platform/Gamepad.h"
#include "shell/FrmIntro.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {
using Keys = std::vector<int16>;

SDL_Event button(SDL_JoystickID pad, Uint8 which, bool down) {
    SDL_Event e{};
    e.type = down ? SDL_CONTROLLERBUTTONDOWN : SDL_CONTROLLERBUTTONUP;
    e.cbutton.which = pad;
    e.cbutton.button = which;
    e.cbutton.state = down ? SDL_PRESSED : SDL_RELEASED;
    return e;
}

SDL_Event stick(SDL_JoystickID pad, Uint8 axis, Sint16 value) {
    SDL_Event e{};
    e.type = SDL_CONTROLLERAXISMOTION;
    e.caxis.which = pad;
    e.caxis.axis = axis;
    e.caxis.value = value;
    return e;
}

SDL_Event unplugged(SDL_JoystickID pad) {
    SDL_Event e{};
    e.type = SDL_CONTROLLERDEVICEREMOVED;
    e.cdevice.which = pad;
    return e;
}

SDL_Event focusLost() {
    SDL_Event e{};
    e.type = SDL_WINDOWEVENT;
    e.window.event = SDL_WINDOWEVENT_FOCUS_LOST;
    return e;
}

// A player holding a pad, on a virtual clock: sleeps as the game window does, until the
// next repeat is due, and takes every key the pad hands over; with a game, hands them on to
// it and lets its timers tick alongside.
class PadPlayer {
  public:
    explicit PadPlayer(Player* game = nullptr) : game_(game) {}

    void send(const SDL_Event& event) { take(pad.handle(event, now_)); }
    void tap(Uint8 which, SDL_JoystickID id = 0) {
        send(button(id, which, true));
        send(button(id, which, false));
    }
    void waitMs(int ms) {
        const Micros end = now_ + Micros{ms} * 1000;
        for (auto due = pad.nextRepeat(); due && *due <= end; due = pad.nextRepeat()) {
            passTo(*due);
            take(pad.repeatDue(now_));
        }
        passTo(end);
    }
    // The keys handed over since the last call.
    Keys taken() { return std::exchange(keys_, {}); }

    Gamepad pad;

  private:
    void take(std::optional<int16> key) {
        if (!key) return;
        keys_.push_back(*key);
        if (game_) game_->press(*key);
    }
    void passTo(Micros t) {
        if (game_) (*game_)->timers.advance(t - now_);
        now_ = t;
    }

    Player* game_;
    Keys keys_;
    Micros now_ = 0;
};
} // namespace

TEST(Gamepad, ButtonsPressTheGameKeysAndAHeldDirectionRepeats) {
    PadPlayer p;
    for (Uint8 b :
         {SDL_CONTROLLER_BUTTON_A, SDL_CONTROLLER_BUTTON_START, SDL_CONTROLLER_BUTTON_BACK,
          SDL_CONTROLLER_BUTTON_X, SDL_CONTROLLER_BUTTON_Y, SDL_CONTROLLER_BUTTON_RIGHTSHOULDER,
          SDL_CONTROLLER_BUTTON_LEFTSHOULDER, SDL_CONTROLLER_BUTTON_GUIDE})
        p.tap(b);
    EXPECT_EQ(p.taken(), (Keys{Key::Space, Key::M, Key::Esc, Key::R, Key::V, Key::B}));

    // Holding A does not repeat it: one message is not dismissed by a held button.
    p.send(button(0, SDL_CONTROLLER_BUTTON_A, true));
    p.waitMs(2000);
    EXPECT_EQ(p.taken(), Keys{Key::Space});
    EXPECT_FALSE(p.pad.nextRepeat());
    p.send(button(0, SDL_CONTROLLER_BUTTON_A, false));

    for (auto [b, key] : {std::pair{SDL_CONTROLLER_BUTTON_DPAD_LEFT, Key::Left},
                          std::pair{SDL_CONTROLLER_BUTTON_DPAD_UP, Key::Up},
                          std::pair{SDL_CONTROLLER_BUTTON_DPAD_DOWN, Key::Down}}) {
        p.tap(b);
        p.waitMs(1000);
        EXPECT_EQ(p.taken(), Keys{key});
    }

    // Right held one second: the press, a repeat at 500 ms, then one every 33 ms.
    p.send(button(0, SDL_CONTROLLER_BUTTON_DPAD_RIGHT, true));
    p.waitMs(499);
    EXPECT_EQ(p.taken(), Keys{Key::Right});
    p.waitMs(1);
    EXPECT_EQ(p.taken(), Keys{Key::Right});
    p.waitMs(500);
    EXPECT_EQ(p.taken(), Keys(15, Key::Right));

    // Down pressed over it takes over the repeat; letting go of Right changes nothing.
    p.send(button(0, SDL_CONTROLLER_BUTTON_DPAD_DOWN, true));
    p.send(button(0, SDL_CONTROLLER_BUTTON_DPAD_RIGHT, false));
    p.waitMs(533);
    EXPECT_EQ(p.taken(), (Keys{Key::Down, Key::Down, Key::Down}));
    p.send(button(0, SDL_CONTROLLER_BUTTON_DPAD_DOWN, false));
    p.waitMs(1000);
    EXPECT_EQ(p.taken(), Keys{});
    EXPECT_FALSE(p.pad.nextRepeat());
}

TEST(Gamepad, UnpluggingThePadOrLeavingTheWindowStopsTheRepeat) {
    PadPlayer p;
    p.send(button(3, SDL_CONTROLLER_BUTTON_DPAD_LEFT, true));
    p.waitMs(600);
    EXPECT_EQ(p.taken().size(), 5u);
    // Another pad going away leaves the held direction alone.
    p.send(unplugged(4));
    p.waitMs(33);
    EXPECT_EQ(p.taken(), Keys{Key::Left});
    p.send(unplugged(3));
    p.waitMs(2000);
    EXPECT_EQ(p.taken(), Keys{});
    EXPECT_FALSE(p.pad.nextRepeat());

    p.send(button(5, SDL_CONTROLLER_BUTTON_DPAD_UP, true));
    p.send(focusLost());
    p.waitMs(2000);
    EXPECT_EQ(p.taken(), Keys{Key::Up});
    EXPECT_FALSE(p.pad.nextRepeat());
}

TEST(Gamepad, TheLeftStickLeansPastHalfwayToPressOneDirection) {
    PadPlayer p;
    const Uint8 x = SDL_CONTROLLER_AXIS_LEFTX, y = SDL_CONTROLLER_AXIS_LEFTY;
    // Inside the dead zone, and the other stick and triggers, press nothing.
    p.send(stick(0, x, 16000));
    p.send(stick(0, SDL_CONTROLLER_AXIS_RIGHTX, 32767));
    p.send(stick(0, SDL_CONTROLLER_AXIS_TRIGGERLEFT, 32767));
    EXPECT_EQ(p.taken(), Keys{});

    // Past halfway it presses; wobbling around the mark neither presses again nor lets go.
    p.send(stick(0, x, 17000));
    p.send(stick(0, x, 14000));
    p.send(stick(0, x, 20000));
    p.waitMs(500);
    EXPECT_EQ(p.taken(), (Keys{Key::Right, Key::Right}));

    // Turned to the diagonal it keeps going right; back under 40% it lets go of right and
    // down, still past halfway, takes over.
    p.send(stick(0, y, 32767));
    p.send(stick(0, x, 30000));
    EXPECT_EQ(p.taken(), Keys{});
    p.send(stick(0, x, 12000));
    EXPECT_EQ(p.taken(), Keys{Key::Down});

    // Flicked straight up through the middle, then released.
    p.send(stick(0, y, -32768));
    p.send(stick(0, x, 0));
    p.send(stick(0, y, 0));
    p.waitMs(1000);
    EXPECT_EQ(p.taken(), Keys{Key::Up});
    EXPECT_FALSE(p.pad.nextRepeat());

    // Left, held, then the pad leaves while the stick still leans.
    p.send(stick(0, x, -32768));
    p.send(unplugged(0));
    p.waitMs(1000);
    EXPECT_EQ(p.taken(), Keys{Key::Left});
}

TEST(Gamepad, APadPluggedInIsOpenedAndItsButtonsReachTheGameUntilItIsUnplugged) {
    // SDL's virtual pad: plugged, pressed and unplugged as a real one, with no device.
    SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
    ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER), 0) << SDL_GetError();
    {
        PadPlayer p;
        auto pump = [&] {
            SDL_GameControllerUpdate();
            for (SDL_Event e; SDL_PollEvent(&e);)
                p.send(e);
        };
        const int device =
            SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_GAMECONTROLLER, SDL_CONTROLLER_AXIS_MAX,
                                      SDL_CONTROLLER_BUTTON_MAX, 0);
        ASSERT_GE(device, 0) << SDL_GetError();
        const SDL_JoystickID id = SDL_JoystickGetDeviceInstanceID(device);
        pump();
        // Only an opened pad sends its buttons: these presses show that the pad was opened.
        SDL_Joystick* joystick = SDL_JoystickFromInstanceID(id);
        ASSERT_NE(joystick, nullptr);
        SDL_JoystickSetVirtualButton(joystick, SDL_CONTROLLER_BUTTON_A, SDL_PRESSED);
        SDL_JoystickSetVirtualButton(joystick, SDL_CONTROLLER_BUTTON_DPAD_UP, SDL_PRESSED);
        pump();
        p.waitMs(533);
        EXPECT_EQ(p.taken(), (Keys{Key::Space, Key::Up, Key::Up, Key::Up}));

        SDL_JoystickDetachVirtual(device);
        pump();
        p.waitMs(1000);
        EXPECT_EQ(p.taken(), Keys{});
        EXPECT_EQ(SDL_GameControllerFromInstanceID(id), nullptr) << "the pad was not closed";
    }
    SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
}

TEST(Gamepad, PlaysTheTitleAndTheNameEntryAsTheKeyboardDoes) {
    Player game;
    PadPlayer p(&game);
    reachPrompt(game);
    p.tap(SDL_CONTROLLER_BUTTON_A);
    game.ticksUntilStopped(game->tmrFermer);
    game.ticksUntilStopped(game->tmrLblNom);

    // Right held for 600 ms: the press and four repeats move the box from A to F.
    p.send(button(0, SDL_CONTROLLER_BUTTON_DPAD_RIGHT, true));
    p.waitMs(600);
    p.send(button(0, SDL_CONTROLLER_BUTTON_DPAD_RIGHT, false));
    EXPECT_EQ(game->intGrilleColonne, 6);
    EXPECT_EQ(game->intGrilleLigne, 1);
    p.tap(SDL_CONTROLLER_BUTTON_A);
    EXPECT_EQ(game->lblNom(0).caption, "F");

    // Start, X, Y and the shoulder are the menu's keys, which the name entry ignores.
    const auto before = game.screen();
    for (Uint8 b : {SDL_CONTROLLER_BUTTON_START, SDL_CONTROLLER_BUTTON_X, SDL_CONTROLLER_BUTTON_Y,
                    SDL_CONTROLLER_BUTTON_RIGHTSHOULDER})
        p.tap(b);
    EXPECT_EQ(game.screen(), before);

    p.tap(SDL_CONTROLLER_BUTTON_BACK);
    game.ticksUntilStopped(game->tmrLblNom3);
    EXPECT_TRUE(game->ended());
}
