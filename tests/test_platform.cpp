// The platform layer: drawing with the software renderer, and key translation.
#include "Canvas.h"
#include "frontend/NameEntry.h"
#include "game/FrmIntro.h"
#include "platform/KeyBindings.h"
#include "platform/Renderer.h"
#include "platform/TextLayout.h"

#include <SDL_ttf.h>
#include <gtest/gtest.h>

namespace {
// The pixel at a point given in the window's twips, at 1x (the play area starts at x 375).
Color atTwips(const Canvas& canvas, int x, int y) {
    return canvas.at((x - 375) / 15, y / 15);
}
} // namespace

TEST(Drawing, MasksCoverAllButThePlayAreaAndLabelsAndPanelsShowWhatTheyShould) {
    Canvas canvas(751, 600);
    FrmIntro w;
    w.backColor = RGB(0, 0, 250);
    w.fraAide.visible = false;
    canvas.draw(w);
    // The right mask starts at x 11640 twips: 751 pixels from the play area's left edge.
    EXPECT_EQ(canvas.at(750, 300), RGB(0, 0, 250));
    // The transparent instruction label shows the blue between its letters.
    w.lblNom(8).visible = true;
    w.lblNom(8).caption = "";
    // An opaque label hides what lies below.
    w.lblMessage.visible = true;
    // The name panel clips its grid label, which reaches past the panel's bottom here.
    w.fraNom.visible = true;
    w.lblNom(7).visible = true;
    w.lblNom(7).backColor = RGB(0, 0, 180);
    w.lblNom(7).height = 9000;
    w.lblNom(7).cells.clear();
    w.lblNom(7).caption = "";
    // Whatever the bottom mask covers turns black, even under the blue.
    w.fraLieu2.top = 7500;
    canvas.draw(w);
    EXPECT_EQ(atTwips(canvas, 2280 + 100, 360 + 1500), RGB(0, 0, 250));
    EXPECT_EQ(atTwips(canvas, 600 + 30, 240 + 1400), RGB(0, 0, 128));
    EXPECT_EQ(atTwips(canvas, 840 + 2000, 3360 + 2700), RGB(0, 0, 180));
    EXPECT_EQ(atTwips(canvas, 840 + 2000, 3360 + 2775 + 60), RGB(0, 0, 250));
    EXPECT_EQ(canvas.at(5, 499), RGB(0, 0, 250));
    EXPECT_EQ(canvas.at(5, 500), RGB(0, 0, 0));
}

TEST(Drawing, TilesTouchWithoutGapOrOverlapAtEveryScale) {
    for (auto [w, h] : {std::pair{751, 600}, {1127, 900}, {1502, 1200}}) {
        Viewport view = Viewport::fit(w, h);
        for (int i = 1; i < 9; ++i) {
            SDL_Rect a = view.rect({195 + (i - 1) * 1285, (i - 1) * 1285, 1285, 1285});
            SDL_Rect b = view.rect({195 + i * 1285, i * 1285, 1285, 1285});
            EXPECT_EQ(a.x + a.w, b.x) << "scale " << view.scale << " column " << i;
            EXPECT_EQ(a.y + a.h, b.y) << "scale " << view.scale << " row " << i;
        }
    }
    // A wider window keeps the play area's shape, centred between black bars.
    Viewport wide = Viewport::fit(1000, 600);
    EXPECT_DOUBLE_EQ(wide.scale, 1.0);
    EXPECT_EQ(std::pair(wide.offsetX, wide.offsetY), std::pair((1000 - 751) / 2, 0));
}

