// The typeface every caption is set in, its size and its line spacing at the play area's own
// scale (1 px = 15 twips), and its size at other scales.
//
// DejaVu Sans Bold at 23 px is the size where the menu and the messages land where the screen
// layout expects them: "AIDE:" clears the menu's vertical rule, the colour sentence fills five
// lines so that "R=", "V=" and "B=" end just before their value boxes, the longest messages
// take three lines and the help text nine. Lines are 32 px apart (480 twips, the distance
// between the menu's colour value rows), which is more than the face's own line skip.
#pragma once

inline constexpr int kFontPixels = 23;
inline constexpr int kLinePixels = 32;

// Captions are laid out once, at the play area's own size, and that layout is scaled: the
// same words share a line at every scale. The face is then set at the largest whole size not
// above the scaled one, so that no word outgrows its place, where it would slide under the
// value box or the rule beside it.
inline int fontPixelsAt(double scale) {
    const int pixels = int(kFontPixels * scale + 1e-6);
    return pixels > 0 ? pixels : 1;
}
