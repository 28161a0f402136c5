// Reading the game's picture sources: small text files holding a palette and a grid of
// characters, one character per pixel, so the art can be reviewed and edited in any editor.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace artgen {

struct Colour {
    std::uint8_t r = 0, g = 0, b = 0;
};

// A picture as indices into its own palette. When `transparent` is set, index 0 is the
// see-through colour, so the game shows the area's background there.
struct Picture {
    std::string name;
    int width = 0;
    int height = 0;
    bool transparent = false;
    std::vector<Colour> palette;
    std::vector<std::uint8_t> pixels; // row by row, width * height
};

// Reads every "*.txt" of `dir` in name order; a source that says "same <other>" reuses the
// pixels of <other>. Throws std::runtime_error naming the file and line of any fault.
std::vector<Picture> readPictureSources(const std::filesystem::path& dir);

// Parses one source; `name` is the picture's file name without extension.
Picture parsePicture(const std::string& name, const std::string& text, std::string* sameAs);

} // namespace artgen
