// The rule checker used by the fuzzer, the soak test and the replays: it must stay
// quiet on a sound game and name each fault that breaks the game's rules.
#include "shell/GameRecord.h"
#include "shell/Invariants.h"

#include <gtest/gtest.h>

#include <memory>

namespace {
bool mentions(const std::vector<std::string>& broken, std::string_view what) {
    for (const std::string& rule : broken)
        if (rule.find(what) != std::string::npos) return true;
    return false;
}

// A game standing in the island's play state, as the game set-up leaves it.
void standOnIsland(FrmIntro& g) {
    for (const auto& [name, timer] : namedTimers(g))
        const_cast<Timer*>(timer)->setEnabled(false);
    g.intMode = 2;
    g.strMap = std::string(49, 'Y') + "YaaaY" + std::string(44, 'Y') + std::string(49, 'Y');
    g.intLigne = 2;
    g.intColonne = 2;
    g.intMapOffset = 1; // cell (2, 2) is character 52: 'a'
    g.intEtat = 1;
    g.varPas = 1;
    for (Picture* hero : {&g.imgHaut, &g.imgBas, &g.imgDroit, &g.imgGauche}) {
        hero->left = 1490;
        hero->top = 1285;
    }
    g.tmrCurseur.setEnabled(true);
}
} // namespace

TEST(Invariants, QuietOnASoundGameAndNamesEachFault) {
    auto game = std::make_unique<FrmIntro>();
    game->Form_Load();
    InvariantMonitor monitor(*game);
    FrmIntro& g = *game;
    monitor.advance(2'000'000);
    monitor.key(Key::Space);
    EXPECT_EQ(monitor.takeViolations(), std::vector<std::string>{});

    g.tmrI.setEnabled(true);
    monitor.key(Key::Other);
    EXPECT_TRUE(mentions(monitor.takeViolations(), "a game timer runs before the game"));
    g.tmrI.setEnabled(false);

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

TEST(Invariants, ProgramEndsOnlyByItsEndings) {
    auto game = std::make_unique<FrmIntro>();
    game->Form_Load();
    // A prompt blink that ends the program: no ending of the game does that.
    game->tmrTouche.onTick = [&g = *game] { g.closeWindow(); };
    InvariantMonitor monitor(*game);
    game->tmrOuvrir.setEnabled(false);
    game->tmrTouche.setEnabled(true);
    monitor.advance(600'000);
    EXPECT_TRUE(mentions(monitor.takeViolations(), "ended outside its four endings"));

    auto closed = std::make_unique<FrmIntro>();
    closed->Form_Load();
    InvariantMonitor closing(*closed);
    closing.closeWindow();
    EXPECT_EQ(closing.takeViolations(), std::vector<std::string>{});
}
