// The one typeface every label of the game draws its text with.
//
// DejaVu Sans Bold at 23 px (1x) is the size where the menu headings, the colour settings and
// the longest messages all land where the screen layout expects them: "AIDE:" clears the
// menu's vertical rule, "R=", "V=" and "B=" end just before their value boxes, and the help
// text still fits in nine lines. Lines are 32 px apart (480 twips), which is the distance
// between the menu's colour value rows; everything scales by the same factor at 2x.
#pragma once

namespace epee {

inline constexpr const char* kFontPath = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf";
inline constexpr int kFontPixels = 23;
inline constexpr int kLinePixels = 32;

} // namespace epee