TEST(Drawing, GridCellsAreCentredInTheirBoxesAndCaptionsWrapAsTheyShould) {
    // At twice the size, where a position left unscaled puts the ink outside its box.
    Canvas canvas(1502, 1200);
    const Viewport view = Viewport::fit(1502, 1200);
    FrmIntro w;
    openNameEntry(w);
    w.lblNom(7).foreColor = RGB(255, 255, 255);
    canvas.draw(w);
    for (const CellText& cell : w.lblNom(7).cells) {
        if (cell.text == " ") continue;
        // The ink's bounds, looked for in a band around the box that no ink may reach.
        const SDL_Rect box = view.rect(
            {w.fraNom.left + cell.left, w.fraNom.top + cell.top, cell.width, cell.height});
        std::vector<SDL_Point> ink;
        for (int y = box.y - 6; y < box.y + box.h + 6; ++y)
            for (int x = box.x - 6; x < box.x + box.w + 6; ++x)
                if (canvas.at(x, y).r > 96) ink.push_back({x, y});
        SCOPED_TRACE(cell.text);
        SDL_Rect bounds, both;
        ASSERT_TRUE(SDL_EnclosePoints(ink.data(), int(ink.size()), nullptr, &bounds));
        SDL_UnionRect(&bounds, &box, &both);
        EXPECT_TRUE(SDL_RectEquals(&both, &box));
        // Capitals with even sides show how the line sits in the box.
        if (cell.text == "H" || cell.text == "O") {
            EXPECT_NEAR(bounds.x + bounds.w / 2.0, box.x + box.w / 2.0, 2);
            EXPECT_NEAR(bounds.y + bounds.h / 2.0, box.y + box.h / 2.0, 2);
        }
    }
    TTF_Font* font = canvas.renderer.font();
    const Label& credit = w.lblAuteur;
    const int creditWidth = view.rect({credit.left, credit.top, credit.width, credit.height}).w;
    EXPECT_EQ(wrapText(font, credit.caption, creditWidth).size(), 1u);
    // A word longer than the line is cut; an accented letter is never split.
    using Lines = std::vector<std::string>;
    EXPECT_EQ(wrapText(font, "aaaaaaaaaaaa", textWidth(font, "aaaa")), Lines(3, "aaaa"));
    EXPECT_EQ(wrapText(font, "é è", textWidth(font, "é")), (Lines{"é", "è"}));
}

TEST(Input, KeysBecomeTheGameKeyCodesAndFullscreenStaysWithTheWindow) {
    auto translate = [](SDL_Keycode sym, Uint16 mod = 0, SDL_Scancode scan = SDL_SCANCODE_UNKNOWN) {
        SDL_Keysym k{};
        k.sym = sym, k.mod = mod, k.scancode = scan;
        return translateKey(k, KeyBindings());
    };
    const std::pair<SDL_Keycode, int> codes[] = {
        {SDLK_ESCAPE, 27}, {SDLK_SPACE, 32}, {SDLK_LEFT, 37},      {SDLK_UP, 38},
        {SDLK_RIGHT, 39},  {SDLK_DOWN, 40},  {SDLK_RETURN, 13},    {SDLK_KP_ENTER, 13},
        {SDLK_r, 82},      {SDLK_v, 86},     {SDLK_z, Key::Other}, {SDLK_F5, Key::Other}};
    for (auto [sym, code] : codes)
        EXPECT_EQ(translate(sym), (TranslatedKey{KeyAction::GameKey, int16(code)}))
            << SDL_GetKeyName(sym);
    EXPECT_EQ(translate(SDLK_b, KMOD_SHIFT).code, 66);
    // On an AZERTY keyboard M sits where QWERTY has the semicolon: the letter counts.
    EXPECT_EQ(translate(SDLK_m, 0, SDL_SCANCODE_SEMICOLON).code, 77);
    EXPECT_EQ(translate(SDLK_SEMICOLON, 0, SDL_SCANCODE_M).code, Key::Other);
    // Fullscreen and speech are the window's business and never reach the game; Alt with an
    // arrow still walks.
    for (auto [sym, mod, action] : {std::tuple{SDLK_F11, 0, KeyAction::ToggleFullscreen},
                                    {SDLK_RETURN, KMOD_LALT, KeyAction::ToggleFullscreen},
                                    {SDLK_KP_ENTER, KMOD_RALT, KeyAction::ToggleFullscreen},
                                    {SDLK_F1, 0, KeyAction::DescribeSurroundings},
                                    {SDLK_F2, 0, KeyAction::RepeatSpeech},
                                    {SDLK_F3, 0, KeyAction::ToggleSpeech}})
        EXPECT_EQ(translate(sym, Uint16(mod)), (TranslatedKey{action, 0})) << SDL_GetKeyName(sym);
    EXPECT_EQ(translate(SDLK_LEFT, KMOD_LALT).code, Key::Left);
}
