// The typeface every caption is set in, its size and its line spacing at the play area's own
// scale (1 px = 15 twips); at other scales all three numbers scale together.
//
// DejaVu Sans Bold at 23 px is the size where the menu and the messages land where the screen
// layout expects them: "AIDE:" clears the menu's vertical rule, "R=", "V=" and "B=" end just
// before their value boxes, the longest messages take three lines and the help text nine.
// Lines are 32 px apart (480 twips, the distance between the menu's colour value rows), which
// is more than the face's own line skip.
#pragma once

inline constexpr const char* kFontFile = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf";
inline constexpr int kFontPixels = 23;
inline constexpr int kLinePixels = 32;
