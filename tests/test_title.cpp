// The title as the player sees it: the fades, the logo, the credit, the prompt and the two keys.
#include "FrontSteps.h"

TEST(Title, BackgroundFadesInLogoSlidesInAndPromptBlinks) {
    Player p;
    expectSteps(p, p->tmrOuvrir, [&] { return p->backColor; },
                {{1, RGB(0, 0, 10)}, {24, RGB(0, 0, 240)}, {25, RGB(0, 0, 250)}});
    EXPECT_FALSE(p->tmrOuvrir.enabled());
    EXPECT_TRUE(p->lblAuteur.visible);
    auto logoAndCredit = [&] { return std::pair{p->imgVyr.top, p->lblAuteur.foreColor}; };
    EXPECT_EQ(logoAndCredit(), std::pair(-5750, RGB(0, 0, 255)));
    expectSteps(p, p->tmrOuvrir2, logoAndCredit,
                {{1, {-5530, RGB(10, 10, 255)}},
                 {25, {-250, RGB(250, 250, 255)}},
                 {26, {-30, RGB(255, 255, 255)}}});
    EXPECT_FALSE(p->tmrOuvrir2.enabled());
    EXPECT_EQ(p->backColor, RGB(0, 0, 250));
    // The prompt first shows half a second after the logo stops, then blinks.
    for (auto [ms, shown] :
         {std::pair{0, false}, {499, false}, {1, true}, {500, false}, {500, true}}) {
        p.waitMs(ms);
        EXPECT_EQ(p->lblTouche.visible, shown);
    }
}

TEST(Title, SpaceFadesOutToTheNameEntryAndEscFadesOutToTheEnd) {
    for (auto [key, fade] :
         {std::pair{Key::Space, &FrmIntro::tmrFermer}, {Key::Esc, &FrmIntro::tmrFermer3}}) {
        Player p;
        reachPrompt(p);
        p.waitMs(key == Key::Space ? 1000 : 500); // the prompt hidden or shown: the key acts alike
        p.press(key);
        EXPECT_FALSE(p->lblAuteur.visible || p->imgVyr.visible || p->lblTouche.visible);
        // The fade counts down from the logo's level 255, not from the 250 shown.
        expectSteps(p, p.game().*fade, [&] { return p->backColor; },
                    {{1, RGB(0, 0, 205)}, {5, RGB(0, 0, 5)}});
        EXPECT_FALSE(p->fraNom.visible || p->ended());
        p.ticks(p.game().*fade, 1);
        EXPECT_EQ(p->backColor, RGB(0, 0, 0));
        EXPECT_EQ(p->fraNom.visible && p->lblNom(7).visible, key == Key::Space);
        EXPECT_EQ(p->ended(), key == Key::Esc);
        p.waitMs(3000); // the prompt no longer blinks: nothing is left to tick
        EXPECT_FALSE(p->timers.nextDue().has_value());
    }
}

TEST(Title, KeysDuringASequenceDoNothingAndAreNotRemembered) {
    Player p;
    p.ticks(p->tmrOuvrir, 5);
    auto before = p.screen();
    p.press({Key::Space, Key::Esc});
    EXPECT_EQ(p.screen(), before);
    p.ticksUntilStopped(p->tmrOuvrir);
    p.ticks(p->tmrOuvrir2, 10);
    p.press({Key::Esc, Key::Space});
    p.ticksUntilStopped(p->tmrOuvrir2);
    p.waitMs(3000);
    EXPECT_FALSE(p->ended() || p->fraNom.visible || p->tmrFermer.enabled());

    // Space then Esc in quick succession: only space acts, and Esc stays ignored while the
    // title fades out and the name entry fades in.
    p.press({Key::Space, Key::Esc});
    p.ticks(p->tmrFermer, 3);
    p.press(Key::Esc);
    p.ticksUntilStopped(p->tmrFermer);
    p.ticks(p->tmrLblNom, 4);
    p.press(Key::Esc);
    EXPECT_EQ(p.ticksUntilStopped(p->tmrLblNom), 9);
    EXPECT_FALSE(p->tmrFermer3.enabled() || p->tmrLblNom3.enabled() || p->ended());
    EXPECT_EQ(p->intMode, 1);
}
