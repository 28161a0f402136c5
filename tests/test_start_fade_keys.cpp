// Keys pressed during the start fade, before the hero and the island exist, are dropped:
// the game then starts as it always does.
#include "WorldPlay.h"

TEST(StartFadeKeys, KeysBeforeTheSetUpLeaveTheStartAsItIs) {
    for (int16 key : {Key::Space, Key::Left, Key::Down, Key::M, Key::Esc, Key::Enter}) {
        Player p;
        reachGame(p);
        ASSERT_TRUE(p->tmrFermer2.enabled());
        p.press({Key::Space, key}); // space would let a message go, then the key
        p.ticksUntilStopped(p->tmrFermer2);
        SCOPED_TRACE(key);
        EXPECT_FALSE(p->ended());
        EXPECT_FALSE(p->tmrI.enabled());
        EXPECT_FALSE(p->tmrFermer9.enabled());
        EXPECT_FALSE(p->fraAide.visible);
        EXPECT_EQ(p->intEtat, 2); // the opening message waits for its space
        EXPECT_EQ(p->intLigne, 3);
        EXPECT_EQ(p->intColonne, 2);
        EXPECT_TRUE(p->imgDroit.visible);
        EXPECT_FALSE(p->imgGauche.visible || p->imgBas.visible || p->imgHaut.visible);
    }
}
