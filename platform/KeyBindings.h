// The actions the player binds to keys and gamepad buttons: their names in the settings
// file's [touches] section, their defaults (the game's usual keys), and the reading of that
// section, which refuses whatever would leave an action unusable.
#pragma once
#include "KeyTranslation.h"
#include "Settings.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

enum class Device : std::uint8_t { Keyboard, Gamepad };

// A key (its SDL key code, and whether Alt is held with it) or a gamepad button.
struct Input {
    int code = 0;
    bool alt = false;
    friend bool operator==(const Input&, const Input&) = default;
};

struct PlayerAction {
    std::string_view name; // in the settings file, on the keyboard's lines
    TranslatedKey does;
};

class KeyBindings {
  public:
    static constexpr std::size_t kActions = 14;
    static constexpr std::size_t kMaxInputs = 3;
    static const std::array<PlayerAction, kActions>& actions();

    // The game's usual keys and buttons.
    KeyBindings();

    std::optional<TranslatedKey> find(Device device, Input input) const;
    const std::vector<Input>& inputs(Device device, std::size_t action) const;
    void bind(Device device, std::size_t action, std::vector<Input> inputs);
    // The bindings as the settings file's [touches] section writes them.
    std::string format() const;

  private:
    std::array<std::array<std::vector<Input>, kActions>, 2> bound_;
};

// An action's line name on a device: "haut" for the keyboard, "manette_haut" for gamepads.
std::string lineName(Device device, std::size_t action);
// "Up", "Alt+Return", "dpup": SDL's names, and Alt+ before a key held with Alt.
std::string inputName(Device device, Input input);
// The input of a name, in any case; nothing when SDL knows no such key or button.
std::optional<Input> inputNamed(Device device, std::string_view name);

struct ReadBindings {
    KeyBindings bindings;
    std::vector<std::string> warnings; // one line for each refused line, naming it
};

// The [touches] lines in order. A line that names no action, gives none or more than
// three keys, a key SDL does not know, the same key twice, or a key another action has is
// refused, and its action keeps its usual keys. When two lines want one key, the later one
// is refused; an action given twice keeps its first line.
ReadBindings readBindings(const std::vector<SettingLine>& lines);
