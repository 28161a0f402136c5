#include "KeyBindings.h"

#include <algorithm>
#include <variant>

namespace {
using Inputs = std::vector<Input>;

constexpr std::string_view kGamepadPrefix = "manette_";

struct Default {
    PlayerAction action;
    std::vector<Input> keys;
    std::vector<Input> buttons;
};

Input button(SDL_GameControllerButton b) {
    return {b, false};
}

// The game's usual keys, in the order the settings file lists them.
const std::array<Default, KeyBindings::kActions>& defaults() {
    using enum KeyAction;
    static const std::array<Default, KeyBindings::kActions> table{{
        {{"haut", {GameKey, Key::Up}}, {{SDLK_UP}}, {button(SDL_CONTROLLER_BUTTON_DPAD_UP)}},
        {{"bas", {GameKey, Key::Down}}, {{SDLK_DOWN}}, {button(SDL_CONTROLLER_BUTTON_DPAD_DOWN)}},
        {{"gauche", {GameKey, Key::Left}},
         {{SDLK_LEFT}},
         {button(SDL_CONTROLLER_BUTTON_DPAD_LEFT)}},
        {{"droite", {GameKey, Key::Right}},
         {{SDLK_RIGHT}},
         {button(SDL_CONTROLLER_BUTTON_DPAD_RIGHT)}},
        {{"action", {GameKey, Key::Space}}, {{SDLK_SPACE}}, {button(SDL_CONTROLLER_BUTTON_A)}},
        {{"menu", {GameKey, Key::M}}, {{SDLK_m}}, {button(SDL_CONTROLLER_BUTTON_START)}},
        {{"rouge", {GameKey, Key::R}}, {{SDLK_r}}, {button(SDL_CONTROLLER_BUTTON_X)}},
        {{"vert", {GameKey, Key::V}}, {{SDLK_v}}, {button(SDL_CONTROLLER_BUTTON_Y)}},
        {{"bleu", {GameKey, Key::B}}, {{SDLK_b}}, {button(SDL_CONTROLLER_BUTTON_RIGHTSHOULDER)}},
        {{"quitter", {GameKey, Key::Esc}}, {{SDLK_ESCAPE}}, {button(SDL_CONTROLLER_BUTTON_BACK)}},
        {{"plein_ecran", {ToggleFullscreen, 0}},
         {{SDLK_F11}, {SDLK_RETURN, true}, {SDLK_KP_ENTER, true}},
         {}},
        {{"decrire", {DescribeSurroundings, 0}}, {{SDLK_F1}}, {}},
        {{"repeter", {RepeatSpeech, 0}}, {{SDLK_F2}}, {}},
        {{"voix", {ToggleSpeech, 0}}, {{SDLK_F3}}, {}},
    }};
    return table;
}

// An action's usual keys or buttons.
const Inputs& usual(Device device, std::size_t action) {
    const Default& d = defaults()[action];
    return device == Device::Keyboard ? d.keys : d.buttons;
}

std::string_view trim(std::string_view s) {
    const auto first = s.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return s.substr(first, s.find_last_not_of(" \t") - first + 1);
}

// Whether SDL names the key so that the name reads back as the key, and it can stand in a
// list of keys: the comma cannot, nor can a control character.
bool nameable(SDL_Keycode sym) {
    const std::string name = SDL_GetKeyName(sym);
    if (name.empty() || SDL_GetKeyFromName(name.c_str()) != sym) return false;
    return std::none_of(name.begin(), name.end(),
                        [](char c) { return c == ',' || (c >= 0 && c < ' ') || c == 127; });
}

std::optional<Input> keyNamed(std::string_view name) {
    const bool alt = name.size() > 4 && SDL_strncasecmp(name.data(), "alt+", 4) == 0;
    const std::string key(trim(alt ? name.substr(4) : name));
    const SDL_Keycode sym = SDL_GetKeyFromName(key.c_str());
    if (sym == SDLK_UNKNOWN || !nameable(sym)) return std::nullopt;
    return Input{sym, alt};
}

std::string join(Device device, const Inputs& inputs) {
    std::string text;
    for (const Input& input : inputs)
        text += (text.empty() ? "" : ", ") + inputName(device, input);
    return text;
}

// The device and action a line name stands for.
std::optional<std::pair<Device, std::size_t>> actionNamed(std::string_view name) {
    Device device = Device::Keyboard;
    if (name.starts_with(kGamepadPrefix)) {
        device = Device::Gamepad;
        name.remove_prefix(kGamepadPrefix.size());
    }
    const auto& all = KeyBindings::actions();
    for (std::size_t i = 0; i < all.size(); ++i)
        if (all[i].name == name) return std::pair(device, i);
    return std::nullopt;
}

// The inputs a line's value lists, or why they cannot be taken.
std::variant<Inputs, std::string> inputsOf(Device device, std::string_view value) {
    Inputs inputs;
    if (trim(value).empty()) return std::string("nothing is given");
    std::size_t count = 0;
    for (std::string_view rest = value; ++count <= KeyBindings::kMaxInputs;) {
        const auto comma = rest.find(',');
        const std::string_view name = trim(rest.substr(0, comma));
        const auto input = inputNamed(device, name);
        const char* what = device == Device::Keyboard ? "key" : "button";
        if (!input) return "no " + std::string(what) + " is named \"" + std::string(name) + '"';
        if (std::find(inputs.begin(), inputs.end(), *input) != inputs.end())
            return std::string(name) + " is given twice";
        inputs.push_back(*input);
        if (comma == std::string_view::npos) return inputs;
        rest.remove_prefix(comma + 1);
    }
    return std::string("more than three are given");
}

// A line taken from the file, so that it can be named again if another one wins its key.
struct Taken {
    Device device;
    std::size_t action;
    std::string line;
};

std::string refusal(const std::string& line, const std::string& why, Device device,
                    std::size_t action) {
    const std::string kept = join(device, usual(device, action));
    return "[touches] " + line + ": " + why + "; " + lineName(device, action) + " keeps " +
           (kept.empty() ? "none" : kept);
}

// The first action on the same device, other than this one, that has one of its inputs.
std::optional<std::pair<std::size_t, Input>> clash(const KeyBindings& bindings, Device device,
                                                   std::size_t action) {
    for (const Input& input : bindings.inputs(device, action))
        for (std::size_t other = 0; other < KeyBindings::kActions; ++other) {
            const Inputs& theirs = bindings.inputs(device, other);
            if (other != action && std::find(theirs.begin(), theirs.end(), input) != theirs.end())
                return std::pair(other, input);
        }
    return std::nullopt;
}

// Lets go of the latest line that wants a key another action has, until none does: the
// usual keys it falls back to may clash with an earlier line in turn.
void refuseClashes(std::vector<Taken>& taken, ReadBindings& read) {
    for (std::size_t i = taken.size(); i-- > 0;) {
        const Taken& t = taken[i];
        const auto found = clash(read.bindings, t.device, t.action);
        if (!found) continue;
        const std::string why = inputName(t.device, found->second) + " is " +
                                lineName(t.device, found->first) + "'s already";
        read.warnings.push_back(refusal(t.line, why, t.device, t.action));
        read.bindings.bind(t.device, t.action, usual(t.device, t.action));
        taken.erase(taken.begin() + std::ptrdiff_t(i));
        i = taken.size();
    }
}
} // namespace

