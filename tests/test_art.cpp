// The game's artwork and typography: every picture loads with the size and transparency the
// screen layout relies on, every caption fits its label in the chosen typeface, and the art
// tool rebuilds the shipped pictures exactly from their sources.
#include "platform/TextLayout.h"
#include "platform/Typeface.h"

#include <SDL_image.h>
#include <SDL_ttf.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

const fs::path kAssets = fs::path(EPEE_SOURCE_DIR) / "assets";

struct PictureSpec {
    const char* name;
    int width;
    int height;
    bool transparent;
};

constexpr PictureSpec kPictures[] = {
    {"gazon", 50, 50, true},     {"arbre", 50, 50, true},         {"tronc", 50, 50, true},
    {"asphalte", 50, 50, false}, {"asphalte2", 50, 50, false},    {"mur", 25, 25, false},
    {"mur2", 50, 50, false},     {"murmaison", 50, 50, false},    {"toit", 50, 50, false},
    {"porte", 50, 50, false},    {"porte2", 3, 3, true},          {"coffre", 50, 50, false},
    {"coffre2", 50, 50, false},  {"coffreouvert", 50, 50, false}, {"coffreouvert2", 50, 50, false},
    {"switche", 50, 50, false},  {"switche2", 50, 50, false},     {"eau", 50, 50, false},
    {"eau2", 50, 50, false},     {"mage", 50, 50, false},         {"sceau", 50, 50, false},
    {"gate", 50, 50, false},     {"orbe", 50, 50, false},         {"orbe2", 50, 50, false},
    {"grotte", 50, 50, false},   {"sable", 50, 50, false},        {"escalier", 3, 8, false},
    {"pont", 50, 50, false},     {"epee", 50, 50, false},         {"perso1", 50, 50, true},
    {"perso2", 50, 50, true},    {"perso3", 50, 50, true},        {"perso4", 50, 50, true},
    {"perso5", 50, 50, true},    {"perso6", 50, 50, true},        {"perso7", 50, 50, true},
    {"perso8", 50, 50, true},    {"haut", 50, 50, true},          {"bas", 50, 50, true},
    {"gauche", 50, 50, true},    {"droit", 50, 50, true},         {"curseur0", 50, 50, true},
    {"curseur1", 50, 50, true},  {"curseur2", 50, 50, true},      {"curseur3", 50, 50, true},
    {"vyr", 400, 200, false},
};

std::string readBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

struct Surface {
    explicit Surface(const fs::path& path) : s(IMG_Load(path.string().c_str())) {}
    ~Surface() { SDL_FreeSurface(s); }
    SDL_Surface* s;
};

// Pixels not of the colour key. The GIF loader gives 8-bit surfaces, one palette index a pixel.
int opaquePixels(SDL_Surface* s) {
    if (s->format->BytesPerPixel != 1) return -1;
    Uint32 key = 0;
    const bool keyed = SDL_GetColorKey(s, &key) == 0;
    int count = 0;
    SDL_LockSurface(s);
    for (int y = 0; y < s->h; ++y) {
        const auto* row = static_cast<const Uint8*>(s->pixels) + y * s->pitch;
        for (int x = 0; x < s->w; ++x)
            if (!keyed || row[x] != key) ++count;
    }
    SDL_UnlockSurface(s);
    return count;
}

} // namespace

// ---------------------------------------------------------------- pictures

TEST(Pictures, EachHasTheSizeAndTransparencyTheScreenExpects) {
    for (const auto& spec : kPictures) {
        SCOPED_TRACE(spec.name);
        Surface pic(kAssets / (std::string(spec.name) + ".gif"));
        ASSERT_NE(pic.s, nullptr) << IMG_GetError();
        EXPECT_EQ(pic.s->w, spec.width);
        EXPECT_EQ(pic.s->h, spec.height);
        Uint32 key = 0;
        EXPECT_EQ(SDL_GetColorKey(pic.s, &key) == 0, spec.transparent);
        // Every picture shows something; a see-through one also lets the background through.
        const int shown = opaquePixels(pic.s);
        EXPECT_GT(shown, 0);
        if (spec.transparent) {
            EXPECT_LT(shown, spec.width * spec.height);
        }
    }
}

TEST(Pictures, TheAssetFolderHoldsExactlyTheGamesPictures) {
    std::set<std::string> expected, found;
    for (const auto& spec : kPictures)
        expected.insert(std::string(spec.name) + ".gif");
    for (const auto& entry : fs::directory_iterator(kAssets))
        if (entry.path().extension() == ".gif") found.insert(entry.path().filename().string());
    EXPECT_EQ(found, expected);
}

