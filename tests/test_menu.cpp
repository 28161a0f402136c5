// The menu: opening and closing, the two hints, the colour keys and the inventory.
#include "QuestScene.h"
#include "WorldPlay.h"

TEST(Menu, ColourKeysActOnlyWhileTheMenuIsOpen) {
    Player p;
    faceTile(p, 'a');
    p->intMenuB = 100;
    p.press({Key::R, Key::V, Key::B});
    EXPECT_EQ(p->intMenuR + p->intMenuV, 0);
    EXPECT_EQ(p->intMenuB, 100);
    p.press(Key::M); // opening does not recolour
    EXPECT_EQ(p->lblObjet(0).backColor, RGB(0, 0, 128));
    p.press({Key::V, Key::B, Key::B});
    EXPECT_EQ(p->lblAide(7).caption, "1");
    EXPECT_EQ(p->lblAide(8).caption, "102");
    const Color colour = RGB(0, 1, 102);
    for (const Label* l : {&p->lblObjet(0), &p->lblObjet(7), &p->lblAide(0), &p->lblAide(8),
                           &p->lblMessage, &p->lblItem})
        EXPECT_EQ(l->backColor, colour);
    EXPECT_EQ(p->lblFont.backColor, RGB(255, 255, 0));

    for (int i = 0; i < 255; ++i)
        p.press(Key::R);
    EXPECT_EQ(p->lblAide(6).caption, "255");
    p.press(Key::R);
    EXPECT_EQ(p->lblAide(6).caption, "0");
    EXPECT_EQ(p->lblAide(6).backColor, RGB(0, 1, 102));
    // Arrows and the action key wait for the menu to close.
    faceTile(p, '1');
    p.press(Key::Space);
    EXPECT_FALSE(p->lblMessage.visible);
    p.press({Key::M, Key::Space});
    EXPECT_TRUE(p->lblMessage.visible);
}

TEST(Menu, TheInventoryFollowsEveryKeyPress) {
    Player p;
    // Even on the title, and for a key that does nothing.
    p->varCoffre6 = 1;
    p->varSceau = 1;
    p.press(Key::Other);
    EXPECT_TRUE(p->lblObjet(4).visible);
    EXPECT_TRUE(p->lblObjet(6).visible);
    EXPECT_FALSE(p->lblObjet(7).visible);
    p->varEau = 1;
    p->varCoffre4 = p->varCleMage = p->varCoffre5 = p->varCoffre7 = p->varCoffre8 = 1;
    p.press(Key::Other);
    for (int i = 0; i <= 7; ++i)
        EXPECT_TRUE(p->lblObjet(i).visible) << i;
    // The switch keeps the bucket and its water; keys stay listed.
    p->varSwitche = 1;
    p.press(Key::Other);
    EXPECT_FALSE(p->lblObjet(6).visible);
    EXPECT_FALSE(p->lblObjet(7).visible);
    for (int i = 0; i <= 5; ++i)
        EXPECT_TRUE(p->lblObjet(i).visible) << i;
}

TEST(Menu, TheFirstOpeningKeepsTheStartColoursUntilAKeyIsPressedInIt) {
    Player p;
    startGame(p);
    p.press(Key::M);
    ASSERT_TRUE(p->fraAide.visible);
    for (int i = 0; i <= 5; ++i)
        EXPECT_EQ(p->lblAide(i).backColor, RGB(0, 0, 100)) << i;
    for (int i = 6; i <= 8; ++i)
        EXPECT_EQ(p->lblAide(i).backColor, RGB(0, 0, 128)) << i;
    EXPECT_EQ(p->lblObjet(0).backColor, RGB(0, 0, 128));
    EXPECT_EQ(p->lblAide(6).caption + p->lblAide(7).caption + p->lblAide(8).caption, "00100");
    // No door on the first screen, no cursor over the hero.
    EXPECT_FALSE(p->lblAide(0).visible);
    EXPECT_FALSE(p->lblAide(2).visible);
    p.press(Key::M);
    for (int i = 0; i <= 8; ++i)
        EXPECT_EQ(p->lblAide(i).backColor, RGB(0, 0, 100)) << i;
    EXPECT_EQ(p->lblObjet(7).backColor, RGB(0, 0, 100));
}

TEST(Menu, HintsForADoorOnScreenAndTheCursorOverTheHero) {
    Player p;
    startWalking(p);
    walkTo(p, {0, 1070});
    step(p, Key::Up); // below a house door: the question mark shows
    p.press(Key::M);
    EXPECT_TRUE(p->lblAide(0).visible);
    EXPECT_TRUE(p->lblAide(2).visible);
    p.press(Key::M);
    // Indoors the doors are drawn otherwise and give no hint.
    walkTo(p, {1, 924});
    step(p, Key::Left);
    p.press(Key::M);
    EXPECT_FALSE(p->lblAide(0).visible);
    EXPECT_FALSE(p->lblAide(2).visible);
}

TEST(Menu, MAndEscDoNothingDuringASceneChangeOrTheQuitFade) {
    Player p;
    startWalking(p);
    enter(p, {0, 972});
    walkTo(p, {1, 972});
    p.press(Key::Down); // onto the corridor's door
    p.ticks(p->tmrI, 1);
    ASSERT_TRUE(p->tmrChangeLieu.enabled());
    p.press({Key::M, Key::Esc});
    EXPECT_FALSE(p->fraAide.visible);
    EXPECT_FALSE(p->tmrFermer9.enabled());
    settle(p);
    p.press(Key::Esc);
    ASSERT_TRUE(p->tmrFermer9.enabled());
    p.press(Key::M);
    EXPECT_FALSE(p->fraAide.visible);
}
