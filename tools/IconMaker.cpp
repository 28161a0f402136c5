// Icon composition with SDL surfaces; SDL2_image does the PNG encoding.
#include "IconMaker.h"

#include <SDL2/SDL.h>
#include <SDL2/SDL_image.h>

#include <algorithm>
#include <fstream>
#include <memory>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace artgen {
namespace {

using SurfacePtr = std::unique_ptr<SDL_Surface, decltype(&SDL_FreeSurface)>;

// Desktop themes take PNGs at 48 to 256 pixels, an installed web page 192 and 512;
// Windows wants one .ico holding its own sizes.
constexpr int kPngSizes[] = {48, 128, 192, 256, 512};
constexpr int kIcoSizes[] = {16, 32, 48, 256};

void fill(SDL_Surface* s, int x, int y, int w, int h, Colour c) {
    SDL_Rect r{x, y, w, h};
    SDL_FillRect(s, &r, SDL_MapRGBA(s->format, c.r, c.g, c.b, 255));
}

SurfacePtr blankIcon(int size) {
    SurfacePtr icon(SDL_CreateRGBSurfaceWithFormat(0, size, size, 32, SDL_PIXELFORMAT_RGBA32),
                    &SDL_FreeSurface);
    if (!icon) throw std::runtime_error(std::string("icon surface: ") + SDL_GetError());
    return icon;
}

// The gold frame with a dark inner line, the same look as the menu's yellow rules, around
// a square of `inner` pixels at (`at`, `at`).
void frame(SDL_Surface* icon, int at, int inner, int border) {
    const int line = std::max(1, border / 3);
    const int outer = inner + 2 * border;
    at -= border;
    fill(icon, at, at, outer, outer, Colour{0x5a, 0x3c, 0x0a});
    fill(icon, at + line, at + line, outer - 2 * line, outer - 2 * line, Colour{0xf0, 0xc8, 0x30});
    fill(icon, at + border - line, at + border - line, inner + 2 * line, inner + 2 * line,
         Colour{0x5a, 0x3c, 0x0a});
    fill(icon, at + border, at + border, inner, inner, Colour{0x10, 0x10, 0x40});
}

// The picture in the square of `inner` pixels at (`at`, `at`). Whole-number enlargement
// keeps the pixel art crisp; at the smallest sizes the picture's centre is shown instead
// of squeezing it.
void drawPicture(SDL_Surface* icon, const Picture& picture, int at, int inner) {
    const int scale = std::max(1, inner / picture.width);
    const int shown = std::min(inner / scale, picture.width);
    const int skip = (picture.width - shown) / 2;
    const int origin = at + (inner - shown * scale) / 2;
    auto* px = static_cast<Uint32*>(icon->pixels);
    const int pitch = icon->pitch / 4;
    for (int y = 0; y < shown; ++y)
        for (int x = 0; x < shown; ++x) {
            const auto index = picture.pixels[(y + skip) * picture.width + x + skip];
            if (picture.transparent && index == 0) continue;
            const Colour c = picture.palette[index];
            const Uint32 value = SDL_MapRGBA(icon->format, c.r, c.g, c.b, 255);
            for (int dy = 0; dy < scale; ++dy)
                for (int dx = 0; dx < scale; ++dx)
                    px[(origin + y * scale + dy) * pitch + origin + x * scale + dx] = value;
        }
}

SurfacePtr makeIcon(const Picture& picture, int size) {
    SurfacePtr icon = blankIcon(size);
    const int border = std::max(3, size / 12);
    frame(icon.get(), border, size - 2 * border, border);
    drawPicture(icon.get(), picture, border, size - 2 * border);
    return icon;
}

// A phone crops an installed page's "maskable" icon to its own shape, a circle at worst,
// keeping only the middle 80%: the framed picture stands inside that circle, on the
// frame's dark blue to the edges.
SurfacePtr makeMaskableIcon(const Picture& picture, int size) {
    SurfacePtr icon = blankIcon(size);
    fill(icon.get(), 0, 0, size, size, Colour{0x10, 0x10, 0x40});
    const int border = size / 24;
    const int inner = size * 5 / 10 - 2 * border;
    frame(icon.get(), (size - inner) / 2, inner, border);
    drawPicture(icon.get(), picture, (size - inner) / 2, inner);
    return icon;
}

std::string encodePng(SDL_Surface* icon) {
    // A PNG of an icon is never larger than its raw pixels plus headers.
    std::string png(size_t(icon->w) * icon->h * 4 * 2 + 4096, '\0');
    SDL_RWops* memory = SDL_RWFromMem(png.data(), int(png.size()));
    if (!memory || IMG_SavePNG_RW(icon, memory, 0) != 0)
        throw std::runtime_error(std::string("icon PNG: ") + IMG_GetError());
    png.resize(size_t(SDL_RWtell(memory)));
    SDL_RWclose(memory);
    return png;
}

void put16(std::string& out, unsigned value) {
    out += char(value & 0xff);
    out += char(value >> 8 & 0xff);
}

void put32(std::string& out, unsigned value) {
    put16(out, value & 0xffff);
    put16(out, value >> 16);
}

// An .ico file: a directory of entries, each a PNG (which every Windows since Vista reads).
std::string icoFile(const std::vector<std::pair<int, std::string>>& images) {
    std::string out;
    put16(out, 0);
    put16(out, 1);
    put16(out, unsigned(images.size()));
    size_t offset = 6 + 16 * images.size();
    for (const auto& [size, png] : images) {
        out += char(size % 256); // 256 is written as 0
        out += char(size % 256);
        put16(out, 0);
        put16(out, 1);
        put16(out, 32);
        put32(out, unsigned(png.size()));
        put32(out, unsigned(offset));
        offset += png.size();
    }
    for (const auto& image : images)
        out += image.second;
    return out;
}

void writeBytes(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
    if (!out) throw std::runtime_error(path.string() + ": cannot write");
}

} // namespace

void writeIcons(const Picture& picture, const std::filesystem::path& dir, const char* stem) {
    for (int size : kPngSizes) {
        const auto path = dir / (std::string(stem) + "-" + std::to_string(size) + ".png");
        writeBytes(path, encodePng(makeIcon(picture, size).get()));
    }
    writeBytes(dir / (std::string(stem) + "-maskable-512.png"),
               encodePng(makeMaskableIcon(picture, 512).get()));
    std::vector<std::pair<int, std::string>> images;
    for (int size : kIcoSizes)
        images.emplace_back(size, encodePng(makeIcon(picture, size).get()));
    writeBytes(dir / (std::string(stem) + ".ico"), icoFile(images));
}

} // namespace artgen