TEST(Pictures, TheFacingPicturesAreTheHerosFirstFourLooks) {
    const std::pair<const char*, const char*> same[] = {
        {"haut", "perso1"}, {"bas", "perso2"}, {"gauche", "perso3"}, {"droit", "perso4"}};
    for (const auto& [facing, look] : same) {
        SCOPED_TRACE(facing);
        const std::string a = readBytes(kAssets / (std::string(facing) + ".gif"));
        ASSERT_FALSE(a.empty());
        EXPECT_EQ(a, readBytes(kAssets / (std::string(look) + ".gif")));
    }
    // The four facings and the four wading looks are all different drawings.
    std::set<std::string> looks;
    for (int i = 1; i <= 8; ++i)
        looks.insert(readBytes(kAssets / ("perso" + std::to_string(i) + ".gif")));
    EXPECT_EQ(looks.size(), 8u);
}

TEST(Pictures, TheIconsHaveTheirNominalSizes) {
    for (int size : {48, 128, 256}) {
        SCOPED_TRACE(size);
        Surface icon(kAssets / "icons" / ("epee-" + std::to_string(size) + ".png"));
        ASSERT_NE(icon.s, nullptr) << IMG_GetError();
        EXPECT_EQ(icon.s->w, size);
        EXPECT_EQ(icon.s->h, size);
    }
}

// ---------------------------------------------------------------- typography

namespace {

// Twips to pixels at the play area's own scale.
constexpr int px(int twips) {
    return twips / 15;
}

class Typography : public ::testing::TestWithParam<int> {
  protected:
    void SetUp() override {
        ASSERT_EQ(TTF_Init(), 0);
        scale = GetParam();
        font = TTF_OpenFont(kFontFile, kFontPixels * scale);
        ASSERT_NE(font, nullptr) << TTF_GetError();
        line = kLinePixels * scale;
    }
    void TearDown() override {
        if (font) TTF_CloseFont(font);
        TTF_Quit();
    }

    std::vector<std::string> wrap(const std::string& text, int widthTwips) {
        return wrapText(font, text, px(widthTwips) * scale);
    }

    // Checks that `text` wraps inside the label without cutting a word and that its lines fit
    // the label's height.
    void expectFits(const std::string& text, int widthTwips, int heightTwips) {
        SCOPED_TRACE(text);
        const auto lines = wrap(text, widthTwips);
        ASSERT_FALSE(lines.empty());
        std::istringstream original(text);
        std::vector<std::string> words, wrappedWords;
        for (std::string w; original >> w;)
            words.push_back(w);
        for (const auto& l : lines) {
            EXPECT_LE(textWidth(font, l), px(widthTwips) * scale) << l;
            std::istringstream in(l);
            for (std::string w; in >> w;)
                wrappedWords.push_back(w);
        }
        EXPECT_EQ(wrappedWords, words) << "a word was cut";
        const int used = (static_cast<int>(lines.size()) - 1) * line + TTF_FontHeight(font);
        EXPECT_LE(used, px(heightTwips) * scale) << lines.size() << " lines";
    }

    // Where the ink of the last glyph of `text` ends, from the start of the line.
    int inkEnd(const std::string& text, Uint32 last) {
        int minx = 0, maxx = 0, miny = 0, maxy = 0, advance = 0;
        TTF_GlyphMetrics32(font, last, &minx, &maxx, &miny, &maxy, &advance);
        return textWidth(font, text) - advance + maxx;
    }

    int scale = 1;
    int line = 0;
    TTF_Font* font = nullptr;
};

const std::string kHero = "Hero  ";

} // namespace

TEST_P(Typography, TheMenuHeadingsStandEitherSideOfTheRule) {
    // The body label starts at x 120 of the panel; the rule covers x 3600 to 3735.
    const int inventaire = textWidth(font, " INVENTAIRE:");
    const int aide = textWidth(font, " INVENTAIRE:         ");
    EXPECT_LE(inventaire, px(3600 - 120) * scale);
    EXPECT_GE(aide, px(3735 - 120) * scale);
    EXPECT_LE(aide + textWidth(font, "AIDE:"), px(11055) * scale);
}

