// The menu: opening and closing, the two hints, the colour keys and the inventory.
#include "QuestScene.h"

TEST(Menu, HintsAreDecidedWhenTheMenuOpens) {
    Player p;
    faceTile(p, 'a');
    p.press(Key::M);
    ASSERT_TRUE(p->fraAide.visible);
    EXPECT_FALSE(p->lblAide(0).visible); // no door: the arrows line shows instead
    EXPECT_TRUE(p->lblAide(3).visible);
    EXPECT_FALSE(p->lblAide(2).visible);
    p.press(Key::M);
    EXPECT_FALSE(p->fraAide.visible);

    // A door on screen and a cursor over the hero.
    p->imgSprite(40).picture = p->imgPorte.picture;
    faceTile(p, '1');
    p->tmrCurseur.setEnabled(true);
    p.ticks(p->tmrCurseur, 1);
    p.press(Key::M);
    EXPECT_TRUE(p->lblAide(0).visible);
    EXPECT_TRUE(p->lblAide(2).visible);
    // They stay as they were while the menu is open.
    p->imgSprite(40).picture = p->imgPorte2.picture;
    p->strMap = std::string(49 * 3, 'a');
    p.ticks(p->tmrCurseur, 1);
    p.press(Key::R);
    EXPECT_TRUE(p->lblAide(0).visible);
    EXPECT_TRUE(p->lblAide(2).visible);
    // The indoor door picture does not count.
    p.press({Key::M, Key::M});
    EXPECT_FALSE(p->lblAide(0).visible);
    EXPECT_FALSE(p->lblAide(2).visible);
}

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

TEST(Menu, MenuKeysWaitForASceneChangeAndStopDuringTheQuitFade) {
    Player p;
    faceTile(p, 'a');
    p->tmrChangeLieu.setEnabled(true);
    p.press(Key::M);
    EXPECT_FALSE(p->fraAide.visible);
    p->tmrChangeLieu.setEnabled(false);
    p.press(Key::M);
    ASSERT_TRUE(p->fraAide.visible);
    p->tmrChangeLieu2.setEnabled(true);
    p.press({Key::M, Key::R});
    EXPECT_TRUE(p->fraAide.visible);
    EXPECT_EQ(p->intMenuR, 0);
    p->tmrChangeLieu2.setEnabled(false);
    p->tmrFermer9.setEnabled(true);
    p.press(Key::M);
    EXPECT_TRUE(p->fraAide.visible);
}
