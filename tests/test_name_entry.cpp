// The hero-name entry as the player sees it: its fades, the letter grid, the selection box,
// the name slots and what the entry leaves for the game.
#include "FrontSteps.h"

#include <string>

namespace {
// Box bars and slot marker at level `box`, letters and grid at `letters`, yellow parts at `box`.
void expectColours(FrmIntro& f, int box, int letters) {
    for (int i = 9; i <= 13; ++i)
        EXPECT_EQ(f.lblNom(i).backColor, RGB(box, 0, 0)) << "lblNom " << i;
    for (int i : {0, 1, 2, 3, 4, 5, 7}) {
        EXPECT_EQ(f.lblNom(i).backColor, RGB(0, 0, letters)) << "lblNom " << i;
        EXPECT_EQ(f.lblNom(i).foreColor, RGB(letters, letters, letters / 2)) << "lblNom " << i;
    }
    EXPECT_EQ(f.lblNom(6).backColor, RGB(box, box, 0));
    EXPECT_EQ(f.fraNom.backColor, RGB(box, box, 0));
    EXPECT_EQ(f.lblNom(8).foreColor, RGB(box, box, box));
}

// The selection box as drawn: outer frame and interior, in fraNom's coordinates.
struct Box {
    TwipRect outer, inner;
};

Box selectionBox(FrmIntro& f) {
    const Label &left = f.lblNom(9), &top = f.lblNom(10), &bottom = f.lblNom(11),
                &right = f.lblNom(12);
    TwipRect outer{left.left, top.top, right.left + right.width - left.left,
                   bottom.top + bottom.height - top.top};
    TwipRect inner{left.left + left.width, top.top + top.height,
                   right.left - left.left - left.width, bottom.top - top.top - top.height};
    return {outer, inner};
}

bool inside(const TwipRect& r, const TwipRect& area) {
    return r.left >= area.left && r.top >= area.top && r.right() <= area.right() &&
           r.bottom() <= area.bottom();
}

// The grid text that shows at this point of fraNom.
std::string cellAt(FrmIntro& f, const TwipRect& interior) {
    for (const CellText& c : f.lblNom(7).cells)
        if (inside({c.left, c.top, c.width, c.height}, interior)) return c.text;
    return "(none)";
}

std::string shownName(FrmIntro& f) {
    std::string name;
    for (int i = 0; i <= 5; ++i)
        name += f.lblNom(i).caption.empty() ? "_" : f.lblNom(i).caption;
    return name;
}

int markerSlot(FrmIntro& f) {
    return (f.lblNom(13).left - 3360) / 600;
}
} // namespace

TEST(NameEntry, FadesInFromBlackAndThenTakesKeys) {
    Player p;
    reachPrompt(p);
    p.press(Key::Space);
    p.ticksUntilStopped(p->tmrFermer);
    EXPECT_TRUE(p->fraNom.visible);
    for (int i = 0; i <= 13; ++i)
        EXPECT_TRUE(p->lblNom(i).visible) << "lblNom " << i;
    EXPECT_EQ(shownName(p.game()), "Hero _");
    p.ticks(p->tmrLblNom, 1);
    expectColours(p.game(), 0, 0);
    p.ticks(p->tmrLblNom, 1);
    expectColours(p.game(), 20, 20);
    // Arrows and Esc do nothing yet.
    p.press({Key::Right, Key::Space, Key::Esc});
    EXPECT_EQ(p->lblNom(9).left, 470);
    EXPECT_EQ(shownName(p.game()), "Hero _");
    EXPECT_FALSE(p->tmrLblNom3.enabled());
    p.ticks(p->tmrLblNom, 8);
    expectColours(p.game(), 180, 180);
    EXPECT_EQ(p->intMode, 0);
    // The letters stop at 180 while the rest goes on to 240.
    EXPECT_EQ(p.ticksUntilStopped(p->tmrLblNom), 3);
    expectColours(p.game(), 240, 180);
    EXPECT_EQ(p->intMode, 1);
    p.press(Key::Right);
    EXPECT_EQ(p->lblNom(9).left, 870 * 2 - 400);
}

TEST(NameEntry, ArrowsWrapAroundTheGridAndOtherKeysChangeNothing) {
    Player p;
    reachNameEntry(p);
    p.press(Key::Left);
    EXPECT_EQ(cellAt(p.game(), selectionBox(p.game()).inner), "K");
    p.press(Key::Right);
    EXPECT_EQ(cellAt(p.game(), selectionBox(p.game()).inner), "A");
    p.press(Key::Up);
    EXPECT_EQ(cellAt(p.game(), selectionBox(p.game()).inner), "s");
    p.press(Key::Down);
    EXPECT_EQ(cellAt(p.game(), selectionBox(p.game()).inner), "A");
    p.press({Key::Down, Key::Down, Key::Left});
    EXPECT_EQ(cellAt(p.game(), selectionBox(p.game()).inner), "g");
    p.press(Key::Right);
    EXPECT_EQ(cellAt(p.game(), selectionBox(p.game()).inner), "W");

    auto before = p.screen();
    p.press({Key::Other, Key::M, Key::Enter, Key::B});
    EXPECT_EQ(p.screen(), before);
}