TEST_P(Typography, TheColourSettingsEndJustBeforeTheirValues) {
    const auto lines = wrap("Appuyez sur <<R>>, <<V>> et <<B>> pour changer la couleur du menu. "
                            "R=         V=            B=",
                            3435);
    // Value rows at y 7680 and 8160 in a label whose top is 5280.
    const std::size_t rgLine = px(7680 - 5280) * scale / line;
    const std::size_t bLine = px(8160 - 5280) * scale / line;
    ASSERT_EQ(lines.size(), bLine + 1);
    EXPECT_EQ(lines[rgLine], "R=         V=");
    EXPECT_EQ(lines[bLine], "B=");
    // Value labels at x 720 and 2280 in the panel, the caption at x 120: each "=" ends before
    // its value and no more than a small gap away.
    const int rEnd = inkEnd("R=", '='), vEnd = inkEnd(lines[rgLine], '='), bEnd = inkEnd("B=", '=');
    for (auto [end, value] : {std::pair{rEnd, 720}, {vEnd, 2280}, {bEnd, 720}}) {
        EXPECT_LE(end, px(value - 120) * scale);
        EXPECT_GE(end, px(value - 120 - 180) * scale);
    }
}

TEST_P(Typography, MenuCaptionsFitTheirLabels) {
    const char* items[] = {"Clé bleue", "Clé mage", "Clé rouge", "Clé or", "Orbe", "Sceau", "Eau"};
    for (const char* item : items)
        expectFits(item, 2415, 495);
    expectFits("Clé adamantium", 3255, 495);
    for (const char* item : items)
        EXPECT_EQ(wrap(item, 2415).size(), 1u) << item;
    EXPECT_EQ(wrap("Clé adamantium", 3255).size(), 1u);
    expectFits("CONFIGURATION:", 3495, 615);
    expectFits("Pour ouvrir une porte, avancez dessus. Elle peut être barrée. Dans ce cas, il "
               "vous faut la clé.",
               7215, 1455);
    expectFits("Utilisez les flèches pour vous diriger.", 6735, 1455);
    expectFits("Si un curseur apparaît au dessus du héros, appuyez sur <<Enter>>. Un point "
               "d'interrogation signifie que vous pouvez observer où vous êtes. Une main "
               "signifie que vous pouvez prendre un item. Du texte peut entrainer un dialogue. "
               "Une clé signifie que vous devez utiliser un item.",
               7215, 4335);
    expectFits("Appuyez sur <<M>> pour sortir de ce menu.", 7215, 1095);
}

TEST_P(Typography, TitleAndNameEntryCaptionsFit) {
    expectFits("Appuyez sur space.", 4455, 735);
    expectFits("Écrivez le nom du héro. Sélectionnez une lettre et appuyez sur space pour "
               "l'écrire.",
               8775, 1815);
    const std::string letters = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz-";
    for (char c : letters)
        expectFits(std::string(1, c), 495, 495);
}

TEST_P(Typography, EveryMessageFitsTheMessageLabel) {
    const std::string said[] = {
        ": La porte est débarrée. Je peux entrer!",
        ": Un passage secret!!",
        ": Il n'y a plus rien dans le coffre.",
        ": IL Y A UNE CLÉ BLEUE DANS LE COFFRE!!!",
        ": Une clé en or!",
        ": Le coffre est vérouillé. Je n'ai pas la clé. En plus, il est bizzare.",
        ": CE CRISTAL...  C'EST L'ORBE LÉGENDAIRE. L'ÉPÉE N'EST PAS LOIN!",
        ": C'est ici que l'on place l'orbe légendaire.",
        ": Un passage s'est ouvert en haut!",
        ": Le coffre est vérouillé. Je n'ai pas la clé.",
        ": Il y a une clé en adamantium dans le coffre! étrange.",
        ": La porte est barrée. Il me faut une clé pour l'ouvrir.",
        ": La clé bleu fonctionne dans la serrure.",
        ": La clé en or fonctionne dans la serrure.",
        ": C'est la place idéale pour rammasser de l'eau. Seulement, il me faudrait un sceau "
        "pour la rammasser.",
        ": Je vais rammasser de l'eau avec le sceau.",
        ": J'ai trouvé un sceau! Je peux m'en servir pour rammasser de l'eau dans le lac à "
        "l'ouest.",
        ": UNE CLÉ ROUGE!",
        ": Une switche! Je devrais aller dessus pour l'activer ou mettre quelque chose dessus.",
        ": Et voila! je me demande à quoi elle sert.",
    };
    for (const auto& text : said)
        expectFits(kHero + text, 10815, 1455);
    expectFits("VOUS AVEZ TROUVÉ L'ÉPÉE! VOUS AVEZ RÉUSSI LA QUÊTE!", 10815, 1455);
    expectFits("Mage: Je suis le magicien Oldavir. Prenez cette clé, elle vous sera utile pour "
               "ouvrir le coffre bloqué par un buisson.",
               10815, 1455);
    expectFits("Mage: Il faut faire disparaître le buisson bloquant le coffre.", 10815, 1455);
}

