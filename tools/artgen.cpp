// artgen: turns the picture sources of assets/src into the GIFs the game loads, plus the
// desktop icons. Usage: artgen <source dir> <output dir>
#include "GifWriter.h"
#include "IconMaker.h"
#include "PictureSource.h"

#include <SDL2/SDL.h>

#include <algorithm>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>

namespace {

void writeFile(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    if (!out) throw std::runtime_error(path.string() + ": cannot write");
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <source dir> <output dir>\n", argv[0]);
        return 2;
    }
    try {
        const std::filesystem::path out = argv[2];
        const auto pictures = artgen::readPictureSources(argv[1]);
        std::filesystem::create_directories(out / "icons");
        for (const auto& picture : pictures)
            writeFile(out / (picture.name + ".gif"), artgen::encodeGif(picture));

        // The legendary sword is the game's emblem.
        auto sword = std::find_if(pictures.begin(), pictures.end(),
                                  [](const artgen::Picture& p) { return p.name == "epee"; });
        if (sword != pictures.end()) {
            if (SDL_Init(0) != 0) throw std::runtime_error(SDL_GetError());
            artgen::writeIcons(*sword, out / "icons", "epee");
            SDL_Quit();
        }
        std::printf("%zu pictures written to %s\n", pictures.size(), out.string().c_str());
        return 0;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "artgen: %s\n", e.what());
        return 1;
    }
}
