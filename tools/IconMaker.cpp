// Icon composition with SDL surfaces; SDL2_image does the PNG encoding.
#include "IconMaker.h"

#include <SDL2/SDL.h>
#include <SDL2/SDL_image.h>

#include <algorithm>
#include <memory>
#include <stdexcept>
#include <string>

namespace artgen {
namespace {

constexpr int kSizes[] = {48, 128, 256};

void fill(SDL_Surface* s, int x, int y, int w, int h, Colour c) {
    SDL_Rect r{x, y, w, h};
    SDL_FillRect(s, &r, SDL_MapRGBA(s->format, c.r, c.g, c.b, 255));
}

} // namespace

void writeIcons(const Picture& picture, const std::filesystem::path& dir, const char* stem) {
    for (int size : kSizes) {
        std::unique_ptr<SDL_Surface, decltype(&SDL_FreeSurface)> icon(
            SDL_CreateRGBSurfaceWithFormat(0, size, size, 32, SDL_PIXELFORMAT_RGBA32),
            &SDL_FreeSurface);
        if (!icon) throw std::runtime_error(std::string("icon surface: ") + SDL_GetError());

        // Gold frame with a dark inner line, the same look as the menu's yellow rules.
        const int border = std::max(3, size / 12);
        const int line = std::max(1, border / 3);
        fill(icon.get(), 0, 0, size, size, Colour{0x5a, 0x3c, 0x0a});
        fill(icon.get(), line, line, size - 2 * line, size - 2 * line, Colour{0xf0, 0xc8, 0x30});
        fill(icon.get(), border - line, border - line, size - 2 * (border - line),
             size - 2 * (border - line), Colour{0x5a, 0x3c, 0x0a});
        fill(icon.get(), border, border, size - 2 * border, size - 2 * border,
             Colour{0x10, 0x10, 0x40});

        // Whole-number enlargement keeps the pixel art crisp; at the smallest size the
        // picture's centre is shown instead of squeezing it.
        const int inner = size - 2 * border;
        const int scale = std::max(1, inner / picture.width);
        const int shown = std::min(inner / scale, picture.width);
        const int skip = (picture.width - shown) / 2;
        const int origin = border + (inner - shown * scale) / 2;
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

        const auto path = dir / (std::string(stem) + "-" + std::to_string(size) + ".png");
        if (IMG_SavePNG(icon.get(), path.string().c_str()) != 0)
            throw std::runtime_error(path.string() + ": " + IMG_GetError());
    }
}

} // namespace artgen