TEST_P(Typography, TheAccentedLettersAndQuotesAllHaveGlyphs) {
    for (Uint32 c : {U'é', U'è', U'ê', U'É', U'à', U'î', U'ç', U'ù', U'<', U'>'})
        EXPECT_TRUE(TTF_GlyphIsProvided32(font, c)) << c;
}

INSTANTIATE_TEST_SUITE_P(AtOneAndTwoTimes, Typography, ::testing::Values(1, 2));

// ---------------------------------------------------------------- the art tool

#ifdef EPEE_ARTGEN_PATH

namespace {

fs::path freshDir(const char* name) {
    const fs::path dir = fs::temp_directory_path() / (std::string("epee-art-") + name);
    fs::remove_all(dir);
    fs::create_directories(dir);
    return dir;
}

int runArtgen(const fs::path& sources, const fs::path& out) {
    const std::string command = std::string("\"") + EPEE_ARTGEN_PATH + "\" \"" + sources.string() +
                                "\" \"" + out.string() + "\" >\"" + (out / "log.txt").string() +
                                "\" 2>&1";
    return std::system(command.c_str());
}

} // namespace

TEST(ArtTool, RebuildsEveryShippedPictureByteForByte) {
    const fs::path out = freshDir("rebuild");
    ASSERT_EQ(runArtgen(kAssets / "src", out), 0) << readBytes(out / "log.txt");
    int compared = 0;
    for (const auto& entry : fs::directory_iterator(kAssets)) {
        if (entry.path().extension() != ".gif") continue;
        SCOPED_TRACE(entry.path().filename().string());
        EXPECT_EQ(readBytes(out / entry.path().filename()), readBytes(entry.path()));
        ++compared;
    }
    EXPECT_EQ(compared, static_cast<int>(std::size(kPictures)));
    for (int size : {48, 128, 256}) {
        const std::string icon = "epee-" + std::to_string(size) + ".png";
        EXPECT_EQ(readBytes(out / "icons" / icon), readBytes(kAssets / "icons" / icon)) << icon;
    }
    fs::remove_all(out);
}

TEST(ArtTool, RejectsABrokenSourceNamingTheFileAndLine) {
    const fs::path src = freshDir("broken-src");
    const fs::path out = freshDir("broken-out");
    std::ofstream(src / "ok.txt") << "size 2 1\ncolour a 102030\npixels\naa\n";
    std::ofstream(src / "bad.txt") << "size 3 2\ntransparent .\ncolour a ff0000\npixels\n.a.\naa\n";
    EXPECT_NE(runArtgen(src, out), 0);
    EXPECT_NE(readBytes(out / "log.txt").find("bad.txt:6"), std::string::npos)
        << readBytes(out / "log.txt");

    std::ofstream(src / "bad.txt") << "size 1 1\ncolour a ff00\npixels\na\n";
    EXPECT_NE(runArtgen(src, out), 0);
    EXPECT_NE(readBytes(out / "log.txt").find("bad.txt:2"), std::string::npos);

    std::ofstream(src / "bad.txt") << "same missing\n";
    EXPECT_NE(runArtgen(src, out), 0);
    EXPECT_NE(readBytes(out / "log.txt").find("missing"), std::string::npos);
    fs::remove_all(src);
    fs::remove_all(out);
}

TEST(ArtTool, ACopiedPictureKeepsItsOwnName) {
    const fs::path src = freshDir("copy-src");
    const fs::path out = freshDir("copy-out");
    std::ofstream(src / "a.txt") << "size 2 2\ntransparent .\ncolour x 00ff00\npixels\n.x\nx.\n";
    std::ofstream(src / "b.txt") << "# the same drawing\nsame a\n";
    ASSERT_EQ(runArtgen(src, out), 0) << readBytes(out / "log.txt");
    EXPECT_EQ(readBytes(out / "a.gif"), readBytes(out / "b.gif"));
    Surface b(out / "b.gif");
    ASSERT_NE(b.s, nullptr);
    Uint32 key = 0;
    EXPECT_EQ(SDL_GetColorKey(b.s, &key), 0);
    EXPECT_EQ(opaquePixels(b.s), 2);
    fs::remove_all(src);
    fs::remove_all(out);
}

#endif