TEST(NameEntry, EveryCellShowsItsTextInsideTheBoxThatSelectsIt) {
    const std::string rows[] = {"ABCDEFGHIJK", "LMNOPQRSTUV", "WXYZabcdefg", "hijklmnopqr",
                                "stuvwxyz- "};
    Player p;
    reachNameEntry(p);
    const TwipRect panel{0, 0, p->fraNom.width, p->fraNom.height};
    const TwipRect grid{p->lblNom(7).left, p->lblNom(7).top, p->lblNom(7).width,
                        p->lblNom(7).height};
    EXPECT_EQ(p->lblNom(7).cells.size(), 55u);
    for (int r = 1; r <= 5; ++r) {
        for (int c = 1; c <= 11; ++c) {
            Box box = selectionBox(p.game());
            EXPECT_TRUE(inside(box.outer, panel)) << "cell " << r << "," << c;
            const std::string expected = r == 5 && c == 11 ? "FIN" : rows[r - 1].substr(c - 1, 1);
            EXPECT_EQ(cellAt(p.game(), box.inner), expected) << "cell " << r << "," << c;
            p.press(Key::Right);
        }
        p.press(Key::Down);
    }
    for (const CellText& c : p->lblNom(7).cells)
        EXPECT_TRUE(inside({c.left, c.top, c.width, c.height}, grid)) << c.text;
    // The last cell reaches the panel's far corner but stays inside it.
    p.press({Key::Up, Key::Left});
    EXPECT_EQ(selectionBox(p.game()).outer, (TwipRect{9170, 2000, 735, 735}));
}

TEST(NameEntry, SpaceWritesIntoTheSlotsInTurnAndTheSeventhLetterGoesBackToTheFirst) {
    Player p;
    reachNameEntry(p);
    EXPECT_EQ(markerSlot(p.game()), 1);
    p.press(Key::Space); // A
    EXPECT_EQ(shownName(p.game()), "Aero _");
    EXPECT_EQ(markerSlot(p.game()), 2);
    for (int i = 0; i < 5; ++i)
        p.press({Key::Right, Key::Space}); // B to F
    EXPECT_EQ(shownName(p.game()), "ABCDEF");
    EXPECT_EQ(markerSlot(p.game()), 1);
    p.press({Key::Right, Key::Space}); // G over the A
    EXPECT_EQ(shownName(p.game()), "GBCDEF");
    EXPECT_EQ(markerSlot(p.game()), 2);
    // The blank cell writes a space.
    p.press({Key::Up, Key::Right, Key::Right, Key::Right, Key::Space});
    EXPECT_EQ(cellAt(p.game(), selectionBox(p.game()).inner), " ");
    EXPECT_EQ(shownName(p.game()), "G CDEF");
    EXPECT_EQ(markerSlot(p.game()), 3);
    p.press({Key::Right, Key::Space});
    EXPECT_EQ(p.ticksUntilStopped(p->tmrLblNom2), 6);
    EXPECT_EQ(p->strNom, "G CDEF");
}

TEST(NameEntry, FinAtOnceFadesOutIntoTheGameWithTheDefaultName) {
    Player p;
    reachNameEntry(p);
    p.press({Key::Up, Key::Left, Key::Space});
    EXPECT_TRUE(p->tmrLblNom2.enabled());
    p.ticks(p->tmrLblNom2, 1);
    expectColours(p.game(), 210, 180);
    // Esc is ignored during this fade.
    p.press(Key::Esc);
    EXPECT_FALSE(p->tmrLblNom3.enabled());
    p.ticks(p->tmrLblNom2, 1);
    expectColours(p.game(), 160, 160);
    p.ticks(p->tmrLblNom2, 3);
    expectColours(p.game(), 10, 10);
    EXPECT_EQ(p->intMode, 1);
    p.ticks(p->tmrLblNom2, 1);
    EXPECT_FALSE(p->tmrLblNom2.enabled());
    expectColours(p.game(), 0, 0);
    EXPECT_EQ(p->strNom, "Hero  ");
    EXPECT_EQ(p->intMode, 2);
    EXPECT_EQ(p->intLigne, 0);
    EXPECT_TRUE(p->tmrCurseur.enabled());
    EXPECT_TRUE(p->tmrFermer2.enabled());
    EXPECT_FALSE(p->fraNom.visible);
    for (int i = 0; i <= 13; ++i)
        EXPECT_FALSE(p->lblNom(i).visible) << "lblNom " << i;
    EXPECT_FALSE(p->ended());
}

TEST(NameEntry, LettersWrittenDuringTheFadeOutStillMakeTheName) {
    Player p;
    reachNameEntry(p);
    p.press({Key::Up, Key::Left, Key::Space});
    p.ticks(p->tmrLblNom2, 2);
    p.press({Key::Right, Key::Space});                         // s, into slot 1
    p.press({Key::Right, Key::Right, Key::Right, Key::Space}); // v, into slot 2
    EXPECT_EQ(p.ticksUntilStopped(p->tmrLblNom2), 4);
    EXPECT_EQ(p->strNom, "svro  ");
}

TEST(NameEntry, EscFadesOutAndEndsTheProgramWhileTheGridStillActs) {
    Player p;
    reachNameEntry(p);
    p.press(Key::Esc);
    EXPECT_TRUE(p->tmrLblNom3.enabled());
    p.ticks(p->tmrLblNom3, 1);
    expectColours(p.game(), 210, 180);
    p.press(Key::Down);
    EXPECT_EQ(cellAt(p.game(), selectionBox(p.game()).inner), "L");
    p.ticks(p->tmrLblNom3, 4);
    expectColours(p.game(), 10, 10);
    EXPECT_FALSE(p->ended());
    p.ticks(p->tmrLblNom3, 1);
    EXPECT_TRUE(p->ended());
    expectColours(p.game(), 0, 0);
    EXPECT_FALSE(p->timers.nextDue().has_value());
}

TEST(NameEntry, FinDuringTheFadeToExitStillEndsTheProgram) {
    Player p;
    reachNameEntry(p);
    p.press(Key::Esc);
    p.ticks(p->tmrLblNom3, 2);
    p.press({Key::Up, Key::Left, Key::Space});
    p.ticksUntilStopped(p->tmrLblNom3);
    EXPECT_TRUE(p->ended());
}
