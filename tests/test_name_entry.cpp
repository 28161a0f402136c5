// The hero-name entry as the player sees it: its fades, the letter grid, the selection box,
// the name slots and what the entry leaves for the game.
#include "FrontSteps.h"

#include <string>

namespace {
// The fade levels shown, box parts then letters, once every part is checked to agree with them.
std::pair<int, int> levels(FrmIntro& f) {
    const int box = f.fraNom.backColor.r, letters = f.lblNom(7).backColor.b;
    for (int i = 9; i <= 13; ++i)
        EXPECT_EQ(f.lblNom(i).backColor, RGB(box, 0, 0)) << "lblNom " << i;
    for (int i : {0, 1, 2, 3, 4, 5, 7}) {
        EXPECT_EQ(f.lblNom(i).backColor, RGB(0, 0, letters)) << "lblNom " << i;
        EXPECT_EQ(f.lblNom(i).foreColor, RGB(letters, letters, letters / 2)) << "lblNom " << i;
    }
    EXPECT_EQ(f.lblNom(6).backColor, RGB(box, box, 0));
    EXPECT_EQ(f.fraNom.backColor, RGB(box, box, 0));
    EXPECT_EQ(f.lblNom(8).foreColor, RGB(box, box, box));
    return {box, letters};
}

bool inside(const TwipRect& r, const TwipRect& area) {
    return r.left >= area.left && r.top >= area.top && r.right() <= area.right() &&
           r.bottom() <= area.bottom();
}

// The selection box's outer frame, in fraNom's coordinates.
TwipRect boxFrame(FrmIntro& f) {
    const Label &left = f.lblNom(9), &top = f.lblNom(10), &bottom = f.lblNom(11),
                &right = f.lblNom(12);
    return {left.left, top.top, right.left + right.width - left.left,
            bottom.top + bottom.height - top.top};
}

// The grid text that shows inside the selection box.
std::string selected(FrmIntro& f) {
    const Label &left = f.lblNom(9), &top = f.lblNom(10), &bottom = f.lblNom(11),
                &right = f.lblNom(12);
    const TwipRect interior{left.left + left.width, top.top + top.height,
                            right.left - left.left - left.width, bottom.top - top.top - top.height};
    for (const CellText& c : f.lblNom(7).cells)
        if (inside({c.left, c.top, c.width, c.height}, interior)) return c.text;
    return "(none)";
}

// The six slots, blank ones as "_", the one under the marker in brackets.
std::string shownName(FrmIntro& f) {
    std::string name;
    for (int i = 0; i <= 5; ++i) {
        const std::string& letter = f.lblNom(i).caption.empty() ? "_" : f.lblNom(i).caption;
        name += f.lblNom(13).left == 3360 + 600 * (i + 1) ? "[" + letter + "]" : letter;
    }
    return name;
}

// Picks "FIN", the grid's last cell, from the first one.
void pressFin(Player& p) {
    p.press({Key::Up, Key::Left, Key::Space});
}
} // namespace

TEST(NameEntry, FadesInFromBlackAndOnlyThenTakesKeys) {
    Player p;
    reachPrompt(p);
    p.press(Key::Space);
    p.ticksUntilStopped(p->tmrFermer);
    for (int i = 0; i <= 13; ++i)
        EXPECT_TRUE(p->lblNom(i).visible) << "lblNom " << i;
    auto seen = [&] { return levels(p.game()); };
    expectSteps(p, p->tmrLblNom, seen, {{1, {0, 0}}, {2, {20, 20}}});
    p.press({Key::Right, Key::Space, Key::Esc});
    EXPECT_EQ(selected(p.game()), "A");
    EXPECT_EQ(shownName(p.game()), "[H]ero _");
    EXPECT_FALSE(p->tmrLblNom3.enabled());
    // The letters stop at 180 while the rest goes on to 240.
    expectSteps(p, p->tmrLblNom, seen, {{8, {180, 180}}, {11, {240, 180}}});
    EXPECT_FALSE(p->tmrLblNom.enabled());
    EXPECT_EQ(p->intMode, 1);
    p.press(Key::Right);
    EXPECT_EQ(selected(p.game()), "B");
}

TEST(NameEntry, ArrowsWrapAroundTheGridAndOtherKeysChangeNothing) {
    Player p;
    reachNameEntry(p);
    const int16 keys[] = {Key::Left, Key::Right, Key::Up,   Key::Down,
                          Key::Down, Key::Down,  Key::Left, Key::Right};
    const std::string cells = "KAsALWgW";
    for (std::size_t i = 0; i < cells.size(); ++i) {
        p.press(keys[i]);
        EXPECT_EQ(selected(p.game()), cells.substr(i, 1)) << "move " << i;
    }
    auto before = p.screen();
    p.press({Key::Other, Key::M, Key::Enter, Key::B});
    EXPECT_EQ(p.screen(), before);
}

