// Feeds the settings reader whatever bytes a spoiled or hostile settings file may hold:
// it must never crash, and what it keeps must be sane enough to open a window with.
#include "platform/Settings.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const ReadSettings read =
        parseSettings(std::string_view(reinterpret_cast<const char*>(data), size));
    const Settings& s = read.settings;
    if (s.width.has_value() != s.height.has_value()) std::abort();
    if (s.width && (*s.width < 1 || *s.width > 16384 || *s.height < 1 || *s.height > 16384))
        std::abort();
    // What is kept reads back the same.
    const ReadSettings again = parseSettings(formatSettings(s));
    if (!again.problems.empty() || again.settings.width != s.width ||
        again.settings.fullscreen != s.fullscreen)
        std::abort();
    return 0;
}
