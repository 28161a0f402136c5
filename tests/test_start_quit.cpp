// Starting a game after the name entry, and quitting it with Esc.
#include "WorldPlay.h"

// Keys before the hero and the island exist are dropped, Esc too: it waits for the island.
// A space first would let a message go, then the key act. The fade's shades and the island
// it opens on are held by the digests of the recorded games.
TEST(StartQuit, TheStartFadeDropsEveryKey) {
    for (int16 key : {Key::Space, Key::Left, Key::Down, Key::M, Key::Esc, Key::Enter}) {
        SCOPED_TRACE(key);
        Player p;
        reachGame(p);
        p.ticks(p->tmrFermer2, 1);
        p.press({Key::Space, key});
        p.ticksUntilStopped(p->tmrFermer2);
        EXPECT_FALSE(p->tmrFermer9.enabled() || p->tmrI.enabled() || p->fraAide.visible ||
                     p->ended());
        EXPECT_TRUE(p->lblMessage.visible);
        EXPECT_EQ(p->intEtat, 2); // the opening message waits for its space
    }
}

TEST(StartQuit, EscFadesEachAreaToBlackOnce) {
    const Color black = RGB(0, 0, 0);
    const std::vector<Color> fades[] = {{RGB(0, 170, 0), RGB(0, 140, 0), RGB(0, 110, 0),
                                         RGB(0, 80, 0), RGB(0, 50, 0), RGB(0, 20, 0), black},
                                        {black},
                                        {RGB(20, 0, 0), black},
                                        {RGB(0, 0, 10), black}};
    for (int16 area : {0, 1, 2, 3}) {
        Player p;
        startGame(p);
        loadArea(p.game(), area);
        p.press(Key::Esc);
        std::vector<Color> shades;
        while (p->tmrFermer9.enabled() && !p->ended()) {
            p.ticks(p->tmrFermer9, 1);
            shades.push_back(p->backColor);
            p.press(Key::Esc); // a second Esc changes nothing
        }
        EXPECT_EQ(shades, fades[area]) << "area " << area;
        EXPECT_TRUE(p->ended());
    }
}
