// Parser of the picture sources. Format, one directive per line ('#' starts a comment):
//   size W H            picture size in pixels
//   transparent C       character C marks see-through pixels
//   colour C RRGGBB     character C is that colour (hex)
//   same NAME           this picture is a copy of picture NAME (nothing else needed)
//   pixels              followed by exactly H lines of exactly W characters
#include "PictureSource.h"

#include <algorithm>
#include <fstream>
#include <map>
#include <sstream>
#include <stdexcept>

namespace artgen {
namespace {

[[noreturn]] void fail(const std::string& name, int line, const std::string& why) {
    throw std::runtime_error(name + ".txt:" + std::to_string(line) + ": " + why);
}

Colour parseHex(const std::string& name, int line, const std::string& hex) {
    if (hex.size() != 6 || hex.find_first_not_of("0123456789abcdefABCDEF") != std::string::npos)
        fail(name, line, "colour must be six hex digits, got '" + hex + "'");
    const unsigned long v = std::stoul(hex, nullptr, 16);
    return Colour{static_cast<std::uint8_t>(v >> 16), static_cast<std::uint8_t>(v >> 8),
                  static_cast<std::uint8_t>(v)};
}

} // namespace

Picture parsePicture(const std::string& name, const std::string& text, std::string* sameAs) {
    Picture pic;
    pic.name = name;
    std::map<char, std::uint8_t> index;
    char keyChar = 0;
    std::istringstream in(text);
    std::string raw;
    int lineNo = 0;
    int row = -1; // -1 until the "pixels" line
    while (std::getline(in, raw)) {
        ++lineNo;
        if (!raw.empty() && raw.back() == '\r') raw.pop_back();
        if (row >= 0) {
            if (row == pic.height) {
                if (!raw.empty()) fail(name, lineNo, "more rows than the size says");
                continue;
            }
            if (static_cast<int>(raw.size()) != pic.width)
                fail(name, lineNo,
                     "row has " + std::to_string(raw.size()) + " pixels, not " +
                         std::to_string(pic.width));
            for (char c : raw) {
                auto it = index.find(c);
                if (it == index.end())
                    fail(name, lineNo, std::string("unknown colour '") + c + "'");
                pic.pixels.push_back(it->second);
            }
            ++row;
            continue;
        }
        std::istringstream words(raw);
        std::string word;
        if (!(words >> word) || word[0] == '#') continue;
        if (word == "size") {
            if (!(words >> pic.width >> pic.height) || pic.width <= 0 || pic.height <= 0)
                fail(name, lineNo, "size needs a positive width and height");
        } else if (word == "transparent") {
            std::string c;
            if (!(words >> c) || c.size() != 1 || !index.empty())
                fail(name, lineNo, "transparent needs one character, before any colour");
            keyChar = c[0];
            pic.transparent = true;
            // The see-through entry's own colour never shows; magenta makes a slip obvious.
            pic.palette.push_back(Colour{255, 0, 255});
            index[keyChar] = 0;
        } else if (word == "colour") {
            std::string c, hex;
            if (!(words >> c >> hex) || c.size() != 1) fail(name, lineNo, "colour needs C RRGGBB");
            if (index.count(c[0])) fail(name, lineNo, "colour '" + c + "' given twice");
            if (pic.palette.size() == 256) fail(name, lineNo, "more than 256 colours");
            index[c[0]] = static_cast<std::uint8_t>(pic.palette.size());
            pic.palette.push_back(parseHex(name, lineNo, hex));
        } else if (word == "same") {
            if (!(words >> *sameAs)) fail(name, lineNo, "same needs a picture name");
            return pic;
        } else if (word == "pixels") {
            if (pic.width == 0) fail(name, lineNo, "pixels before size");
            row = 0;
        } else {
            fail(name, lineNo, "unknown directive '" + word + "'");
        }
    }
    if (row < pic.height) fail(name, lineNo, "fewer rows than the size says");
    return pic;
}

std::vector<Picture> readPictureSources(const std::filesystem::path& dir) {
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(dir))
        if (entry.is_regular_file() && entry.path().extension() == ".txt")
            files.push_back(entry.path());
    // Directory order differs between file systems; sorting keeps the output reproducible.
    std::sort(files.begin(), files.end());

    std::vector<Picture> pictures;
    std::vector<std::pair<std::size_t, std::string>> copies;
    for (const auto& file : files) {
        std::ifstream in(file, std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        std::string sameAs;
        pictures.push_back(parsePicture(file.stem().string(), text.str(), &sameAs));
        if (!sameAs.empty()) copies.emplace_back(pictures.size() - 1, sameAs);
    }
    for (const auto& [at, original] : copies) {
        auto it = std::find_if(pictures.begin(), pictures.end(),
                               [&](const Picture& p) { return p.name == original; });
        if (it == pictures.end() || it->pixels.empty())
            throw std::runtime_error(pictures[at].name + ".txt: no drawn picture '" + original +
                                     "' to copy");
        const std::string name = pictures[at].name;
        pictures[at] = *it;
        pictures[at].name = name;
    }
    return pictures;
}

} // namespace artgen
