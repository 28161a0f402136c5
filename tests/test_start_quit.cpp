// Starting a game after the name entry, and quitting it with Esc.
#include "WorldPlay.h"

TEST(StartQuit, TheStartFadeShowsFourShadesThenTheIsland) {
    Player p;
    reachGame(p);
    std::vector<Color> shades;
    for (int i = 0; i < 4; ++i) {
        p.ticks(p->tmrFermer2, 1);
        shades.push_back(p->backColor);
    }
    EXPECT_EQ(shades, (std::vector{RGB(0, 50, 0), RGB(0, 100, 0), RGB(0, 150, 0), RGB(0, 200, 0)}));
    EXPECT_FALSE(p->tmrFermer2.enabled());
    EXPECT_TRUE(p->tmrCurseur.enabled());
    EXPECT_EQ(p->intMode, 2);
    EXPECT_TRUE(p->lblMessage.visible && p->lblFont.visible);
    EXPECT_EQ(p->lblMessage.caption, "L'épée légendaire se trouve sur cette île. Vous devez la "
                                     "trouver! Pour accéder au menu, appuyez sur <<M>>.");
    // The hero stands on grass at view (3, 2), drawn facing right.
    EXPECT_EQ((std::array{p->intLigne, p->intColonne, p->intMapOffset}),
              (std::array<int16, 3>{3, 2, 1}));
    EXPECT_EQ(heroPosition(p.game()), 2 * 49 + 3);
    EXPECT_EQ((std::array{p->imgHaut.left, p->imgHaut.top, p->imgDroit.left, p->imgDroit.top}),
              (std::array{1490, 2570, 1490, 2570}));
    EXPECT_TRUE(p->imgDroit.visible);
    EXPECT_FALSE(p->imgHaut.visible || p->imgBas.visible || p->imgGauche.visible);
    EXPECT_EQ(p->varPas, 1);
    // The menu's help labels take the menu colour; the values and the inventory not yet.
    EXPECT_EQ(p->intMenuB, 100);
    for (int i = 0; i <= 5; ++i)
        EXPECT_EQ(p->lblAide(i).backColor, RGB(0, 0, 100)) << i;
    EXPECT_EQ(p->lblAide(6).backColor, RGB(0, 0, 128));
    EXPECT_EQ(p->lblObjet(0).backColor, RGB(0, 0, 128));
    EXPECT_EQ(p->lblItem.backColor, RGB(0, 0, 100));
    EXPECT_EQ(p->lblMessage.backColor, RGB(0, 0, 100));

    // The opening message holds the hero until it is dismissed.
    p.press(Key::Right);
    p.waitMs(200);
    EXPECT_EQ(p->intColonne, 2);
    EXPECT_EQ(p->intDirX, 0);
}

TEST(StartQuit, EscWaitsForTheIslandThenFadesOut) {
    Player p;
    reachGame(p);
    p.ticks(p->tmrFermer2, 2);
    p.press(Key::Esc);
    EXPECT_FALSE(p->tmrFermer9.enabled());
    p.ticksUntilStopped(p->tmrFermer2);
    EXPECT_TRUE(p->imgSprite(1).visible);

    p->fraAide.visible = true; // the menu is open
    p.press(Key::Esc);
    EXPECT_TRUE(p->tmrFermer9.enabled());
    EXPECT_FALSE(p->fraAide.visible || p->lblMessage.visible || p->lblFont.visible);
    EXPECT_FALSE(p->tmrCurseur.enabled());
    for (int i = 1; i <= 72; ++i)
        EXPECT_FALSE(p->imgSprite(i).visible);
    EXPECT_FALSE(p->imgDroit.visible);
    std::vector<int> greens;
    while (p->tmrFermer9.enabled() && !p->ended()) {
        p.ticks(p->tmrFermer9, 1);
        greens.push_back(p->backColor.g);
        p.press(Key::Esc); // a second Esc changes nothing
    }
    EXPECT_EQ(greens, (std::vector{170, 140, 110, 80, 50, 20, 0}));
    EXPECT_TRUE(p->ended());
}

TEST(StartQuit, TheQuitFadeTakesTheAreasColourToBlack) {
    struct Area {
        int16 lieu;
        void (FrmIntro::*load)();
        int ticks;
    };
    for (Area a : {Area{0, &FrmIntro::procLoadForêt, 7}, Area{1, &FrmIntro::procLoadCouloir, 1},
                   Area{3, &FrmIntro::procLoadSalle, 2}, Area{2, &FrmIntro::procLoadGrotte, 2}}) {
        Player p;
        startWalking(p);
        p->intLieu = a.lieu;
        (p.game().*a.load)();
        p->procLoadMap();
        p.press(Key::Esc);
        EXPECT_EQ(p.ticksUntilStopped(p->tmrFermer9), a.ticks) << "area " << a.lieu;
        EXPECT_TRUE(p->ended());
        EXPECT_EQ(p->backColor, RGB(0, 0, 0));
    }
}
