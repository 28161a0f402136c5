// The menu: the colour keys, the two hints, and when M and Esc are not taken. The colours
// of its first opening are held by the digests of the recorded games.
#include "WorldPlay.h"

TEST(Menu, OnlyKeysInsideItRecolourItAndEachColourWraps) {
    Player p;
    startGame(p);
    p.press({Key::R, Key::V, Key::B, Key::M});
    ASSERT_TRUE(p->fraAide.visible);
    p.press({Key::V, Key::B, Key::B});
    EXPECT_EQ(p->lblAide(7).caption + "," + p->lblAide(8).caption, "1,102");
    for (const Label* l : {&p->lblObjet(0), &p->lblObjet(7), &p->lblAide(0), &p->lblAide(8),
                           &p->lblMessage, &p->lblItem})
        EXPECT_EQ(l->backColor, RGB(0, 1, 102));
    EXPECT_EQ(p->lblFont.backColor, RGB(255, 255, 0));
    for (int i = 0; i < 256; ++i)
        p.press(Key::R);
    EXPECT_EQ(p->lblAide(6).caption, "0");
}

TEST(Menu, HintsForADoorAndTheCursorAndNoMenuDuringTheQuitFade) {
    Player p;
    // Even on the title a key that does nothing refreshes the inventory.
    p->varSceau = 1;
    p.press(Key::Other);
    EXPECT_TRUE(p->lblObjet(6).visible);
    startWalking(p);
    // The door and cursor hints shown by the menu, opened and closed again.
    auto hints = [&] {
        p.press(Key::M);
        const auto shown = std::pair(p->lblAide(0).visible, p->lblAide(2).visible);
        p.press(Key::M);
        return shown;
    };
    EXPECT_EQ(hints(), std::pair(false, false)); // no door and no cursor on the first screen
    walkTo(p, {0, 1070});
    step(p, Key::Up); // below a house door: the question mark shows
    EXPECT_EQ(hints(), std::pair(true, true));
    // Indoors the doors are drawn otherwise and give no hint.
    walkTo(p, {1, 924});
    step(p, Key::Left);
    EXPECT_EQ(hints(), std::pair(false, false));
    p.press(Key::Esc);
    ASSERT_TRUE(p->tmrFermer9.enabled());
    p.press(Key::M);
    EXPECT_FALSE(p->fraAide.visible);
}
