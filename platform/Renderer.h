// Turns the game's draw list into pixels: the play area scaled uniformly into the
// output and centred with black bars, text set at the scaled size, pictures
// scaled nearest-neighbour.
#pragma once
#include "shell/DrawList.h"

#include <SDL.h>
#include <SDL_ttf.h>

#include <array>
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

// Where the play area lands in an output of a given size.
struct Viewport {
    double scale; // output pixels per play-area pixel
    int offsetX, offsetY;

    static Viewport fit(int outputWidth, int outputHeight);
    int x(int twipsX) const;
    int y(int twipsY) const;
    // Converts each edge, so elements that touch in twips touch on screen.
    SDL_Rect rect(const TwipRect& r) const;
};

class Renderer {
  public:
    explicit Renderer(SDL_Renderer* renderer);
    ~Renderer();
    Renderer(const Renderer&) = delete;
    Renderer& operator=(const Renderer&) = delete;

    void draw(const std::vector<DrawItem>& items);

    // The typeface at the current scale; for measuring.
    TTF_Font* font() const { return font_; }

  private:
    void fill(const DrawItem& item, const Viewport& view);
    void picture(const DrawItem& item, const Viewport& view);
    void text(const DrawItem& item, const Viewport& view);
    // One line centred both ways in its box, never wrapped.
    void cellText(const DrawItem& item, const SDL_Rect& box);
    void useFontSize(int pixels);
    SDL_Texture* lineTexture(const std::string& line);
    void clipTo(const TwipRect& clip, const Viewport& view);
    SDL_Surface* decodedArt(Art art);
    SDL_Texture* sizedArt(Art art, int w, int h);
    void forgetSizedArt();

    SDL_Renderer* renderer_;
    SDL_RWops* fontData_ = nullptr;
    TTF_Font* font_ = nullptr;
    int fontPixels_ = 0;
    std::array<SDL_Surface*, static_cast<int>(Art::Count)> art_{};
    std::array<bool, static_cast<int>(Art::Count)> decoded_{};
    std::unordered_map<std::uint64_t, SDL_Texture*> sized_; // by picture and size
    std::unordered_map<std::string, SDL_Texture*> lines_;
    std::unordered_map<std::string, std::vector<std::string>> wrapped_;
};
