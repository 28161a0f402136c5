// Desktop icons made from the game's own art: one picture, enlarged pixel for pixel, inside a
// golden frame, saved as PNG at the usual icon sizes.
#pragma once

#include "PictureSource.h"

#include <filesystem>

namespace artgen {

// Writes <stem>-<size>.png into `dir` for each of 48, 128, 192, 256 and 512 pixels,
// <stem>-maskable-512.png for an installed web page, and <stem>.ico with 16, 32, 48 and
// 256 pixels for Windows.
void writeIcons(const Picture& picture, const std::filesystem::path& dir, const char* stem);

} // namespace artgen
