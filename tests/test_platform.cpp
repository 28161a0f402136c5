// The platform layer: drawing with the software renderer, and key translation.
#include "frontend/NameEntry.h"
#include "platform/KeyTranslation.h"
#include "platform/Renderer.h"
#include "platform/TextLayout.h"
#include "shell/FrmIntro.h"

#include <SDL_ttf.h>
#include <gtest/gtest.h>

namespace {
// A software renderer drawing into a surface: no window, no display needed.
class Canvas {
  public:
    Canvas(int w, int h) {
        SDL_Init(SDL_INIT_VIDEO);
        TTF_Init();
        surface_ = SDL_CreateRGBSurfaceWithFormat(0, w, h, 32, SDL_PIXELFORMAT_ARGB8888);
        sdl_ = SDL_CreateSoftwareRenderer(surface_);
        renderer_ = std::make_unique<Renderer>(sdl_);
    }
    ~Canvas() {
        renderer_.reset();
        SDL_DestroyRenderer(sdl_);
        SDL_FreeSurface(surface_);
    }
    void draw(const Controls& window) { renderer_->draw(buildDrawList(window)); }
    Color at(int x, int y) const {
        Uint32 p = static_cast<const Uint32*>(surface_->pixels)[y * surface_->pitch / 4 + x];
        Uint8 r, g, b;
        SDL_GetRGB(p, surface_->format, &r, &g, &b);
        return {r, g, b};
    }
    Renderer& renderer() { return *renderer_; }

  private:
    SDL_Surface* surface_;
    SDL_Renderer* sdl_;
    std::unique_ptr<Renderer> renderer_;
};

SDL_Keysym keysym(SDL_Keycode sym, SDL_Scancode scan, Uint16 mod = KMOD_NONE) {
    SDL_Keysym k{};
    k.sym = sym;
    k.scancode = scan;
    k.mod = mod;
    return k;
}
} // namespace

TEST(Drawing, TheMasksCoverEverythingOutsideThePlayArea) {
    Canvas canvas(751, 600);
    FrmIntro w;
    w.backColor = RGB(0, 0, 250);
    w.fraAide.visible = false;
    canvas.draw(w);
    EXPECT_EQ(canvas.at(375, 300), RGB(0, 0, 250));
    // The right mask starts at x 11640 twips: 751 pixels from the play area's left edge.
    EXPECT_EQ(canvas.at(750, 300), RGB(0, 0, 250));
    // Move the bottom mask up: whatever it covers turns black, even under the blue.
    w.fraLieu2.top = 4500;
    canvas.draw(w);
    EXPECT_EQ(canvas.at(375, 299), RGB(0, 0, 250));
    EXPECT_EQ(canvas.at(375, 300), RGB(0, 0, 0));
}

TEST(Drawing, TilesTouchWithoutGapOrOverlapAtEveryScale) {
    for (auto [w, h] : {std::pair{751, 600}, std::pair{1127, 900}, std::pair{1502, 1200}}) {
        Viewport view = Viewport::fit(w, h);
        for (int c = 1; c < 9; ++c) {
            SDL_Rect a = view.rect({195 + (c - 1) * 1285, 0, 1285, 1285});
            SDL_Rect b = view.rect({195 + c * 1285, 0, 1285, 1285});
            EXPECT_EQ(a.x + a.w, b.x) << "scale " << view.scale << " column " << c;
        }
        for (int r = 1; r < 7; ++r) {
            SDL_Rect a = view.rect({195, (r - 1) * 1285, 1285, 1285});
            SDL_Rect b = view.rect({195, r * 1285, 1285, 1285});
            EXPECT_EQ(a.y + a.h, b.y);
        }
    }
    // A wider window keeps the play area's shape, centred between black bars.
    Viewport wide = Viewport::fit(1000, 600);
    EXPECT_DOUBLE_EQ(wide.scale, 1.0);
    EXPECT_EQ(wide.offsetX, (1000 - 751) / 2);
    EXPECT_EQ(wide.offsetY, 0);
}

TEST(Drawing, ATransparentLabelShowsWhatLiesBelowAndAPanelClipsItsChildren) {
    Canvas canvas(751, 600);
    FrmIntro w;
    w.backColor = RGB(0, 0, 250);
    // The instruction label is transparent: the blue shows between its letters.
    w.lblNom(8).visible = true;
    w.lblNom(8).caption = "";
    canvas.draw(w);
    EXPECT_EQ(canvas.at((2280 + 100 - 375) / 15, (360 + 100) / 15), RGB(0, 0, 250));
    // An opaque label hides it.
    w.lblMessage.visible = true;
    canvas.draw(w);
    EXPECT_EQ(canvas.at((600 + 30 - 375) / 15, (240 + 1400) / 15), RGB(0, 0, 128));
    // The name panel clips its grid label, which reaches past the panel's bottom here.
    w.fraNom.visible = true;
    w.fraNom.backColor = RGB(250, 250, 0);
    w.lblNom(7).visible = true;
    w.lblNom(7).backColor = RGB(0, 0, 180);
    w.lblNom(7).height = 9000;
    w.lblNom(7).cells.clear();
    w.lblNom(7).caption = "";
    canvas.draw(w);
    const int x = (840 + 2000 - 375) / 15;
    EXPECT_EQ(canvas.at(x, (3360 + 2700) / 15), RGB(0, 0, 180));
    EXPECT_EQ(canvas.at(x, (3360 + 2775 + 60) / 15), RGB(0, 0, 250));
}

