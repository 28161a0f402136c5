// What the window shows, as a plain list of fills, pictures and texts in stacking
// order (bottom first), in window twips. Only the platform turns it into pixels.
#pragma once
#include "Align.h"
#include "Art.h"
#include "Color.h"

#include <string>
#include <vector>

struct TwipRect {
    int left = 0, top = 0, width = 0, height = 0;
    int right() const { return left + width; }
    int bottom() const { return top + height; }
    friend bool operator==(const TwipRect&, const TwipRect&) = default;
};

struct DrawItem {
    enum class Kind : std::uint8_t { Fill, Picture, Text };
    Kind kind = Kind::Fill;
    TwipRect box;  // where it is drawn
    TwipRect clip; // what it may cover: its panel, or the whole window
    Color color;   // fill colour or text colour
    Art art = Art::None;
    std::string text; // wrapped within box.width
    Align alignment = Align::Left;
    friend bool operator==(const DrawItem&, const DrawItem&) = default;
};

// The area of the window the player sees: the rest is always masked.
inline constexpr TwipRect kPlayArea{375, 0, 11640 - 375, 9000};

struct Controls;

std::vector<DrawItem> buildDrawList(const Controls& window);
