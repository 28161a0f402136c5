// The bubble over the hero: which of the four shows for each faced tile and the
// items held, and where it stands.
#include "QuestScene.h"

namespace {
// The cursors shown after one tick, by index: "03" is the question mark and the key.
std::string cursorsFacing(Player& p, char tile, int16 dirY = 0, int16 dirX = 1) {
    faceTile(p, tile, dirY, dirX);
    p->tmrCurseur.setEnabled(true);
    p.ticks(p->tmrCurseur, 1);
    std::string shown;
    for (int k = 0; k <= 3; ++k)
        if (p->imgCurseur(k).visible) shown += static_cast<char>('0' + k);
    return shown;
}
} // namespace

TEST(Cursor, EachTileShowsItsBubble) {
    Player p;
    EXPECT_EQ(cursorsFacing(p, '1'), "1");
    EXPECT_EQ(cursorsFacing(p, '2'), "2");
    EXPECT_EQ(cursorsFacing(p, 'a'), "");
    EXPECT_EQ(cursorsFacing(p, 'Y'), "");
    for (char seen : std::string("C8FSc76549p"))
        EXPECT_EQ(cursorsFacing(p, seen), "0") << seen;
}

TEST(Cursor, TheKeyShowsOnceTheRightItemIsHeld) {
    Player p;
    EXPECT_EQ(cursorsFacing(p, 's'), "");
    p->varEau = 1;
    EXPECT_EQ(cursorsFacing(p, 's'), "3");
    // Each closed chest or locked door adds the key once its own key is held; the key
    // shares the question mark's place, under it.
    const std::pair<char, int16 GameState::*> locks[] = {{'8', &GameState::varCoffre6},
                                                         {'5', &GameState::varCleMage},
                                                         {'9', &GameState::varCoffre7},
                                                         {'6', &GameState::varCoffre5},
                                                         {'p', &GameState::varCoffre4}};
    for (auto [tile, key] : locks) {
        EXPECT_EQ(cursorsFacing(p, tile), "0") << tile;
        p.game().*key = 1;
        EXPECT_EQ(cursorsFacing(p, tile), "03") << tile;
        p.game().*key = 0;
    }
    p->varCleMage = p->varCoffre4 = p->varCoffre5 = p->varCoffre6 = p->varCoffre7 = 1;
    EXPECT_EQ(cursorsFacing(p, '4'), "0"); // no key opens the blue-key chest
    EXPECT_EQ(cursorsFacing(p, '7'), "0");
    EXPECT_EQ(p->imgCurseur(3).left, p->imgCurseur(0).left);
}

TEST(Cursor, WaterAsksForTheBucketThenOffersToTakeSome) {
    Player p;
    EXPECT_EQ(cursorsFacing(p, 'E'), "0");
    p->varSceau = 1;
    EXPECT_EQ(cursorsFacing(p, 'E'), "2");
    p->varEau = 1;
    EXPECT_EQ(cursorsFacing(p, 'E'), "");
}

TEST(Cursor, AnOpenDoorIsMarkedOnlyWhenSeenFromBelow) {
    Player p;
    EXPECT_EQ(cursorsFacing(p, 'P', -1, 0), "0");
    EXPECT_EQ(cursorsFacing(p, 'P', 1, 0), "");
    EXPECT_EQ(cursorsFacing(p, 'P', 0, 1), "");
    EXPECT_EQ(cursorsFacing(p, 'P', 0, -1), "");
}

TEST(Cursor, FloatsAboveTheHeroAndFollowsHim) {
    Player p;
    faceTile(p, '1');
    p->imgHaut.left = 1490;
    p->imgHaut.top = 2570;
    p->tmrCurseur.setEnabled(true);
    p.ticks(p->tmrCurseur, 1);
    EXPECT_EQ(p->imgCurseur(1).left, 1590);
    EXPECT_EQ(p->imgCurseur(1).top, 2020);
    p->imgHaut.left += 257;
    p.ticks(p->tmrCurseur, 1);
    EXPECT_EQ(p->imgCurseur(1).left, 1847);
    EXPECT_EQ(p->imgCurseur(2).left, 1847); // hidden ones move along
}

TEST(Cursor, NothingShowsOffTheMapOrBeforeTheGameIsSetUp) {
    Player p;
    // Before the set-up the map is empty and the position is the fade level.
    p->intLigne = 50;
    p->tmrCurseur.setEnabled(true);
    p.ticks(p->tmrCurseur, 3);
    for (int k = 0; k <= 3; ++k)
        EXPECT_FALSE(p->imgCurseur(k).visible);
    // A faced position before the map's first character holds nothing, even where
    // the map is read back from its end.
    faceTile(p, 'a');
    p->strMap.back() = '1';
    p->intLigne = 0;
    p->intColonne = 1;
    p->intDirY = 0;
    p->intDirX = -1;
    p.ticks(p->tmrCurseur, 1);
    EXPECT_FALSE(p->imgCurseur(1).visible);
}
