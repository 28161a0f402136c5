// The game's artwork and typography: every picture file agrees with the art table, every caption
// fits its label in the chosen typeface, and the art tool rebuilds the pictures exactly.
#include "frontend/NameEntry.h"
#include "platform/TextLayout.h"
#include "platform/Typeface.h"
#include "shell/FrmIntro.h"

#include <SDL_image.h>
#include <SDL_ttf.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <set>
#include <sstream>

namespace {
namespace fs = std::filesystem;

const fs::path kAssets = fs::path(EPEE_SOURCE_DIR) / "assets";

std::string readBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Pixels not of the colour key, if any. GIFs load as 8-bit surfaces, one palette index a pixel.
int opaquePixels(SDL_Surface* s, std::optional<Uint32> key) {
    int count = 0;
    SDL_LockSurface(s);
    for (int y = 0; y < s->h; ++y)
        for (int x = 0; x < s->w; ++x)
            count += static_cast<const Uint8*>(s->pixels)[y * s->pitch + x] != key;
    SDL_UnlockSurface(s);
    return count;
}
} // namespace

TEST(Pictures, EveryFileAgreesWithTheArtTable) {
    for (Art art : allArt()) {
        const ArtInfo& info = artInfo(art);
        SCOPED_TRACE(info.file);
        SDL_Surface* pic = IMG_Load((kAssets / info.file).string().c_str());
        ASSERT_NE(pic, nullptr) << IMG_GetError();
        ASSERT_EQ(pic->format->BytesPerPixel, 1);
        EXPECT_EQ(std::pair(pic->w, pic->h), std::pair(info.width, info.height));
        Uint32 key = 0;
        const bool keyed = SDL_GetColorKey(pic, &key) == 0;
        EXPECT_EQ(keyed, info.transparent);
        // Every picture shows something; a see-through one also lets the background through.
        const int shown = opaquePixels(pic, keyed ? std::optional(key) : std::nullopt);
        EXPECT_GT(shown, 0);
        EXPECT_EQ(shown < info.width * info.height, info.transparent);
        SDL_FreeSurface(pic);
    }
    // The facings are the hero's first four looks; all eight looks differ.
    auto bytes = [](Art art) { return readBytes(kAssets / artInfo(art).file); };
    for (auto [facing, look] :
         {std::pair{Art::Haut, 1}, {Art::Bas, 2}, {Art::Gauche, 3}, {Art::Droit, 4}})
        EXPECT_EQ(bytes(facing), bytes(persoArt(look))) << look;
    std::set<std::string> looks;
    for (int i = 1; i <= 8; ++i)
        looks.insert(bytes(persoArt(i)));
    EXPECT_EQ(looks.size(), 8u);
}

namespace {
void forEachLabel(const std::vector<const Element*>& elements,
                  const std::function<void(const Label&)>& check) {
    for (const Element* e : elements) {
        if (const auto* label = dynamic_cast<const Label*>(e)) check(*label);
        if (const auto* panel = dynamic_cast<const Panel*>(e)) forEachLabel(panel->children, check);
    }
}

// The typeface at a scale of the play area's own size.
struct Typeface {
    explicit Typeface(int scale)
        : scale(scale), font((TTF_Init(), TTF_OpenFont(kFontFile, kFontPixels * scale))) {}
    ~Typeface() {
        TTF_CloseFont(font);
        TTF_Quit();
    }
    int pixels(int twips) const { return twips / 15 * scale; }
    int lineOf(int twipsDown) const { return pixels(twipsDown) / (kLinePixels * scale); }
    int width(const std::string& text) const { return textWidth(font, text); }

    // Every word fits the width, so none is cut, and the wrapped lines fit the height.
    void expectFits(const std::string& text, int widthTwips, int heightTwips) const {
        std::istringstream words(text);
        for (std::string w; words >> w;)
            EXPECT_LE(width(w), pixels(widthTwips)) << w;
        const int lines = static_cast<int>(wrapText(font, text, pixels(widthTwips)).size());
        EXPECT_LE((lines - 1) * kLinePixels * scale + TTF_FontHeight(font), pixels(heightTwips))
            << text;
    }

    int scale;
    TTF_Font* font;
};
} // namespace

