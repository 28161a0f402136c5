// The typeface every caption is set in, and its size at the play area's own scale.
#pragma once

inline constexpr const char* kFontFile =
    "/usr/share/fonts/truetype/liberation2/LiberationSans-Bold.ttf";
inline constexpr int kFontPixels = 22;
