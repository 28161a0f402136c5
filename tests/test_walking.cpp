// The hero's steps: the arrow keys, the five ticks of a step, walls and wading.
#include "WorldPlay.h"

TEST(Walking, AStepTakesFiveTicksAndOneTile) {
    Player p;
    startWalking(p);
    p.press(Key::Right);
    EXPECT_TRUE(p->imgDroit.visible);
    EXPECT_FALSE(p->imgHaut.visible || p->imgBas.visible || p->imgGauche.visible);
    p.ticks(p->tmrI, 1);
    // The hero's cell changes on the first tick; the pictures slide a fifth of a tile.
    EXPECT_EQ(p->intColonne, 3);
    EXPECT_EQ(p->imgDroit.left, 1490 + 257);
    p.press({Key::Down, Key::Right, Key::Left}); // dropped while the step is under way
    p.ticks(p->tmrI, 4);
    EXPECT_FALSE(p->tmrI.enabled());
    EXPECT_EQ((std::array{p->intLigne, p->intColonne}), (std::array<int16, 2>{3, 3}));
    for (const Picture* hero : {&p->imgHaut, &p->imgBas, &p->imgGauche, &p->imgDroit})
        EXPECT_EQ((std::array{hero->left, hero->top}), (std::array{1490 + 1285, 2570}));
    EXPECT_EQ(p->varPas, 1);
    EXPECT_EQ((std::array{p->intPasY, p->intPasX, p->intDeplY, p->intDeplX}),
              (std::array<int16, 4>{0, 0, 0, 0}));
    EXPECT_EQ((std::array{p->intDirY, p->intDirX}), (std::array<int16, 2>{0, 1}));
    EXPECT_EQ(p->imgDroit.picture, Art::Perso4);

    // Down into the water: the hero only turns.
    p.press(Key::Down);
    p.ticks(p->tmrI, 1);
    EXPECT_FALSE(p->tmrI.enabled());
    EXPECT_EQ((std::array{p->intLigne, p->intColonne}), (std::array<int16, 2>{3, 3}));
    EXPECT_TRUE(p->imgBas.visible);
    EXPECT_FALSE(p->imgDroit.visible);
    EXPECT_EQ(p->imgBas.left, 1490 + 1285);
    EXPECT_EQ((std::array{p->intDirY, p->intDirX}), (std::array<int16, 2>{1, 0}));
    EXPECT_EQ(p->varPas, 1);
}

TEST(Walking, ArrowsWaitForTheMessageAndTheMenu) {
    Player p;
    startGame(p);
    p.press(Key::Down);
    EXPECT_FALSE(p->tmrI.enabled());
    dismissMessage(p);
    p->fraAide.visible = true; // the menu is open
    p.press(Key::Down);
    EXPECT_FALSE(p->tmrI.enabled());
    EXPECT_EQ(p->intDirY, 0);
    p->fraAide.visible = false;
    step(p, Key::Right);
    EXPECT_EQ(p->intColonne, 3);
    // A held arrow repeats faster than the hero steps: one tile per step.
    for (int i = 0; i < 9; ++i) {
        p.press(Key::Right);
        p.waitMs(10);
    }
    settle(p);
    EXPECT_EQ(p->intColonne, 4);
}

TEST(Walking, WadingThroughTheCorridorsPathChangesTheHero) {
    Player p;
    startWalking(p);
    enter(p, {0, 19 * 49 + 12}); // the forest house door at row 20, column 12
    ASSERT_EQ(p->intLieu, 1);
    // Up onto the corridor's path "A": the wading pictures from the first tick.
    p.press(Key::Up);
    p.ticks(p->tmrI, 1);
    EXPECT_EQ(viewTile(p.game(), p->intLigne, p->intColonne), 'A');
    EXPECT_EQ((std::array{p->imgHaut.picture, p->imgBas.picture, p->imgGauche.picture,
                          p->imgDroit.picture}),
              (std::array{Art::Perso5, Art::Perso6, Art::Perso7, Art::Perso8}));
    settle(p);
    // Back down onto the floor: the first tick restores the usual pictures.
    p.press(Key::Down);
    p.ticks(p->tmrI, 1);
    EXPECT_EQ((std::array{p->imgHaut.picture, p->imgBas.picture, p->imgGauche.picture,
                          p->imgDroit.picture}),
              (std::array{Art::Perso1, Art::Perso2, Art::Perso3, Art::Perso4}));
}
