// The title as the player sees it: the fades, the logo, the credit, the prompt and the two keys.
#include "FrontSteps.h"

TEST(Title, BackgroundFadesInLogoSlidesInAndPromptBlinks) {
    Player p;
    p.ticks(p->tmrOuvrir, 1);
    EXPECT_EQ(p->backColor, RGB(0, 0, 10));
    p.ticks(p->tmrOuvrir, 23);
    EXPECT_EQ(p->backColor, RGB(0, 0, 240));
    EXPECT_FALSE(p->lblAuteur.visible);
    EXPECT_EQ(p->imgVyr.top, -5750);
    p.ticks(p->tmrOuvrir, 1);
    EXPECT_EQ(p->backColor, RGB(0, 0, 250));
    EXPECT_FALSE(p->tmrOuvrir.enabled());
    EXPECT_TRUE(p->lblAuteur.visible);
    EXPECT_EQ(p->lblAuteur.foreColor, RGB(0, 0, 255));

    p.ticks(p->tmrOuvrir2, 1);
    EXPECT_EQ(p->imgVyr.top, -5530);
    EXPECT_EQ(p->lblAuteur.foreColor, RGB(10, 10, 255));
    p.ticks(p->tmrOuvrir2, 24);
    EXPECT_EQ(p->lblAuteur.foreColor, RGB(250, 250, 255));
    p.ticks(p->tmrOuvrir2, 1);
    EXPECT_FALSE(p->tmrOuvrir2.enabled());
    EXPECT_EQ(p->imgVyr.top, -30);
    EXPECT_EQ(p->lblAuteur.foreColor, RGB(255, 255, 255));
    EXPECT_EQ(p->backColor, RGB(0, 0, 250));

    // The prompt first shows half a second after the logo stops, then blinks.
    EXPECT_FALSE(p->lblTouche.visible);
    p.waitMs(499);
    EXPECT_FALSE(p->lblTouche.visible);
    p.waitMs(1);
    EXPECT_TRUE(p->lblTouche.visible);
    p.waitMs(500);
    EXPECT_FALSE(p->lblTouche.visible);
    p.waitMs(500);
    EXPECT_TRUE(p->lblTouche.visible);
}

TEST(Title, SpaceClearsTheTitleAndFadesToTheNameEntry) {
    Player p;
    reachPrompt(p);
    p.waitMs(1000); // the prompt is hidden at this moment: space acts all the same
    ASSERT_FALSE(p->lblTouche.visible);
    p.press(Key::Space);
    EXPECT_FALSE(p->lblAuteur.visible);
    EXPECT_FALSE(p->imgVyr.visible);
    EXPECT_FALSE(p->lblTouche.visible);
    EXPECT_EQ(p->backColor, RGB(0, 0, 250));

    // The fade counts down from the logo's level 255, not from the 250 shown.
    p.ticks(p->tmrFermer, 1);
    EXPECT_EQ(p->backColor, RGB(0, 0, 205));
    p.ticks(p->tmrFermer, 4);
    EXPECT_EQ(p->backColor, RGB(0, 0, 5));
    EXPECT_FALSE(p->fraNom.visible);
    p.ticks(p->tmrFermer, 1);
    EXPECT_FALSE(p->tmrFermer.enabled());
    EXPECT_EQ(p->backColor, RGB(0, 0, 0));
    EXPECT_TRUE(p->fraNom.visible);
    EXPECT_TRUE(p->lblNom(7).visible);
    EXPECT_EQ(p->fraNom.backColor, RGB(0, 0, 0));
    EXPECT_EQ(p->intMode, 0);

    // The prompt has stopped blinking for good.
    p.waitMs(3000);
    EXPECT_FALSE(p->lblTouche.visible);
}

TEST(Title, EscFadesToBlackAndEndsTheProgram) {
    Player p;
    reachPrompt(p);
    p.waitMs(500);
    ASSERT_TRUE(p->lblTouche.visible);
    p.press(Key::Esc);
    EXPECT_FALSE(p->lblTouche.visible);
    EXPECT_FALSE(p->lblAuteur.visible);
    EXPECT_FALSE(p->imgVyr.visible);
    p.ticks(p->tmrFermer3, 1);
    EXPECT_EQ(p->backColor, RGB(0, 0, 205));
    p.ticks(p->tmrFermer3, 4);
    EXPECT_EQ(p->backColor, RGB(0, 0, 5));
    EXPECT_FALSE(p->ended());
    p.ticks(p->tmrFermer3, 1);
    EXPECT_TRUE(p->ended());
    EXPECT_EQ(p->backColor, RGB(0, 0, 0));
    EXPECT_FALSE(p->timers.nextDue().has_value());
}

TEST(Title, KeysDuringASequenceAreIgnoredAndNotRemembered) {
    Player p;
    // During the background fade-in.
    p.ticks(p->tmrOuvrir, 5);
    auto before = p.screen();
    p.press({Key::Space, Key::Esc});
    EXPECT_EQ(p.screen(), before);
    EXPECT_FALSE(p->tmrFermer.enabled());
    EXPECT_FALSE(p->tmrFermer3.enabled());
    // While the logo slides in.
    p.ticksUntilStopped(p->tmrOuvrir);
    p.ticks(p->tmrOuvrir2, 10);
    p.press({Key::Esc, Key::Space});
    EXPECT_FALSE(p->tmrFermer.enabled());
    EXPECT_FALSE(p->tmrFermer3.enabled());
    EXPECT_TRUE(p->lblAuteur.visible);
    // Once the prompt blinks, nothing pressed earlier comes back.
    p.ticksUntilStopped(p->tmrOuvrir2);
    p.waitMs(3000);
    EXPECT_FALSE(p->ended());
    EXPECT_FALSE(p->fraNom.visible);
    EXPECT_TRUE(p->imgVyr.visible);
    EXPECT_EQ(p->backColor, RGB(0, 0, 250));
}

TEST(Title, SpaceThenEscQuicklyOnlySpaceActs) {
    Player p;
    reachPrompt(p);
    p.press({Key::Space, Key::Esc});
    EXPECT_TRUE(p->tmrFermer.enabled());
    EXPECT_FALSE(p->tmrFermer3.enabled());
    p.ticks(p->tmrFermer, 3);
    p.press(Key::Esc);
    EXPECT_FALSE(p->tmrFermer3.enabled());
    p.ticksUntilStopped(p->tmrFermer);
    // Still ignored while the name entry fades in.
    p.ticks(p->tmrLblNom, 4);
    p.press(Key::Esc);
    EXPECT_FALSE(p->tmrLblNom3.enabled());
    EXPECT_EQ(p.ticksUntilStopped(p->tmrLblNom), 9);
    EXPECT_FALSE(p->ended());
    EXPECT_EQ(p->intMode, 1);
    EXPECT_FALSE(p->tmrLblNom3.enabled());
}
