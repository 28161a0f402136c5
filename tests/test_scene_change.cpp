// The closing and opening curtains of a scene change. Where every door, the passage and
// every screen edge lead, the other curtains' steps and the rules at each rest (curtains
// back, the hero's pictures together on his column, never on a door) are checked along
// the recorded tour of tests/replays/doors.replay.
#include "WorldPlay.h"

TEST(SceneChange, CurtainsCloseSwitchTheAreaAndOpenWhileKeysWait) {
    Player p;
    startWalking(p);
    walkTo(p, {0, 20 * 49 + 12}); // under a house door
    p.press(Key::Up);
    p.ticks(p->tmrI, 1);
    EXPECT_FALSE(p->tmrI.enabled());
    const int heroTop = p->imgHaut.top;
    std::vector<int> heights;
    for (int i = 0; i < 8; ++i) {
        p.press({Key::Left, Key::Right, Key::Down, Key::Space, Key::M, Key::R, Key::Esc});
        EXPECT_FALSE(p->tmrFermer9.enabled() || p->fraAide.visible || p->tmrI.enabled());
        EXPECT_EQ(p->intDirY, -1);
        EXPECT_EQ(p->intLieu, i < 4 ? 0 : 1) << "the area changes behind closed curtains";
        p.ticks(i < 4 ? p->tmrChangeLieu : p->tmrChangeLieu2, 1);
        heights.push_back(p->fraLieu.height);
    }
    EXPECT_EQ(heights, (std::vector{1300, 2585, 3870, 5155, 3870, 2585, 1300, 15}));
    EXPECT_EQ(p->imgHaut.top, heroTop);
    // The step finishes on the other side.
    p.ticks(p->tmrI, 4);
    EXPECT_FALSE(p->tmrI.enabled());
    EXPECT_EQ(p->imgHaut.top, heroTop - 4 * 257);
}
