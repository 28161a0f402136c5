// Breaks a caption into lines at word boundaries within a width, the way labels
// show their text: spaces inside a line are kept, a line never begins with the
// spaces of a break, and a word longer than the width is cut. Also says where each
// word of a line starts.
#pragma once
#include <SDL_ttf.h>

#include <string>
#include <vector>

std::vector<std::string> wrapText(TTF_Font* font, const std::string& text, int widthPx);

int textWidth(TTF_Font* font, const std::string& text);

// A word of a line and where it starts, in pixels from the start of the line.
struct PlacedWord {
    std::string text;
    int x;
};

std::vector<PlacedWord> placeWords(TTF_Font* font, const std::string& line);