TEST(Typography, EveryCaptionFitsItsLabelAndTheMenuLinesUpWithItsRuleAndValues) {
    FrmIntro w;
    openNameEntry(w);
    for (int scale : {1, 2}) {
        SCOPED_TRACE("scale " + std::to_string(scale));
        const Typeface t(scale);
        ASSERT_NE(t.font, nullptr) << TTF_GetError();
        forEachLabel(w.stacking, [&](const Label& label) {
            if (&label != &w.lblNom(7)) t.expectFits(label.caption, label.width, label.height);
        });
        for (const CellText& cell : w.lblNom(7).cells) // "FIN" is drawn narrower to fit its cell
            if (cell.text.size() == 1) t.expectFits(cell.text, cell.width, cell.height);
        // The two longest messages: the mage's takes three lines.
        for (const char* text :
             {"Hero  : C'est la place idéale pour rammasser de l'eau. Seulement, il me faudrait "
              "un sceau pour la rammasser.",
              "Mage: Je suis le magicien Oldavir. Prenez cette clé, elle vous sera utile pour "
              "ouvrir le coffre bloqué par un buisson."})
            t.expectFits(text, w.lblMessage.width, w.lblMessage.height);
        for (Uint32 c : {U'é', U'è', U'ê', U'É', U'à', U'î', U'ç', U'ù', U'<', U'>'})
            EXPECT_TRUE(TTF_GlyphIsProvided32(t.font, c)) << c;

        // The body label starts at x 120 of the panel; the rule covers x 3600 to 3735.
        const int aide = t.width(" INVENTAIRE:         ");
        EXPECT_LE(t.width(" INVENTAIRE:"), t.pixels(3600 - 120));
        EXPECT_GE(aide, t.pixels(3735 - 120));
        EXPECT_LE(aide + t.width("AIDE:"), t.pixels(11055));
        const Label &caption = w.lblAide(4), &r = w.lblAide(6), &v = w.lblAide(7),
                    &b = w.lblAide(8);
        const auto lines = wrapText(t.font, caption.caption, t.pixels(caption.width));
        ASSERT_EQ(lines.size(), t.lineOf(b.top - caption.top) + 1u);
        EXPECT_EQ(lines[t.lineOf(r.top - caption.top)], "R=         V=");
        EXPECT_EQ(lines[t.lineOf(b.top - caption.top)], "B=");
        // Each "=" ends before its value and no more than a small gap away: where the ink of
        // the last glyph ends, from the start of the line.
        int minx = 0, maxx = 0, miny = 0, maxy = 0, advance = 0;
        TTF_GlyphMetrics32(t.font, '=', &minx, &maxx, &miny, &maxy, &advance);
        for (const auto& [text, value] : {std::pair{"R=", &r}, {"R=         V=", &v}, {"B=", &b}}) {
            const int inkEnd = t.width(text) - advance + maxx;
            EXPECT_LE(inkEnd, t.pixels(value->left - caption.left)) << text;
            EXPECT_GE(inkEnd, t.pixels(value->left - caption.left - 180)) << text;
        }
    }
}

#ifdef EPEE_ARTGEN_PATH

namespace {
// Runs the art tool from `sources` into a fresh folder; returns its exit status and its log.
std::pair<int, std::string> runArtgen(const fs::path& sources, const fs::path& out) {
    fs::remove_all(out);
    fs::create_directories(out);
    const std::string command = std::string("\"") + EPEE_ARTGEN_PATH + "\" \"" + sources.string() +
                                "\" \"" + out.string() + "\" >\"" + (out / "log").string() +
                                "\" 2>&1";
    const int status = std::system(command.c_str());
    return {status, readBytes(out / "log")};
}
} // namespace

TEST(ArtTool, RebuildsEveryShippedPictureByteForByteAndRejectsABrokenSource) {
    const fs::path out = fs::temp_directory_path() / "epee-art-out";
    const auto [status, log] = runArtgen(kAssets / "src", out);
    ASSERT_EQ(status, 0) << log;
    for (const auto& entry : fs::recursive_directory_iterator(kAssets))
        if (entry.is_regular_file() && entry.path().extension() != ".txt") {
            const fs::path file = fs::relative(entry.path(), kAssets);
            EXPECT_EQ(readBytes(out / file), readBytes(entry.path())) << file;
        }

    // A broken source stops the tool, which names the file and line.
    const fs::path src = fs::temp_directory_path() / "epee-art-src";
    fs::remove_all(src);
    fs::create_directories(src);
    std::ofstream(src / "ok.txt") << "size 2 1\ncolour a 102030\npixels\naa\n";
    const std::pair<const char*, const char*> broken[] = {
        {"size 3 2\ntransparent .\ncolour a ff0000\npixels\n.a.\naa\n", "bad.txt:6"},
        {"size 1 1\ncolour a ff00\npixels\na\n", "bad.txt:2"},
        {"same missing\n", "missing"}};
    for (const auto& [source, named] : broken) {
        std::ofstream(src / "bad.txt") << source;
        const auto [failed, message] = runArtgen(src, out);
        EXPECT_NE(failed, 0) << named;
        EXPECT_NE(message.find(named), std::string::npos) << message;
    }
    fs::remove_all(src);
    fs::remove_all(out);
}

#endif
