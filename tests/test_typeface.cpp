// The typeface built into the game is cut to the characters of its texts: every text the
// game can show must still find its glyphs there, and look as it did with the full face.
#include "Recorded.h"
#include "platform/EmbeddedFiles.h"
#include "platform/Typeface.h"
#include "shell/DrawList.h"

#include <SDL.h>
#include <SDL_ttf.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

namespace fs = std::filesystem;

namespace {
// What the screens show through the recorded games, from the title to the victory.
std::set<std::string> textsOnScreen() {
    std::set<std::string> texts;
    for (const std::string& name : recordedNames()) {
        ReplaySession session(false);
        for (const ReplayEvent& event : recordedGame(name)) {
            session.play(event);
            for (const DrawItem& item : buildDrawList(session.game()))
                if (item.kind == DrawItem::Kind::Text) texts.insert(item.text);
        }
    }
    return texts;
}

// The body of every string literal in one source, comments passed over: the captions and
// messages the recorded games do not reach are there too.
void addLiterals(const std::string& code, std::set<std::string>& texts) {
    for (std::size_t i = 0; i < code.size(); ++i) {
        if (code.compare(i, 2, "//") == 0) {
            i = code.find('\n', i);
            if (i == std::string::npos) return;
        } else if (code.compare(i, 2, "/*") == 0) {
            i = code.find("*/", i + 2);
            if (i == std::string::npos) return;
            ++i;
        } else if (code[i] == '"' || code[i] == '\'') {
            std::string body;
            const char quote = code[i];
            for (++i; i < code.size() && code[i] != quote; ++i)
                body += code[i] == '\\' ? code[++i] : code[i];
            texts.insert(body);
        }
    }
}

std::set<std::string> everyText() {
    std::set<std::string> texts = textsOnScreen();
    for (const char* folder : {"shell", "frontend", "world", "gameplay"})
        for (const auto& entry : fs::directory_iterator(fs::path(EPEE_SOURCE_DIR) / folder)) {
            std::ifstream in(entry.path());
            std::stringstream code;
            code << in.rdbuf();
            addLiterals(code.str(), texts);
        }
    texts.insert("0123456789"); // the colour values of the menu
    return texts;
}

std::u32string codePoints(const std::string& utf8) {
    const char* utf32 = SDL_BYTEORDER == SDL_LIL_ENDIAN ? "UTF-32LE" : "UTF-32BE";
    char* ucs4 = SDL_iconv_string(utf32, "UTF-8", utf8.c_str(), utf8.size() + 1);
    std::u32string out(reinterpret_cast<const char32_t*>(ucs4));
    SDL_free(ucs4);
    return out;
}

using Font = std::unique_ptr<TTF_Font, void (*)(TTF_Font*)>;

// A face as the game's renderer sets it, at the size of the play area scaled by `scale`.
Font openFace(SDL_RWops* data, double scale) {
    TTF_Font* font = TTF_OpenFontRW(data, 1, fontPixelsAt(scale));
    if (font) TTF_SetFontHinting(font, TTF_HINTING_LIGHT);
    return {font, TTF_CloseFont};
}

Font builtInFace(double scale) {
    auto bytes = embeddedFile("font.ttf");
    return openFace(SDL_RWFromConstMem(bytes.data(), int(bytes.size())), scale);
}

// The pixels of a line of text, row by row, or nothing when it cannot be drawn.
std::vector<Uint32> drawn(TTF_Font* font, const std::string& text, int& width) {
    SDL_Surface* s = TTF_RenderUTF8_Blended(font, text.c_str(), {255, 255, 255, 255});
    std::vector<Uint32> pixels;
    width = s ? s->w : 0;
    for (int y = 0; s && y < s->h; ++y) {
        const auto* row =
            reinterpret_cast<const Uint32*>(static_cast<Uint8*>(s->pixels) + y * s->pitch);
        pixels.insert(pixels.end(), row, row + s->w);
    }
    SDL_FreeSurface(s);
    return pixels;
}

struct TypefaceTest : ::testing::Test {
    void SetUp() override { ASSERT_EQ(TTF_Init(), 0); }
    void TearDown() override { TTF_Quit(); }
};
} // namespace

TEST_F(TypefaceTest, EveryTextTheGameCanShowHasItsGlyphsAtOneAndTwoTimes) {
    const std::set<std::string> texts = everyText();
    std::u32string used;
    for (const std::string& text : texts)
        used += codePoints(text);
    // The accents of the title and the messages are among them.
    for (char32_t c : std::u32string_view(U"ÉÊàèéêîù"))
        EXPECT_NE(used.find(c), std::u32string::npos) << "U+" << std::hex << int(c);
    for (double scale : {1.0, 2.0}) {
        Font font = builtInFace(scale);
        ASSERT_TRUE(font) << TTF_GetError();
        for (const std::string& text : texts)
            for (char32_t c : codePoints(text))
                EXPECT_TRUE(c < 0x20 || TTF_GlyphIsProvided32(font.get(), c))
                    << "U+" << std::hex << int(c) << " of \"" << text << "\" at " << scale << "x";
    }
}

TEST_F(TypefaceTest, TheCutFaceDrawsEveryTextOnScreenAsTheFullFace) {
    if (!fs::exists(EPEE_FONT_FILE)) GTEST_SKIP() << EPEE_FONT_FILE << " is not installed";
    const std::set<std::string> texts = textsOnScreen();
    ASSERT_GT(texts.size(), 20u);
    for (double scale : {1.0, 2.0}) {
        Font cut = builtInFace(scale), full = openFace(SDL_RWFromFile(EPEE_FONT_FILE, "rb"), scale);
        ASSERT_TRUE(cut && full) << TTF_GetError();
        EXPECT_EQ(TTF_FontHeight(cut.get()), TTF_FontHeight(full.get()));
        EXPECT_EQ(TTF_FontAscent(cut.get()), TTF_FontAscent(full.get()));
        for (const std::string& text : texts) {
            if (text.empty()) continue;
            int cutWidth = 0, fullWidth = 0;
            const auto cutPixels = drawn(cut.get(), text, cutWidth);
            EXPECT_TRUE(cutPixels == drawn(full.get(), text, fullWidth))
                << "\"" << text << "\" at " << scale << "x";
            EXPECT_EQ(cutWidth, fullWidth) << "\"" << text << "\" at " << scale << "x";
        }
    }
}
