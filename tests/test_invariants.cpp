// The rule checker used by the fuzzer, the soak test and the replays: it must stay
// quiet on a sound game and name each fault that breaks the game's rules.
#include "Player.h"
#include "proof/Invariants.h"
#include "shell/WindowTimers.h"

namespace {
bool mentions(const std::vector<std::string>& broken, std::string_view what) {
    return std::ranges::any_of(
        broken, [&](const std::string& rule) { return rule.find(what) != std::string::npos; });
}

// A game standing in the island's play state, as the game set-up leaves it.
void standOnIsland(FrmIntro& g) {
    for (const auto& [name, timer] : namedTimers(g))
        const_cast<Timer*>(timer)->setEnabled(false);
    g.intMode = Mode::Game;
    g.strMap = std::string(49, 'Y') + "YaaaY" + std::string(93, 'Y');
    g.intLigne = g.intColonne = 2;
    g.intMapOffset = 1; // cell (2, 2) is character 52: 'a'
    g.intEtat = g.varPas = 1;
    for (Picture* hero : {&g.imgHaut, &g.imgBas, &g.imgDroit, &g.imgGauche})
        hero->left = 1490, hero->top = 1285;
    g.tmrCurseur.setEnabled(true);
}
} // namespace

TEST(Invariants, QuietOnASoundGameAndNamesEachFault) {
    Player p;
    FrmIntro& g = p.game();
    InvariantMonitor monitor(g);
    monitor.advance(2'000'000);
    monitor.key(Key::Space);
    EXPECT_EQ(monitor.takeViolations(), std::vector<std::string>{});

    g.tmrI.setEnabled(true);
    monitor.key(Key::Other);
    EXPECT_TRUE(mentions(monitor.takeViolations(), "a game timer runs before the game"));

    standOnIsland(g);
    monitor.advance(100'000);
    EXPECT_EQ(monitor.takeViolations(), std::vector<std::string>{});
    g.varCoffre5 = 1;
    monitor.key(Key::Other);
    g.varCoffre5 = 0;
    g.intLieu = 4;
    g.intMenuV = 256;
    g.imgBas.visible = g.imgHaut.visible = true;
    g.fraLieu.height = 1300;
    g.intColonne = 4; // the 'Y' beside the path
    monitor.key(Key::Other);
    const auto broken = monitor.takeViolations();
    for (const char* fault :
         {"varCoffre5 went back to 0", "intLieu outside 0..3", "intMenuV outside 0..255",
          "more than one facing picture", "curtains away from rest", "blocking tile 'Y'",
          "the hero drawn off his column"})
        EXPECT_TRUE(mentions(broken, fault)) << fault;
}

TEST(Invariants, TheProgramEndsOnlyByItsEndingsAndClosingTheWindowIsOne) {
    Player blinkEnds;
    // A prompt blink that ends the program: no ending of the game does that.
    blinkEnds->tmrTouche.onTick = [&g = blinkEnds.game()] { g.closeWindow(); };
    InvariantMonitor monitor(blinkEnds.game());
    blinkEnds->tmrOuvrir.setEnabled(false);
    blinkEnds->tmrTouche.setEnabled(true);
    monitor.advance(600'000);
    EXPECT_TRUE(mentions(monitor.takeViolations(), "ended outside its four endings"));

    Player closed;
    InvariantMonitor closing(closed.game());
    closing.closeWindow();
    EXPECT_EQ(closing.takeViolations(), std::vector<std::string>{});
    EXPECT_TRUE(closed->ended());
    EXPECT_FALSE(closed->timers.nextDue().has_value());
}
