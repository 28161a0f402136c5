// The game's artwork and typography: every picture file agrees with the art table, every caption
// fits its label in the chosen typeface on the rows the screen leaves for its lines, and the art
// tool rebuilds the pictures exactly.
#include "Canvas.h"
#include "game/FrmIntro.h"
#include "platform/Renderer.h"

#include <SDL_image.h>
#include <SDL_ttf.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
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

// A word as the player sees it on the screen: its ink across, its line's box down.
struct Ink {
    std::string text;
    int line;
    SDL_Rect box;
};

// The game's own renderer, on a surface nobody looks at, asked where captions land.
struct Typesetter {
    explicit Typesetter(int outputWidth, int outputHeight)
        : view(Viewport::fit(outputWidth, outputHeight)) {}

    static TwipRect placeOf(const Element& e) {
        TwipRect r{e.left, e.top, e.width, e.height};
        for (const Panel* p = e.parent; p; p = p->parent)
            r.left += p->left, r.top += p->top;
        return r;
    }
    SDL_Rect screen(const Element& e) const { return view.rect(placeOf(e)); }

    std::vector<Ink> set(const Label& label, const std::string& text) {
        DrawItem item;
        item.kind = DrawItem::Kind::Text;
        item.box = placeOf(label);
        item.text = text;
        item.alignment = label.alignment;
        std::vector<Ink> inks;
        for (const Renderer::SetWord& w : renderer.typeset(item, view)) {
            auto [left, right] = inkAcross(w.text);
            inks.push_back(
                {w.text, w.line, {w.x + left, w.y, right - left, TTF_FontHeight(renderer.font())}});
        }
        return inks;
    }
    std::vector<Ink> set(const Label& label) { return set(label, label.caption); }

    // The columns a word's glyphs cover, faint edges included.
    std::pair<int, int> inkAcross(const std::string& word) const {
        SDL_Surface* s =
            TTF_RenderUTF8_Blended(renderer.font(), word.c_str(), {255, 255, 255, 255});
        int left = s->w, right = 0;
        for (int y = 0; y < s->h; ++y)
            for (int x = 0; x < s->w; ++x)
                if (static_cast<const Uint32*>(s->pixels)[y * s->pitch / 4 + x] >> 24 > 24)
                    left = std::min(left, x), right = std::max(right, x + 1);
        SDL_FreeSurface(s);
        return {left, right};
    }

    Canvas canvas{8, 8};
    Renderer& renderer = canvas.renderer;
    Viewport view;
};

std::vector<std::string> wordsOf(const std::string& text) {
    std::istringstream in(text);
    return {std::istream_iterator<std::string>(in), std::istream_iterator<std::string>()};
}

std::vector<std::string> wordsOn(const std::vector<Ink>& inks, int line) {
    std::vector<std::string> words;
    for (const Ink& ink : inks)
        if (ink.line == line) words.push_back(ink.text);
    return words;
}

// Every word whole and in order, every line inside the label.
void expectWithin(const std::vector<Ink>& inks, const std::string& text, const SDL_Rect& label) {
    std::vector<std::string> set;
    for (const Ink& ink : inks) {
        set.push_back(ink.text);
        SDL_Rect both;
        SDL_UnionRect(&ink.box, &label, &both);
        EXPECT_TRUE(SDL_RectEquals(&both, &label)) << ink.text << " of " << text;
    }
    EXPECT_EQ(set, wordsOf(text));
}

// Lines are 480 twips apart, the distance between the menu's colour value rows, at every scale.
void expectLinesApart(const std::vector<Ink>& inks, const Typesetter& t, const Label& label) {
    const int top = Typesetter::placeOf(label).top;
    std::vector<int> tops, expected;
    for (const Ink& ink : inks)
        if (tops.size() <= std::size_t(ink.line)) {
            tops.push_back(ink.box.y);
            expected.push_back(t.view.y(top + ink.line * 480));
        }
    EXPECT_EQ(tops, expected) << "the rows of the lines of " << label.caption;
}
} // namespace

