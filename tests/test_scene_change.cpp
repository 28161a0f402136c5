// Doors, the cave passage and screen flips, behind the closing and opening curtains.
#include "WorldPlay.h"

namespace {
using Geometry = std::array<int, 6>;

Geometry curtains(FrmIntro& w) {
    return {w.fraLieu.height, w.fraLieu2.top, w.fra1(0).width,
            w.fra1(1).left,   w.fraLieu.top,  w.fra1(0).left};
}
constexpr Geometry kCurtainsAtRest{15, 9000, 375, 11640, -15, 0};

// Through a door or passage: the hero keeps its map position in the new area, next to
// the counterpart it must never land on, and the curtains are back at rest.
void expectArrival(Player& p, int area, int position, int counterpart) {
    EXPECT_EQ(p->intLieu, area);
    EXPECT_EQ(heroPosition(p.game()), position);
    EXPECT_FALSE(changesScene(tileAt(p.game(), position)));
    EXPECT_TRUE(changesScene(tileAt(p.game(), counterpart)));
    const int apart = std::abs(counterpart - position);
    EXPECT_TRUE(apart == 1 || apart == 49) << position << " and " << counterpart;
    EXPECT_EQ(curtains(p.game()), kCurtainsAtRest);
    EXPECT_EQ(p->varPas, 1);
}

void reload(Player& p, void (FrmIntro::*load)()) {
    (p.game().*load)();
    p->procLoadMap();
}
} // namespace

TEST(SceneChange, CurtainsCloseSwitchTheAreaAndOpenWhileKeysWait) {
    Player p;
    startWalking(p);
    walkTo(p, {0, 20 * 49 + 12}); // under a house door
    p.press(Key::Up);
    p.ticks(p->tmrI, 1);
    EXPECT_FALSE(p->tmrI.enabled());
    EXPECT_TRUE(p->tmrChangeLieu.enabled());
    EXPECT_EQ(p->varPas, 2);
    const int heroTop = p->imgHaut.top;
    const int16 dirY = p->intDirY;
    std::vector<int> heights;
    for (int i = 0; i < 8; ++i) {
        p.press({Key::Left, Key::Right, Key::Down, Key::Space, Key::M, Key::R, Key::V, Key::B,
                 Key::Esc});
        EXPECT_FALSE(p->tmrFermer9.enabled() || p->fraAide.visible || p->tmrI.enabled());
        EXPECT_EQ(p->intDirY, dirY);
        EXPECT_EQ(p->intLieu, i < 4 ? 0 : 1) << "the area changes behind closed curtains";
        p.ticks(i < 4 ? p->tmrChangeLieu : p->tmrChangeLieu2, 1);
        heights.push_back(p->fraLieu.height);
    }
    EXPECT_EQ(heights, (std::vector{1300, 2585, 3870, 5155, 3870, 2585, 1300, 15}));
    EXPECT_EQ(curtains(p.game()), kCurtainsAtRest);
    EXPECT_EQ(p->intLieu, 1);
    EXPECT_EQ(p->imgHaut.top, heroTop);
    // The step finishes on the other side.
    EXPECT_TRUE(p->tmrI.enabled());
    p.ticks(p->tmrI, 4);
    EXPECT_FALSE(p->tmrI.enabled());
    EXPECT_EQ(p->imgHaut.top, heroTop - 4 * 257);
}

TEST(SceneChange, EveryDoorAndThePassageLeadBothWays) {
    Player p;
    startWalking(p);
    // The door "p" is locked until the blue key opens it, and the first house door can
    // only be reached through the hallway behind it: open it first.
    const int lockedDoor = 10 * 49 + 13;
    walkTo(p, {0, lockedDoor + 49});
    p->varPorteForet = 1;
    reload(p, &FrmIntro::procLoadForêt);
    for (int door :
         {5 * 49 + 25, 5 * 49 + 30, lockedDoor, 16 * 49 + 34, 19 * 49 + 12, 19 * 49 + 41}) {
        enter(p, {0, door});
        expectArrival(p, 1, door, door + 49);
        enter(p, {1, door + 49});
        expectArrival(p, 0, door + 49, door);
    }
    const int forestPassage = 3 * 49 + 41, cavePassage = forestPassage + 1;
    enter(p, {0, forestPassage});
    expectArrival(p, 2, forestPassage, cavePassage);
    // The cave door is locked until the gold key has opened it.
    const int caveDoor = 18 * 49 + 17, roomDoor = caveDoor + 49;
    p->varPorteGrotte = 1;
    reload(p, &FrmIntro::procLoadGrotte);
    enter(p, {2, caveDoor});
    expectArrival(p, 3, caveDoor, roomDoor);
    enter(p, {3, roomDoor});
    expectArrival(p, 2, roomDoor, caveDoor);
    enter(p, {2, cavePassage});
    expectArrival(p, 0, cavePassage, forestPassage);
}