const std::array<PlayerAction, KeyBindings::kActions>& KeyBindings::actions() {
    static const auto table = [] {
        std::array<PlayerAction, kActions> out;
        for (std::size_t i = 0; i < kActions; ++i)
            out[i] = defaults()[i].action;
        return out;
    }();
    return table;
}

KeyBindings::KeyBindings() {
    for (Device device : {Device::Keyboard, Device::Gamepad})
        for (std::size_t i = 0; i < kActions; ++i)
            bind(device, i, usual(device, i));
}

std::optional<TranslatedKey> KeyBindings::find(Device device, Input input) const {
    const auto& perAction = bound_[std::size_t(device)];
    for (std::size_t i = 0; i < kActions; ++i)
        if (std::find(perAction[i].begin(), perAction[i].end(), input) != perAction[i].end())
            return actions()[i].does;
    return std::nullopt;
}

const std::vector<Input>& KeyBindings::inputs(Device device, std::size_t action) const {
    return bound_[std::size_t(device)][action];
}

void KeyBindings::bind(Device device, std::size_t action, std::vector<Input> inputs) {
    bound_[std::size_t(device)][action] = std::move(inputs);
}

std::string KeyBindings::format() const {
    std::string out = "[touches]\n";
    for (Device device : {Device::Keyboard, Device::Gamepad})
        for (std::size_t i = 0; i < kActions; ++i)
            if (!inputs(device, i).empty())
                out += lineName(device, i) + " = " + join(device, inputs(device, i)) + '\n';
    return out;
}

std::string lineName(Device device, std::size_t action) {
    const std::string name(KeyBindings::actions()[action].name);
    return device == Device::Gamepad ? std::string(kGamepadPrefix) + name : name;
}

std::string inputName(Device device, Input input) {
    if (device == Device::Gamepad)
        return SDL_GameControllerGetStringForButton(SDL_GameControllerButton(input.code));
    return (input.alt ? "Alt+" : "") + std::string(SDL_GetKeyName(input.code));
}

std::optional<Input> inputNamed(Device device, std::string_view name) {
    if (device == Device::Keyboard) return keyNamed(name);
    const auto b = SDL_GameControllerGetButtonFromString(std::string(name).c_str());
    if (b == SDL_CONTROLLER_BUTTON_INVALID) return std::nullopt;
    return button(b);
}

ReadBindings readBindings(const std::vector<SettingLine>& lines) {
    ReadBindings read;
    std::vector<Taken> taken;
    for (const auto& [name, value] : lines) {
        const std::string line = name + " = " + value;
        const auto action = actionNamed(name);
        if (!action) {
            read.warnings.push_back("[touches] " + line + ": no action is named \"" + name + '"');
            continue;
        }
        const Device device = action->first;
        const std::size_t index = action->second;
        const auto same = [&](const Taken& t) { return t.device == device && t.action == index; };
        if (std::any_of(taken.begin(), taken.end(), same)) {
            read.warnings.push_back("[touches] " + line + ": " + name +
                                    " is given twice; its first line stands");
            continue;
        }
        auto inputs = inputsOf(device, value);
        if (auto* why = std::get_if<std::string>(&inputs)) {
            read.warnings.push_back(refusal(line, *why, device, index));
            continue;
        }
        read.bindings.bind(device, index, std::get<Inputs>(std::move(inputs)));
        taken.push_back({device, index, line});
    }
    refuseClashes(taken, read);
    return read;
}
