// The hero-name entry: the two fades that leave it and what it leaves for the game. The
// fade-in, the grid, the selection box and the slots filled in turn are played through by
// the recorded games of tests/replays, whose digests hold them.
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

// "FIN" fades into the game with the name as it stands, Esc to the end; during either
// fade Esc is ignored while the grid still writes, even on "FIN".
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
        p.press({Key::Esc, Key::Down, Key::Space});
        EXPECT_EQ(shownName(p.game()), fin ? "K[e]ro _" : "L[e]ro _");
        expectSteps(p, fade, seen, {{1, {160, 160}}, {4, {10, 10}}});
        EXPECT_EQ(p->intMode, Mode::NameEntry);
        EXPECT_FALSE(p->ended());
        expectSteps(p, fade, seen, {{1, {0, 0}}});
        EXPECT_FALSE(fin && (p->tmrLblNom2.enabled() || p->tmrLblNom3.enabled()));
        EXPECT_EQ(p->ended(), !fin);
        EXPECT_EQ(p->intMode, fin ? Mode::Game : Mode::NameEntry);
        EXPECT_EQ(p->tmrFermer2.enabled(), fin);
        EXPECT_EQ(p->fraNom.visible, !fin);
        EXPECT_EQ(p->strNom, fin ? "Kero  " : "");
    }
    Player p;
    reachNameEntry(p);
    p.press(Key::Esc);
    p.ticks(p->tmrLblNom3, 2);
    p.press({Key::Up, Key::Left, Key::Space}); // "FIN"
    p.ticksUntilStopped(p->tmrLblNom3);
    EXPECT_TRUE(p->ended());
}
