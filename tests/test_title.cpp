// The two ways off the title. Its fade-in, the sliding logo, the blinking prompt and the
// keys dropped during each sequence are played through by the recorded games of
// tests/replays, whose digests hold every colour and place on the way.
#include "FrontSteps.h"

TEST(Title, SpaceFadesOutToTheNameEntryAndEscFadesOutToTheEnd) {
    for (auto [key, fade] :
         {std::pair{Key::Space, &FrmIntro::tmrFermer}, {Key::Esc, &FrmIntro::tmrFermer3}}) {
        Player p;
        reachPrompt(p);
        p.waitMs(key == Key::Space ? 1000 : 500); // the prompt hidden or shown: the key acts alike
        p.press(key);
        EXPECT_FALSE(p->lblAuteur.visible || p->imgVyr.visible || p->lblTouche.visible);
        // The fade counts down from the logo's level 255, not from the 250 shown.
        expectSteps(p, p.game().*fade, [&] { return p->backColor; },
                    {{1, RGB(0, 0, 205)}, {5, RGB(0, 0, 5)}});
        EXPECT_FALSE(p->fraNom.visible || p->ended());
        p.ticks(p.game().*fade, 1);
        EXPECT_EQ(p->backColor, RGB(0, 0, 0));
        EXPECT_EQ(p->fraNom.visible && p->lblNom(7).visible, key == Key::Space);
        EXPECT_EQ(p->ended(), key == Key::Esc);
        p.waitMs(3000); // the prompt no longer blinks: nothing is left to tick
        EXPECT_FALSE(p->timers.nextDue().has_value());
    }
}
