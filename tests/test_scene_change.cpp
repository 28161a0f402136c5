// Doors, the cave passage and screen flips, behind the closing and opening curtains. The
// rules checked at every rest (curtains back, the hero's pictures together and on his
// column, never on a door) are checked along the recorded tour of every door and edge.
#include "WorldPlay.h"

namespace {
using Curtains = std::array<int, 4>;

Curtains curtains(FrmIntro& w) {
    return {w.fraLieu.height, w.fraLieu2.top, w.fra1(0).width, w.fra1(1).left};
}
} // namespace

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
        if (i == 3) {
            EXPECT_EQ(curtains(p.game()), (Curtains{5155, 3860, 6375, 5640}));
        }
    }
    EXPECT_EQ(heights, (std::vector{1300, 2585, 3870, 5155, 3870, 2585, 1300, 15}));
    EXPECT_EQ(curtains(p.game()), (Curtains{15, 9000, 375, 11640}));
    EXPECT_EQ(p->imgHaut.top, heroTop);
    // The step finishes on the other side.
    p.ticks(p->tmrI, 4);
    EXPECT_FALSE(p->tmrI.enabled());
    EXPECT_EQ(p->imgHaut.top, heroTop - 4 * 257);
}

// Through a door or passage the hero keeps its map position in the new area, beside the
// counterpart.
TEST(SceneChange, EveryDoorAndThePassageLeadBothWays) {
    Player p;
    startWalking(p);
    // The locked door "p" hides the way to the first house door: open it first.
    const int lockedDoor = 10 * 49 + 13, passage = 3 * 49 + 41, caveDoor = 18 * 49 + 17;
    walkTo(p, {0, lockedDoor + 49});
    p->varPorteForet = p->varPorteGrotte = 1;
    loadArea(p.game(), 0);
    std::vector<std::array<int, 4>> ways; // area, door, area beyond, the counterpart there
    for (int door :
         {5 * 49 + 25, 5 * 49 + 30, lockedDoor, 16 * 49 + 34, 19 * 49 + 12, 19 * 49 + 41})
        ways.insert(ways.end(), {{0, door, 1, door + 49}, {1, door + 49, 0, door}});
    ways.insert(ways.end(), {{0, passage, 2, passage + 1},
                             {2, caveDoor, 3, caveDoor + 49},
                             {3, caveDoor + 49, 2, caveDoor},
                             {2, passage + 1, 0, passage}});
    for (const auto& [area, door, beyond, counterpart] : ways) {
        enter(p, {area, door});
        EXPECT_EQ(heroPlace(p.game()), (Place{beyond, door}));
        EXPECT_TRUE(changesScene(tileAt(p.game(), counterpart)));
    }
}

TEST(SceneChange, TheViewFlipsAcrossEachEdgeAndBack) {
    auto at = [](int row, int column) { return (row - 1) * 49 + column; };
    // From, arrow and back, change of position and of offset, view cell reached, facing.
    const std::tuple<int, int16, int16, int, int, int16, int16, Picture FrmIntro::*> crossings[] = {
        {at(12, 10), Key::Right, Key::Left, 1, 9, 5, 1, &FrmIntro::imgDroit},
        {at(12, 11), Key::Left, Key::Right, -1, -9, 5, 9, &FrmIntro::imgGauche},
        {at(7, 6), Key::Down, Key::Up, 49, 343, 1, 5, &FrmIntro::imgBas},
        {at(8, 6), Key::Up, Key::Down, -49, -343, 7, 5, &FrmIntro::imgHaut},
    };
    Player p;
    startWalking(p);
    for (const auto& [from, arrow, back, delta, offsetChange, row, column, facing] : crossings) {
        walkTo(p, {0, from});
        const int offset = p->intMapOffset;
        const std::array cell{p->intLigne, p->intColonne};
        // Seven rows are 8995 twips and the hero moves 9000: 5 twips of drift per flip.
        const int drift = p->imgHaut.top - (p->intLigne - 1) * 1285;
        step(p, arrow);
        EXPECT_EQ(p->intMapOffset, offset + offsetChange);
        EXPECT_EQ(heroPosition(p.game()), from + delta);
        EXPECT_EQ((std::array{p->intLigne, p->intColonne}), (std::array{row, column}));
        EXPECT_EQ(p->imgHaut.top, (row - 1) * 1285 + drift - 5 * (delta / 49));
        for (Picture FrmIntro::*hero :
             {&FrmIntro::imgHaut, &FrmIntro::imgBas, &FrmIntro::imgGauche, &FrmIntro::imgDroit})
            EXPECT_EQ((p.game().*hero).visible, hero == facing);
        EXPECT_TRUE(p->imgSprite(1).visible && p->imgSprite(63).visible);
        step(p, back);
        EXPECT_EQ(p->intMapOffset, offset);
        EXPECT_EQ((std::array{p->intLigne, p->intColonne}), cell);
        EXPECT_EQ(p->imgHaut.top, (p->intLigne - 1) * 1285 + drift);
    }
}
