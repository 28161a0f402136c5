// The bubble over the hero: which of the four shows for each faced tile and the items
// held. Where it stands over the hero is held by the digests of the recorded games.
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

TEST(Cursor, EachTileAndItemHeldShowsItsBubble) {
    const Flags none, all = allBut(nullptr), water{&GameState::varEau},
                      bucket{&GameState::varSceau},
                      filled{&GameState::varSceau, &GameState::varEau};
    struct Row {
        char tile;
        Flags held;
        std::string shown;
    };
    // A locked chest or door adds the key once its own key is held, and only then.
    const Row rows[] = {
        {'1', none, "1"},  {'2', none, "2"},
        {'s', none, ""},   {'s', water, "3"},
        {'E', none, "0"},  {'E', bucket, "2"},
        {'E', filled, ""}, {'4', all, "0"},
        {'7', all, "0"},   {'8', allBut(&GameState::varCoffre6), "0"},
        {'8', all, "03"},  {'5', allBut(&GameState::varCleMage), "0"},
        {'5', all, "03"},  {'9', allBut(&GameState::varCoffre7), "0"},
        {'9', all, "03"},  {'6', allBut(&GameState::varCoffre5), "0"},
        {'6', all, "03"},  {'p', allBut(&GameState::varCoffre4), "0"},
        {'p', all, "03"},
    };
    for (const Row& row : rows) {
        Player p;
        hold(p.game(), row.held);
        EXPECT_EQ(cursorsFacing(p, row.tile), row.shown) << row.tile;
    }
    Player p;
    for (char seen : std::string("C8FSc76549p"))
        EXPECT_EQ(cursorsFacing(p, seen), "0") << seen;
    // An open door only from below.
    EXPECT_EQ(cursorsFacing(p, 'P', -1, 0), "0");
    EXPECT_EQ(cursorsFacing(p, 'P', 1, 0) + cursorsFacing(p, 'P', 0, 1) +
                  cursorsFacing(p, 'P', 0, -1),
              "");
}
