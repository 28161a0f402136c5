// The words every floor of the game shares: its integer, its time and the key codes.
#pragma once
#include <cstdint>

using int16 = std::int16_t;
// Microseconds on the game's clock.
using Micros = std::int64_t;

// Key codes the game understands (the window system's virtual keys).
namespace Key {
inline constexpr int16 Enter = 13;
inline constexpr int16 Esc = 27;
inline constexpr int16 Space = 32;
inline constexpr int16 Left = 37;
inline constexpr int16 Up = 38;
inline constexpr int16 Right = 39;
inline constexpr int16 Down = 40;
inline constexpr int16 B = 66;
inline constexpr int16 M = 77;
inline constexpr int16 R = 82;
inline constexpr int16 V = 86;
// Any other key reaches the game with this code and changes nothing.
inline constexpr int16 Other = 255;
} // namespace Key