TEST(Drawing, CaptionsWrapAtWordsAndKeepTheirInnerSpaces) {
    Canvas canvas(751, 600);
    TTF_Font* font = canvas.renderer().font();
    auto lines = wrapText(font, "un deux trois quatre", textWidth(font, "un deux") + 2);
    EXPECT_EQ(lines, (std::vector<std::string>{"un deux", "trois", "quatre"}));
    EXPECT_EQ(wrapText(font, " A   B", 1000), (std::vector<std::string>{" A   B"}));
    auto cut = wrapText(font, "aaaaaaaaaaaa", textWidth(font, "aaaa"));
    EXPECT_EQ(cut.front(), "aaaa");
    EXPECT_EQ(cut.size(), 3u);
    EXPECT_EQ(wrapText(font, "é è", textWidth(font, "é")), (std::vector<std::string>{"é", "è"}));
}

TEST(Drawing, GridCellsAreCentredInsideTheirBoxesAndTheCreditTakesOneLine) {
    for (auto [width, height] : {std::pair{751, 600}, std::pair{1502, 1200}}) {
        Canvas canvas(width, height);
        const Viewport view = Viewport::fit(width, height);
        FrmIntro w;
        openNameEntry(w);
        w.lblNom(7).foreColor = RGB(255, 255, 255);
        canvas.draw(w);
        for (const CellText& cell : w.lblNom(7).cells) {
            // Where the text is drawn, and a band around it that no ink may reach; the
            // neighbouring rows begin further out.
            const SDL_Rect box = view.rect(
                {w.fraNom.left + cell.left, w.fraNom.top + cell.top, cell.width, cell.height});
            const int band = int(3 * view.scale);
            int left = box.x + box.w, right = box.x - 1, top = box.y + box.h, bottom = box.y - 1;
            for (int y = box.y - band; y < box.y + box.h + band; ++y)
                for (int x = box.x - band; x < box.x + box.w + band; ++x)
                    if (canvas.at(x, y).r > 96) {
                        left = std::min(left, x), right = std::max(right, x);
                        top = std::min(top, y), bottom = std::max(bottom, y);
                    }
            if (cell.text == " ") continue;
            const std::string where = cell.text + " at scale " + std::to_string(view.scale);
            ASSERT_LE(left, right) << where << " shows nothing";
            EXPECT_GE(left, box.x) << where;
            EXPECT_LT(right, box.x + box.w) << where;
            EXPECT_GE(top, box.y) << where;
            EXPECT_LT(bottom, box.y + box.h) << where;
            // Capitals with even sides show how the line sits in the box.
            if (cell.text == "H" || cell.text == "O") {
                const double tolerance = 1.0 * view.scale;
                EXPECT_NEAR((left + right + 1) / 2.0, box.x + box.w / 2.0, tolerance) << where;
                EXPECT_NEAR((top + bottom + 1) / 2.0, box.y + box.h / 2.0, tolerance) << where;
            }
        }
        const SDL_Rect credit =
            view.rect({w.lblAuteur.left, w.lblAuteur.top, w.lblAuteur.width, w.lblAuteur.height});
        EXPECT_EQ(wrapText(canvas.renderer().font(), w.lblAuteur.caption, credit.w).size(), 1u);
    }
}

TEST(Input, KeysBecomeTheGameKeyCodes) {
    EXPECT_EQ(translateKey(keysym(SDLK_ESCAPE, SDL_SCANCODE_ESCAPE)).code, 27);
    EXPECT_EQ(translateKey(keysym(SDLK_SPACE, SDL_SCANCODE_SPACE)).code, 32);
    EXPECT_EQ(translateKey(keysym(SDLK_LEFT, SDL_SCANCODE_LEFT)).code, 37);
    EXPECT_EQ(translateKey(keysym(SDLK_UP, SDL_SCANCODE_UP)).code, 38);
    EXPECT_EQ(translateKey(keysym(SDLK_RIGHT, SDL_SCANCODE_RIGHT)).code, 39);
    EXPECT_EQ(translateKey(keysym(SDLK_DOWN, SDL_SCANCODE_DOWN)).code, 40);
    EXPECT_EQ(translateKey(keysym(SDLK_RETURN, SDL_SCANCODE_RETURN)).code, 13);
    EXPECT_EQ(translateKey(keysym(SDLK_b, SDL_SCANCODE_B, KMOD_SHIFT)).code, 66);
    EXPECT_EQ(translateKey(keysym(SDLK_r, SDL_SCANCODE_R)).code, 82);
    EXPECT_EQ(translateKey(keysym(SDLK_v, SDL_SCANCODE_V)).code, 86);
    // On an AZERTY keyboard M sits where QWERTY has the semicolon: the letter counts.
    EXPECT_EQ(translateKey(keysym(SDLK_m, SDL_SCANCODE_SEMICOLON)).code, 77);
    EXPECT_EQ(translateKey(keysym(SDLK_SEMICOLON, SDL_SCANCODE_M)).code, Key::Other);
    EXPECT_EQ(translateKey(keysym(SDLK_F5, SDL_SCANCODE_F5)).code, Key::Other);
    // Fullscreen is the window's business and never reaches the game as Enter.
    EXPECT_EQ(translateKey(keysym(SDLK_F11, SDL_SCANCODE_F11)).action, KeyAction::ToggleFullscreen);
    EXPECT_EQ(translateKey(keysym(SDLK_RETURN, SDL_SCANCODE_RETURN, KMOD_LALT)).action,
              KeyAction::ToggleFullscreen);
}

TEST(Input, EveryKeyReachesTheGameAndAnUnknownOneChangesNothing) {
    FrmIntro w;
    w.Form_Load();
    auto before = buildDrawList(w);
    w.Form_KeyDown(Key::Other);
    EXPECT_EQ(buildDrawList(w), before);
    EXPECT_FALSE(w.ended());
    w.closeWindow();
    EXPECT_TRUE(w.ended());
    EXPECT_FALSE(w.timers.nextDue().has_value());
}
