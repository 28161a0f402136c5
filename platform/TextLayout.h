// Breaks a caption into lines at word boundaries within a width, the way labels
// show their text: spaces inside a line are kept, a line never begins with the
// spaces of a break, and a word longer than the width is cut.
#pragma once
#include <SDL_ttf.h>

#include <string>
#include <vector>

std::vector<std::string> wrapText(TTF_Font* font, const std::string& text, int widthPx);

int textWidth(TTF_Font* font, const std::string& text);
