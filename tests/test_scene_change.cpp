// Doors, the cave passage and screen flips, behind the closing and opening curtains.
#include "WorldPlay.h"

namespace {
using Curtains = std::array<int, 4>;

Curtains curtains(FrmIntro& w) {
    return {w.fraLieu.height, w.fraLieu2.top, w.fra1(0).width, w.fra1(1).left};
}
constexpr Curtains kAtRest{15, 9000, 375, 11640};

void expectHeroDrawnInItsCell(Player& p, int drift) {
    EXPECT_EQ(
        (std::array{p->imgHaut.left, p->imgHaut.top}),
        (std::array{195 + (p->intColonne - 1) * 1285 + 10, (p->intLigne - 1) * 1285 + drift}));
    EXPECT_EQ((std::array{p->imgDroit.left, p->imgDroit.top}),
              (std::array{p->imgHaut.left, p->imgHaut.top}));
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
    EXPECT_EQ(curtains(p.game()), kAtRest);
    EXPECT_EQ(p->imgHaut.top, heroTop);
    // The step finishes on the other side.
    p.ticks(p->tmrI, 4);
    EXPECT_FALSE(p->tmrI.enabled());
    EXPECT_EQ(p->imgHaut.top, heroTop - 4 * 257);
}

// Through a door or passage the hero keeps its map position in the new area, beside the
// counterpart it must never land on, and the curtains are back at rest.
TEST(SceneChange, EveryDoorAndThePassageLeadBothWays) {
    Player p;
    startWalking(p);
    // The locked door "p" hides the way to the first house door: open it first.
    const int lockedDoor = 10 * 49 + 13;
    walkTo(p, {0, lockedDoor + 49});
    p->varPorteForet = p->varPorteGrotte = 1;
    loadArea(p.game(), 0);
    struct Way {
        int area, door, beyond, counterpart;
    };
    std::vector<Way> ways;
    for (int door :
         {5 * 49 + 25, 5 * 49 + 30, lockedDoor, 16 * 49 + 34, 19 * 49 + 12, 19 * 49 + 41})
        ways.insert(ways.end(), {{0, door, 1, door + 49}, {1, door + 49, 0, door}});
    const int passage = 3 * 49 + 41, caveDoor = 18 * 49 + 17;
    ways.insert(ways.end(), {{0, passage, 2, passage + 1},
                             {2, caveDoor, 3, caveDoor + 49},
                             {3, caveDoor + 49, 2, caveDoor},
                             {2, passage + 1, 0, passage}});
    for (const Way& way : ways) {
        enter(p, {way.area, way.door});
        EXPECT_EQ(heroPlace(p.game()), (Place{way.beyond, way.door}));
        EXPECT_FALSE(changesScene(tileAt(p.game(), way.door)));
        EXPECT_TRUE(changesScene(tileAt(p.game(), way.counterpart)));
        EXPECT_EQ(curtains(p.game()), kAtRest);
    }
}

TEST(SceneChange, TheViewFlipsAcrossEachEdgeAndBack) {
    auto at = [](int row, int column) { return (row - 1) * 49 + column; };
    struct Crossing {
        int from;
        int16 arrow, back;
        int delta, offsetChange;
        int16 row, column;
        Picture FrmIntro::*facing;
    };
    const Crossing crossings[] = {
        {at(12, 10), Key::Right, Key::Left, 1, 9, 5, 1, &FrmIntro::imgDroit},
        {at(12, 11), Key::Left, Key::Right, -1, -9, 5, 9, &FrmIntro::imgGauche},
        {at(7, 6), Key::Down, Key::Up, 49, 343, 1, 5, &FrmIntro::imgBas},
        {at(8, 6), Key::Up, Key::Down, -49, -343, 7, 5, &FrmIntro::imgHaut},
    };
    Player p;
    startWalking(p);
    for (const Crossing& c : crossings) {
        walkTo(p, {0, c.from});
        const int offset = p->intMapOffset;
        const std::array cell{p->intLigne, p->intColonne};
        // Seven rows are 8995 twips and the hero moves 9000: 5 twips of drift per flip.
        const int drift = p->imgHaut.top - (p->intLigne - 1) * 1285;
        step(p, c.arrow);
        EXPECT_EQ(p->intMapOffset, offset + c.offsetChange);
        EXPECT_EQ(heroPosition(p.game()), c.from + c.delta);
        EXPECT_EQ((std::array{p->intLigne, p->intColonne}), (std::array{c.row, c.column}));
        expectHeroDrawnInItsCell(p, drift - 5 * (c.delta / 49));
        for (Picture FrmIntro::*hero :
             {&FrmIntro::imgHaut, &FrmIntro::imgBas, &FrmIntro::imgGauche, &FrmIntro::imgDroit})
            EXPECT_EQ((p.game().*hero).visible, hero == c.facing);
        EXPECT_TRUE(p->imgSprite(1).visible && p->imgSprite(63).visible);
        EXPECT_EQ(curtains(p.game()), kAtRest);
        step(p, c.back);
        EXPECT_EQ(p->intMapOffset, offset);
        EXPECT_EQ((std::array{p->intLigne, p->intColonne}), cell);
        expectHeroDrawnInItsCell(p, drift);
    }
}
