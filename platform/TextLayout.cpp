#include "TextLayout.h"

#include <algorithm>

namespace {
std::string trimRight(std::string s) {
    while (!s.empty() && s.back() == ' ')
        s.pop_back();
    return s;
}

// Start of the UTF-8 character before position i.
std::size_t previousChar(const std::string& s, std::size_t i) {
    do
        --i;
    while (i > 0 && (static_cast<unsigned char>(s[i]) & 0xC0) == 0x80);
    return i;
}

// The longest head of a word that fits, at least one character.
std::size_t cutWord(TTF_Font* font, const std::string& word, int widthPx) {
    std::size_t end = word.size();
    while (end > 0 && textWidth(font, word.substr(0, end)) > widthPx) {
        std::size_t prev = previousChar(word, end);
        if (prev == 0) break;
        end = prev;
    }
    return end;
}
} // namespace

int textWidth(TTF_Font* font, const std::string& text) {
    int w = 0, h = 0;
    if (text.empty() || TTF_SizeUTF8(font, text.c_str(), &w, &h) != 0) return 0;
    return w;
}

std::vector<std::string> wrapText(TTF_Font* font, const std::string& text, int widthPx) {
    std::vector<std::string> lines;
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::string line;
        std::size_t next = pos;
        while (next < text.size()) {
            std::size_t wordEnd = text.find(' ', text.find_first_not_of(' ', next));
            if (wordEnd == std::string::npos) wordEnd = text.size();
            std::string candidate = line + text.substr(next, wordEnd - next);
            if (!line.empty() && textWidth(font, trimRight(candidate)) > widthPx) break;
            line = std::move(candidate);
            next = wordEnd;
        }
        if (textWidth(font, trimRight(line)) > widthPx) {
            std::string word = line.substr(line.find_first_not_of(' '));
            std::size_t lead = line.size() - word.size();
            std::size_t cut = cutWord(font, word, widthPx);
            next = pos + lead + cut;
            line = line.substr(0, lead + cut);
        }
        lines.push_back(trimRight(line));
        pos = text.find_first_not_of(' ', next);
        if (pos == std::string::npos) break;
    }
    return lines;
}

std::vector<PlacedWord> placeWords(TTF_Font* font, const std::string& line) {
    std::vector<PlacedWord> words;
    for (std::size_t start = line.find_first_not_of(' '); start != std::string::npos;) {
        std::size_t end = std::min(line.find(' ', start), line.size());
        words.push_back({line.substr(start, end - start), textWidth(font, line.substr(0, start))});
        start = line.find_first_not_of(' ', end);
    }
    return words;
}
