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

// The selection box's outer frame and the interior its four sides leave, in fraNom's
// coordinates.
std::pair<TwipRect, TwipRect> box(FrmIntro& f) {
    const Label &l = f.lblNom(9), &t = f.lblNom(10), &b = f.lblNom(11), &r = f.lblNom(12);
    return {
        {l.left, t.top, r.left + r.width - l.left, b.top + b.height - t.top},
        {l.left + l.width, t.top + t.height, r.left - l.left - l.width, b.top - t.top - t.height}};
}

// The grid text that shows inside the selection box.
std::string selected(FrmIntro& f) {
    for (const CellText& c : f.lblNom(7).cells)
        if (inside({c.left, c.top, c.width, c.height}, box(f).second)) return c.text;
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
} // namespace

// The arrows wrap around the grid: the walk over every cell and on to "FIN" wraps each way.
TEST(NameEntry, FadesInFromBlackThenEveryCellShowsItsTextInsideTheBoxThatSelectsIt) {
    Player p;
    reachPrompt(p);
    p.press(Key::Space);
    p.ticksUntilStopped(p->tmrFermer);
    for (int i = 0; i <= 13; ++i)
        EXPECT_TRUE(p->lblNom(i).visible) << "lblNom " << i;
    auto seen = [&] { return levels(p.game()); };
    expectSteps(p, p->tmrLblNom, seen, {{1, {0, 0}}, {2, {20, 20}}});
    p.press({Key::Right, Key::Space});
    EXPECT_EQ(shownName(p.game()), "[H]ero _");
    // The letters stop at 180 while the rest goes on to 240.
    expectSteps(p, p->tmrLblNom, seen, {{8, {180, 180}}, {11, {240, 180}}});
    EXPECT_FALSE(p->tmrLblNom.enabled());
    EXPECT_EQ(p->intMode, 1);
    const std::string grid = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz- ";
    const Label& cells = p->lblNom(7);
    ASSERT_EQ(cells.cells.size(), 55u);
    for (std::size_t i = 0; i < 55; ++i) {
        EXPECT_TRUE(inside(box(p.game()).first, {0, 0, p->fraNom.width, p->fraNom.height})) << i;
        EXPECT_EQ(selected(p.game()), i == 54 ? "FIN" : grid.substr(i, 1)) << "cell " << i;
        const CellText& c = cells.cells[i];
        EXPECT_TRUE(inside({c.left, c.top, c.width, c.height},
                           {cells.left, cells.top, cells.width, cells.height}))
            << c.text;
        p.press(Key::Right);
        if (i % 11 == 10) p.press(Key::Down);
    }
    // The last cell reaches the panel's far corner but stays inside it.
    p.press({Key::Up, Key::Left});
    EXPECT_EQ(box(p.game()).first, (TwipRect{9170, 2000, 735, 735}));
    auto before = p.screen();
    p.press({Key::Other, Key::M, Key::Enter, Key::B});
    EXPECT_EQ(p.screen(), before);
}

TEST(NameEntry, SpaceWritesIntoTheSlotsInTurnAndTheSeventhLetterGoesBackToTheFirst) {
    Player p;
    reachNameEntry(p);
    p.press(Key::Space);
    EXPECT_EQ(shownName(p.game()), "A[e]ro _");
    for (int i = 0; i < 5; ++i)
        p.press({Key::Right, Key::Space});
    EXPECT_EQ(shownName(p.game()), "[A]BCDEF");
    p.press({Key::Right, Key::Space});
    EXPECT_EQ(shownName(p.game()), "G[B]CDEF");
    p.press({Key::Up, Key::Right, Key::Right, Key::Right, Key::Space}); // the blank cell
    EXPECT_EQ(shownName(p.game()), "G [C]DEF");
    p.press({Key::Right, Key::Space}); // "FIN"; letters written during the fade-out still count
    p.ticks(p->tmrLblNom2, 2);
    p.press({Key::Right, Key::Space, Key::Right, Key::Right, Key::Right, Key::Space});
    EXPECT_EQ(p.ticksUntilStopped(p->tmrLblNom2), 4);
    EXPECT_EQ(p->strNom, "G svEF");
}

// "FIN" fades into the game with the name as it stands, Esc to the end; during either
// fade Esc is ignored while the grid still acts, even on "FIN".
TEST(NameEntry, FinFadesOutIntoTheGameAndEscToTheEnd) {
    for (bool fin : {true, false}) {
        SCOPED_TRACE(fin ? "FIN" : "Esc");
        Player p;
        reachNameEntry(p);
        if (fin)
            p.press({Key::Up, Key::Left, Key::Space});
        else
            p.press(Key::Esc);
        Timer& fade = fin ? p->tmrLblNom2 : p->tmrLblNom3;
        auto seen = [&] { return levels(p.game()); };
        expectSteps(p, fade, seen, {{1, {210, 180}}});
        p.press({Key::Esc, Key::Down});
        EXPECT_EQ(selected(p.game()), fin ? "K" : "L");
        expectSteps(p, fade, seen, {{1, {160, 160}}, {4, {10, 10}}});
        EXPECT_EQ(p->intMode, 1);
        EXPECT_FALSE(p->ended());
        expectSteps(p, fade, seen, {{1, {0, 0}}});
        EXPECT_FALSE(fin && (p->tmrLblNom2.enabled() || p->tmrLblNom3.enabled()));
        EXPECT_EQ(p->ended(), !fin);
        EXPECT_EQ(p->intMode, fin ? 2 : 1);
        EXPECT_EQ(p->tmrFermer2.enabled(), fin);
        EXPECT_EQ(p->fraNom.visible, !fin);
        EXPECT_EQ(p->strNom, fin ? "Hero  " : "");
    }
    Player p;
    reachNameEntry(p);
    p.press(Key::Esc);
    p.ticks(p->tmrLblNom3, 2);
    p.press({Key::Up, Key::Left, Key::Space}); // "FIN"
    p.ticksUntilStopped(p->tmrLblNom3);
    EXPECT_TRUE(p->ended());
}
