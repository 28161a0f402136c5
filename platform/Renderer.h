// Turns the game's draw list into pixels: the play area scaled uniformly into the
// output and centred with black bars, text laid out at the play area's own size and
// set at the scaled size, pictures scaled nearest-neighbour. Between frames it redraws
// only what changed.
#pragma once
#include "Damage.h"
#include "TextLayout.h"
#include "shell/DrawList.h"

#include <SDL.h>
#include <SDL_ttf.h>

#include <array>
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

// The play area's size in pixels at 1x (751 x 600), which every scale multiplies.
inline constexpr int kPlayWidthPx = kPlayArea.width / 15;
inline constexpr int kPlayHeightPx = kPlayArea.height / 15;

// Where the play area lands in an output of a given size.
struct Viewport {
    double scale; // output pixels per play-area pixel
    int offsetX, offsetY;

    static Viewport fit(int outputWidth, int outputHeight);
    int x(int twipsX) const;
    int y(int twipsY) const;
    // Converts each edge, so elements that touch in twips touch on screen.
    SDL_Rect rect(const TwipRect& r) const;
    // What an item with this clip may cover: never more than the play area.
    SDL_Rect clip(const TwipRect& r) const;
};

class Renderer {
  public:
    explicit Renderer(SDL_Renderer* renderer);
    ~Renderer();
    Renderer(const Renderer&) = delete;
    Renderer& operator=(const Renderer&) = delete;

    // Brings the output from the list drawn last to `items`, drawing only the rectangles
    // that differ; everything after forget() or when the output's size has changed.
    // Returns the rectangles drawn, in output pixels: none when nothing changed.
    const std::vector<SDL_Rect>& update(const std::vector<DrawItem>& items);
    // The output's pixels are lost (a new window surface, a reset device).
    void forget() { valid_ = false; }

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
    // A texture and where it lands.
    struct Placed {
        SDL_Texture* texture;
        SDL_Rect where;
    };

    // The output's size and where the play area lands in it.
    Viewport prepare();
    // Every item within `area`, drawn over black bars.
    void paint(const DrawnList& list, const Viewport& view, const SDL_Rect& area);
    bool hides(const DrawItem& item, const SDL_Rect& reach, const SDL_Rect& area,
               const Viewport& view);
    void drawItem(const DrawItem& item, const Viewport& view);
    SDL_Rect reachOf(const DrawItem& item, const Viewport& view);
    std::vector<Placed> placeText(const DrawItem& item, const Viewport& view);
    // One line centred both ways in its box, never wrapped.
    Placed placeCellText(const DrawItem& item, const SDL_Rect& box);
    bool pictureShows(const DrawItem& item) const;
    // A text's lines at the play area's own size: their words and widths.
    struct SetLine {
        std::vector<PlacedWord> words;
        int width;
    };
    const std::vector<SetLine>& layout(const std::string& text, int widthTwips);
    void useFontSize(int pixels);
    SDL_Texture* textTexture(const std::string& text); // one word, or a cell's text
    SDL_Texture* narrowedText(const std::string& text, int w, int h);
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
    DrawnList shown_;
    SDL_Rect output_{0, 0, 0, 0};
    bool valid_ = false;
    std::vector<SDL_Rect> drawn_;
};
