#include "Gamepad.h"

namespace {
// A held direction repeats; other keys press once.
bool isDirection(const TranslatedKey& key) {
    return key.action == KeyAction::GameKey && (key.code == Key::Left || key.code == Key::Up ||
                                                key.code == Key::Right || key.code == Key::Down);
}

// How far the stick leans towards a direction (negative when it leans away).
int lean(int x, int y, int16 direction) {
    switch (direction) {
    case Key::Left:
        return -x;
    case Key::Right:
        return x;
    case Key::Up:
        return -y;
    default:
        return y;
    }
}

// The direction the stick points to. The one already held stays until the stick comes
// back under the release mark, so a stick resting near the edge does not stutter, and a
// stick turned to a diagonal keeps the direction it had.
int16 stickDirection(int x, int y, int16 held) {
    if (held != 0 && lean(x, y, held) >= Gamepad::kStickRelease) return held;
    int16 best = 0;
    int bestLean = Gamepad::kStickPress - 1;
    for (int16 direction : {Key::Left, Key::Up, Key::Right, Key::Down}) {
        if (lean(x, y, direction) > bestLean) {
            best = direction;
            bestLean = lean(x, y, direction);
        }
    }
    return best;
}
} // namespace

Gamepad::~Gamepad() {
    for (auto& [id, controller] : pads_)
        SDL_GameControllerClose(controller);
}

std::optional<TranslatedKey> Gamepad::handle(const SDL_Event& event, Micros now) {
    switch (event.type) {
    case SDL_CONTROLLERDEVICEADDED:
        open(event.cdevice.which);
        break;
    case SDL_CONTROLLERDEVICEREMOVED:
        close(event.cdevice.which);
        break;
    case SDL_CONTROLLERBUTTONDOWN:
    case SDL_CONTROLLERBUTTONUP:
        return button(event.cbutton, now);
    case SDL_CONTROLLERAXISMOTION:
        return axis(event.caxis, now);
    case SDL_WINDOWEVENT:
        // The releases made while another window has the focus never reach us.
        if (event.window.event == SDL_WINDOWEVENT_FOCUS_LOST) letGoOfEverything();
        break;
    default:
        break;
    }
    return std::nullopt;
}

std::optional<int16> Gamepad::repeatDue(Micros now) {
    if (!held_ || now < held_->next) return std::nullopt;
    held_->next += kRepeatPeriod;
    // After a long stall, go on at the usual rate rather than in a burst.
    if (held_->next <= now) held_->next = now + kRepeatPeriod;
    return held_->key;
}

std::optional<Micros> Gamepad::nextRepeat() const {
    if (!held_) return std::nullopt;
    return held_->next;
}

std::optional<TranslatedKey> Gamepad::button(const SDL_ControllerButtonEvent& event, Micros now) {
    const auto mapped = bindings_.find(Device::Gamepad, {event.button, false});
    if (!mapped) return std::nullopt;
    const bool down = event.state == SDL_PRESSED;
    if (!isDirection(*mapped)) return down ? mapped : std::nullopt;
    if (down) return press(event.which, Source::DPad, mapped->code, now);
    release(event.which, Source::DPad, mapped->code);
    return std::nullopt;
}

std::optional<TranslatedKey> Gamepad::axis(const SDL_ControllerAxisEvent& event, Micros now) {
    Stick& stick = sticks_[event.which];
    if (event.axis == SDL_CONTROLLER_AXIS_LEFTX)
        stick.x = event.value;
    else if (event.axis == SDL_CONTROLLER_AXIS_LEFTY)
        stick.y = event.value;
    else
        return std::nullopt;
    const int16 before = stick.direction;
    stick.direction = stickDirection(stick.x, stick.y, before);
    if (stick.direction == before) return std::nullopt;
    if (before != 0) release(event.which, Source::Stick, before);
    if (stick.direction == 0) return std::nullopt;
    return press(event.which, Source::Stick, stick.direction, now);
}

TranslatedKey Gamepad::press(SDL_JoystickID pad, Source source, int16 key, Micros now) {
    held_ = Held{pad, source, key, now + kRepeatDelay};
    return {KeyAction::GameKey, key};
}

void Gamepad::release(SDL_JoystickID pad, Source source, int16 key) {
    if (held_ && held_->pad == pad && held_->source == source && held_->key == key) held_.reset();
}

void Gamepad::letGoOfEverything() {
    held_.reset();
    // A stick still leaning when the focus comes back presses again once it moves.
    for (auto& [id, stick] : sticks_)
        stick.direction = 0;
}

void Gamepad::open(int deviceIndex) {
    if (!SDL_IsGameController(deviceIndex)) return;
    SDL_GameController* controller = SDL_GameControllerOpen(deviceIndex);
    if (!controller) return;
    SDL_JoystickID id = SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(controller));
    // A pad announced twice is opened once; the second open only took another reference.
    if (!pads_.emplace(id, controller).second) SDL_GameControllerClose(controller);
}

void Gamepad::close(SDL_JoystickID pad) {
    if (held_ && held_->pad == pad) held_.reset();
    sticks_.erase(pad);
    auto it = pads_.find(pad);
    if (it == pads_.end()) return;
    SDL_GameControllerClose(it->second);
    pads_.erase(it);
}
