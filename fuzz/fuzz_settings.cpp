// Feeds the settings reader whatever bytes a spoiled or hostile settings file may hold:
// it must never crash, what it keeps must be sane enough to open a window with, and the
// keys it keeps must leave every action a key of its own.
#include "platform/KeyBindings.h"
#include "platform/Settings.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {
// Every action on the keyboard has one to three keys, no key does two things, and the
// bindings read back the same from what --keys prints.
void checkKeys(const KeyBindings& keys) {
    std::vector<Input> all;
    for (Device device : {Device::Keyboard, Device::Gamepad})
        for (std::size_t i = 0; i < KeyBindings::kActions; ++i) {
            const auto& inputs = keys.inputs(device, i);
            if (inputs.size() > KeyBindings::kMaxInputs) std::abort();
            if (device == Device::Keyboard && inputs.empty()) std::abort();
            for (const Input& input : inputs)
                if (keys.find(device, input) != KeyBindings::actions()[i].does) std::abort();
        }
    const ReadBindings again = readBindings(parseSettings(keys.format()).touches);
    if (!again.warnings.empty()) std::abort();
    for (Device device : {Device::Keyboard, Device::Gamepad})
        for (std::size_t i = 0; i < KeyBindings::kActions; ++i)
            if (again.bindings.inputs(device, i) != keys.inputs(device, i)) std::abort();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const ReadSettings read =
        parseSettings(std::string_view(reinterpret_cast<const char*>(data), size));
    const Settings& s = read.settings;
    if (s.width.has_value() != s.height.has_value()) std::abort();
    if (s.width && (*s.width < 1 || *s.width > 16384 || *s.height < 1 || *s.height > 16384))
        std::abort();
    // What is kept reads back the same, and saving the window keeps the player's keys.
    const std::string saved = keepOtherLines(formatSettings(s), *read.text);
    const ReadSettings again = parseSettings(saved);
    if (again.settings.width != s.width || again.settings.fullscreen != s.fullscreen ||
        again.touches != read.touches)
        std::abort();
    checkKeys(readBindings(read.touches).bindings);
    return 0;
}
