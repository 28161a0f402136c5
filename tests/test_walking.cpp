// The hero's steps: the arrow keys, the five ticks of a step, walls and wading.
#include "WorldPlay.h"

namespace {
std::array<Art, 4> heroArt(Player& p) {
    return {p->imgHaut.picture, p->imgBas.picture, p->imgGauche.picture, p->imgDroit.picture};
}
} // namespace

TEST(Walking, AStepTakesFiveTicksAndKeysWaitForItTheMessageAndTheMenu) {
    Player p;
    startGame(p);
    p.press(Key::Down); // the opening message holds the hero, and so does the menu
    dismissMessage(p);
    p.press({Key::M, Key::Down});
    EXPECT_FALSE(p->tmrI.enabled());
    p.press({Key::M, Key::Right});
    p.ticks(p->tmrI, 1);
    // The hero's cell changes on the first tick; the pictures slide a fifth of a tile.
    EXPECT_EQ(p->intColonne, 3);
    EXPECT_EQ(p->imgDroit.left, 1490 + 257);
    p.press({Key::Down, Key::Right, Key::Left});
    p.ticks(p->tmrI, 4);
    EXPECT_FALSE(p->tmrI.enabled());
    EXPECT_EQ((std::array{p->intLigne, p->intColonne, p->intDirX}),
              (std::array<int16, 3>{3, 3, 1}));
    for (const Picture* hero : {&p->imgHaut, &p->imgBas, &p->imgGauche, &p->imgDroit})
        EXPECT_EQ((std::array{hero->left, hero->top}), (std::array{1490 + 1285, 2570}));
    // Down into the water: the hero only turns.
    step(p, Key::Down);
    EXPECT_EQ((std::array{p->intLigne, p->intColonne, p->intDirY}),
              (std::array<int16, 3>{3, 3, 1}));
    EXPECT_TRUE(p->imgBas.visible && !p->imgDroit.visible);
    EXPECT_EQ(p->imgBas.left, 1490 + 1285);
}

TEST(Walking, WadingThroughTheCorridorsPathChangesTheHero) {
    Player p;
    startWalking(p);
    enter(p, {0, 19 * 49 + 12});
    p.press(Key::Up); // onto the corridor's path "A"
    p.ticks(p->tmrI, 1);
    EXPECT_EQ(viewTile(p.game(), p->intLigne, p->intColonne), 'A');
    EXPECT_EQ(heroArt(p), (std::array{Art::Perso5, Art::Perso6, Art::Perso7, Art::Perso8}));
    settle(p);
    p.press(Key::Down);
    p.ticks(p->tmrI, 1);
    EXPECT_EQ(heroArt(p), (std::array{Art::Perso1, Art::Perso2, Art::Perso3, Art::Perso4}));
}