namespace {
// A pair of neighbouring open tiles on both sides of a screen edge, reachable from the hero.
struct Crossing {
    int16 arrow, back;
    int offsetChange;
};

int viewRowOf(int position) {
    return (position - 1) / 49 % 7 + 1;
}
int viewColumnOf(int position) {
    return ((position - 1) % 49 + 8) % 9 + 1; // map column 2 is view column 1
}

bool crossesEdge(int from, Crossing c) {
    switch (c.arrow) {
    case Key::Up:
        return viewRowOf(from) == 1;
    case Key::Down:
        return viewRowOf(from) == 7;
    case Key::Left:
        return viewColumnOf(from) == 1;
    default:
        return viewColumnOf(from) == 9;
    }
}

int findCrossing(const GameState& s, int hero, Crossing c, int delta) {
    for (int from = 1; from <= static_cast<int>(s.strMap.size()); ++from) {
        const char here = tileAt(s, from), there = tileAt(s, from + delta);
        if (blocksStep(here) || blocksStep(there) || changesScene(here) || changesScene(there) ||
            there == kNoTile || !crossesEdge(from, c))
            continue;
        if (from == hero || !route(s, {s.intLieu, hero}, {s.intLieu, from}).empty()) return from;
    }
    return 0;
}

void expectHeroDrawnInItsCell(Player& p, int drift) {
    EXPECT_EQ(p->imgHaut.left, 195 + (p->intColonne - 1) * 1285 + 10);
    EXPECT_EQ(p->imgHaut.top, (p->intLigne - 1) * 1285 + drift);
    EXPECT_EQ((std::array{p->imgDroit.left, p->imgDroit.top}),
              (std::array{p->imgHaut.left, p->imgHaut.top}));
}
} // namespace

TEST(SceneChange, TheViewFlipsAcrossEachEdgeAndBack) {
    Player p;
    startWalking(p);
    for (Crossing c : {Crossing{Key::Right, Key::Left, 9}, Crossing{Key::Down, Key::Up, 343},
                       Crossing{Key::Left, Key::Right, -9}, Crossing{Key::Up, Key::Down, -343}}) {
        const int delta = c.arrow == Key::Right  ? 1
                          : c.arrow == Key::Left ? -1
                          : c.arrow == Key::Down ? 49
                                                 : -49;
        const int from = findCrossing(p.game(), heroPosition(p.game()), c, delta);
        ASSERT_NE(from, 0) << "no edge to cross with arrow " << c.arrow;
        walkTo(p, {0, from});
        const int drift = p->imgHaut.top - (p->intLigne - 1) * 1285;
        const int offset = p->intMapOffset;
        const std::array cell{p->intLigne, p->intColonne};
        expectHeroDrawnInItsCell(p, drift);

        step(p, c.arrow);
        EXPECT_EQ(p->intMapOffset, offset + c.offsetChange);
        EXPECT_EQ(heroPosition(p.game()), from + delta);
        const std::array wrapped{delta == 49    ? int16{1}
                                 : delta == -49 ? int16{7}
                                                : cell[0],
                                 delta == 1    ? int16{1}
                                 : delta == -1 ? int16{9}
                                               : cell[1]};
        EXPECT_EQ((std::array{p->intLigne, p->intColonne}), wrapped);
        // Seven rows are 8995 twips and the hero moves 9000: 5 twips of drift per flip.
        const int newDrift = drift + (delta == 49 ? -5 : delta == -49 ? 5 : 0);
        expectHeroDrawnInItsCell(p, newDrift);
        EXPECT_EQ(curtains(p.game()), kCurtainsAtRest);

        step(p, c.back);
        EXPECT_EQ(p->intMapOffset, offset);
        EXPECT_EQ((std::array{p->intLigne, p->intColonne}), cell);
        expectHeroDrawnInItsCell(p, drift);
    }
}
