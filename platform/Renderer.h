// Turns the game's draw list into pixels: the play area scaled uniformly into the
// output and centred with black bars, text laid out at the play area's own size and
// set at the scaled size, pictures scaled nearest-neighbour.
#pragma once
#include "TextLayout.h"
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

    // A word of a text as it lands on the screen: the top left of its line box there.
    struct SetWord {
        std::string text;
        int x, y, line;
    };
    // Where the words of a wrapped text land at a scale; sets the typeface to that scale.
    std::vector<SetWord> typeset(const DrawItem& item, const Viewport& view);

    // The typeface at the current scale; for measuring.
    TTF_Font* font() const { return font_; }

  private:
    void fill(const DrawItem& item, const Viewport& view);
    void picture(const DrawItem& item, const Viewport& view);
    void text(const DrawItem& item, const Viewport& view);
    // One line centred both ways in its box, never wrapped.
    void cellText(const DrawItem& item, const SDL_Rect& box);
    // A text's lines at the play area's own size: their words and widths.
    struct SetLine {
        std::vector<PlacedWord> words;
        int width;
    };
    const std::vector<SetLine>& layout(const std::string& text, int widthTwips);
    void useFontSize(int pixels);
    SDL_Texture* textTexture(const std::string& text); // one word, or a cell's text
    void clipTo(const TwipRect& clip, const Viewport& view);
    SDL_Surface* decodedArt(Art art);
    SDL_Texture* sizedArt(Art art, int w, int h);
    void forgetSizedArt();

    SDL_Renderer* renderer_;
    SDL_RWops* layoutFontData_ = nullptr;
    TTF_Font* layoutFont_ = nullptr; // always at the play area's own size
    SDL_RWops* fontData_ = nullptr;
    TTF_Font* font_ = nullptr;
    int fontPixels_ = 0;
    std::array<SDL_Surface*, static_cast<int>(Art::Count)> art_{};
    std::array<bool, static_cast<int>(Art::Count)> decoded_{};
    std::unordered_map<std::uint64_t, SDL_Texture*> sized_; // by picture and size
    std::unordered_map<std::string, SDL_Texture*> texts_;
    std::unordered_map<std::string, std::vector<SetLine>> layouts_; // by width and text
};