TEST(NameEntry, EveryCellShowsItsTextInsideTheBoxThatSelectsIt) {
    const std::string grid = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz- ";
    Player p;
    reachNameEntry(p);
    const TwipRect panel{0, 0, p->fraNom.width, p->fraNom.height};
    ASSERT_EQ(p->lblNom(7).cells.size(), 55u);
    for (std::size_t i = 0; i < 55; ++i) {
        EXPECT_TRUE(inside(boxFrame(p.game()), panel)) << "cell " << i;
        EXPECT_EQ(selected(p.game()), i == 54 ? "FIN" : grid.substr(i, 1)) << "cell " << i;
        p.press(Key::Right);
        if (i % 11 == 10) p.press(Key::Down);
    }
    const Label& cells = p->lblNom(7);
    for (const CellText& c : cells.cells)
        EXPECT_TRUE(inside({c.left, c.top, c.width, c.height},
                           {cells.left, cells.top, cells.width, cells.height}))
            << c.text;
    // The last cell reaches the panel's far corner but stays inside it.
    p.press({Key::Up, Key::Left});
    EXPECT_EQ(boxFrame(p.game()), (TwipRect{9170, 2000, 735, 735}));
}

TEST(NameEntry, SpaceWritesIntoTheSlotsInTurnAndTheSeventhLetterGoesBackToTheFirst) {
    Player p;
    reachNameEntry(p);
    const std::pair<std::vector<int16>, const char*> writes[] = {
        {{Key::Space}, "A[e]ro _"},
        {{Key::Right, Key::Space, Key::Right, Key::Space, Key::Right, Key::Space, Key::Right,
          Key::Space, Key::Right, Key::Space},
         "[A]BCDEF"},
        {{Key::Right, Key::Space}, "G[B]CDEF"},
        {{Key::Up, Key::Right, Key::Right, Key::Right, Key::Space}, "G [C]DEF"}}; // the blank cell
    for (const auto& [keys, name] : writes) {
        for (int16 key : keys)
            p.press(key);
        EXPECT_EQ(shownName(p.game()), name);
    }
    p.press({Key::Right, Key::Space}); // "FIN"; letters written during the fade-out still count
    p.ticks(p->tmrLblNom2, 2);
    p.press({Key::Right, Key::Space, Key::Right, Key::Right, Key::Right, Key::Space});
    EXPECT_EQ(p.ticksUntilStopped(p->tmrLblNom2), 4);
    EXPECT_EQ(p->strNom, "G svEF");
}

TEST(NameEntry, FinAtOnceFadesOutIntoTheGameWithTheDefaultName) {
    Player p;
    reachNameEntry(p);
    pressFin(p);
    auto seen = [&] { return levels(p.game()); };
    expectSteps(p, p->tmrLblNom2, seen, {{1, {210, 180}}});
    p.press(Key::Esc);
    expectSteps(p, p->tmrLblNom2, seen, {{1, {160, 160}}, {4, {10, 10}}});
    EXPECT_EQ(p->intMode, 1);
    expectSteps(p, p->tmrLblNom2, seen, {{1, {0, 0}}});
    EXPECT_FALSE(p->tmrLblNom2.enabled() || p->tmrLblNom3.enabled() || p->ended());
    EXPECT_EQ(p->strNom, "Hero  ");
    EXPECT_EQ(p->intMode, 2);
    EXPECT_TRUE(p->tmrFermer2.enabled());
    EXPECT_FALSE(p->fraNom.visible);
    for (int i = 0; i <= 13; ++i)
        EXPECT_FALSE(p->lblNom(i).visible) << "lblNom " << i;
}

TEST(NameEntry, EscFadesOutToTheEndWhileTheGridStillActsEvenOnFin) {
    Player p;
    reachNameEntry(p);
    p.press(Key::Esc);
    auto seen = [&] { return levels(p.game()); };
    expectSteps(p, p->tmrLblNom3, seen, {{1, {210, 180}}});
    p.press(Key::Down);
    EXPECT_EQ(selected(p.game()), "L");
    expectSteps(p, p->tmrLblNom3, seen, {{4, {10, 10}}});
    EXPECT_FALSE(p->ended());
    expectSteps(p, p->tmrLblNom3, seen, {{1, {0, 0}}});
    EXPECT_TRUE(p->ended());
    EXPECT_FALSE(p->timers.nextDue().has_value());

    Player fin;
    reachNameEntry(fin);
    fin.press(Key::Esc);
    fin.ticks(fin->tmrLblNom3, 2);
    pressFin(fin);
    fin.ticksUntilStopped(fin->tmrLblNom3);
    EXPECT_TRUE(fin->ended());
}