TEST(Typography, EveryCaptionFallsOnTheLinesItsLabelLeavesForItAtEveryScale) {
    FrmIntro w;
    const Label &colours = w.lblAide(4), &r = w.lblAide(6), &v = w.lblAide(7), &b = w.lblAide(8);
    const std::string sentence = colours.caption.substr(0, colours.caption.find(" R="));
    for (auto [width, height] : {std::pair{751, 600}, {1127, 900}, {1502, 1200}}) {
        Typesetter t(width, height);
        const double scale = t.view.scale;
        SCOPED_TRACE("scale " + std::to_string(scale));
        forEachLabel(w.stacking, [&](const Label& label) {
            if (label.caption.empty() || !label.cells.empty()) return;
            const auto inks = t.set(label);
            expectWithin(inks, label.caption, t.screen(label));
            expectLinesApart(inks, t, label);
        });

        // The sentence fills five lines; the names of the values share the lines of the values.
        const auto set = t.set(colours);
        const auto lineOf = [&](const Label& value) { return (value.top - colours.top) / 480; };
        EXPECT_EQ(set.back().line, lineOf(b));
        std::vector<std::string> sentenceWords;
        for (int line = 0; line < lineOf(r); ++line)
            for (const std::string& word : wordsOn(set, line))
                sentenceWords.push_back(word);
        EXPECT_EQ(sentenceWords, wordsOf(sentence));
        EXPECT_EQ(wordsOn(set, lineOf(r)), (std::vector<std::string>{"R=", "V="}));
        EXPECT_EQ(wordsOn(set, lineOf(b)), std::vector<std::string>{"B="});
        for (auto [name, value] : {std::pair{"R=", &r}, {"V=", &v}, {"B=", &b}}) {
            const SDL_Rect box = t.screen(*value);
            const int valueRow = t.set(*value).front().box.y;
            for (const Ink& ink : set) {
                EXPECT_FALSE(SDL_HasIntersection(&ink.box, &box)) << ink.text << " under " << name;
                // Its name ends just before it, on its line.
                if (ink.text == name && ink.line == lineOf(*value)) {
                    EXPECT_TRUE(ink.box.x + ink.box.w <= box.x &&
                                ink.box.x + ink.box.w > box.x - 12 * scale)
                        << name << " ends at " << ink.box.x + ink.box.w << ", its value at "
                        << box.x;
                    EXPECT_EQ(ink.box.y, valueRow) << name << " is drawn at row " << ink.box.y
                                                   << ", its value at " << valueRow;
                }
            }
        }

        // The headings and "CONFIGURATION:" keep clear of the rule between inventory and help:
        // left of it with room to spare, or right of it.
        const SDL_Rect rule = t.screen(w.lblSepar);
        const auto headings = t.set(w.lblItem);
        ASSERT_EQ(headings.size(), 2u);
        EXPECT_LE(headings[0].box.x + headings[0].box.w + 2 * scale, rule.x);
        EXPECT_GE(headings[1].box.x, rule.x + rule.w);
        const auto configuration = t.set(w.lblAide(5));
        EXPECT_LE(configuration[0].box.x + configuration[0].box.w + 2 * scale, rule.x);

        // Each item of the inventory on one line.
        for (int i = 0; i <= 7; ++i)
            EXPECT_EQ(t.set(w.lblObjet(i)).back().line, 0) << w.lblObjet(i).caption;
        // The longest messages, with the widest name, in the message label's three lines.
        for (const char* text :
             {"WWWWWW: C'est la place idéale pour rammasser de l'eau. Seulement, il me faudrait "
              "un sceau pour la rammasser.",
              "WWWWWW: J'ai trouvé un sceau! Je peux m'en servir pour rammasser de l'eau dans le "
              "lac à l'ouest.",
              "WWWWWW: Une switche! Je devrais aller dessus pour l'activer ou mettre quelque chose "
              "dessus.",
              "Mage: Je suis le magicien Oldavir. Prenez cette clé, elle vous sera utile pour "
              "ouvrir le coffre bloqué par un buisson."})
            expectWithin(t.set(w.lblMessage, text), text, t.screen(w.lblMessage));
        EXPECT_EQ(t.set(w.lblNom(8)).back().line, 1);
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
