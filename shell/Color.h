// Colours of the window and its elements, as 8-bit RGB components.
#pragma once
#include <algorithm>
#include <cstdint>

struct Color {
    std::uint8_t r = 0, g = 0, b = 0;
    friend bool operator==(const Color&, const Color&) = default;
};

// Builds a colour from computed components: anything above 255 shows as 255,
// and nothing below 0 can reach the screen either.
constexpr Color RGB(int r, int g, int b) {
    auto clamp = [](int v) { return static_cast<std::uint8_t>(std::clamp(v, 0, 255)); };
    return Color{clamp(r), clamp(g), clamp(b)};
}
