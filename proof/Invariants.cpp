#include "Invariants.h"

#include "GameRecord.h"
#include "game/CorePort.h"
#include "shell/WindowTimers.h"
#include "world/Legend.h"
#include "world/ViewGeometry.h"

#include <algorithm>
#include <string_view>
#include <utility>

namespace {
bool inRange(int v, int low, int high) {
    return v >= low && v <= high;
}

bool anyEnabled(std::initializer_list<const Timer*> timers) {
    return std::any_of(timers.begin(), timers.end(), [](const Timer* t) { return t->enabled(); });
}

int countEnabled(std::initializer_list<const Timer*> timers) {
    return int(
        std::count_if(timers.begin(), timers.end(), [](const Timer* t) { return t->enabled(); }));
}

bool sameRect(const Element& e, int left, int top, int width, int height) {
    return e.left == left && e.top == top && e.width == width && e.height == height;
}

// Whether the hero has finished every step and scene change and stands in the view.
bool heroAtRest(const FrmIntro& g) {
    return g.intMode == Mode::Game && !g.strMap.empty() && !g.ended() &&
           !anyEnabled({&g.tmrI, &g.tmrChangeLieu, &g.tmrChangeLieu2});
}

// Each broken rule as words; empty when the state is sound.
class Rules {
  public:
    explicit Rules(const FrmIntro& g) : g_(g) {}

    std::vector<std::string> broken() {
        values();
        timers();
        if (heroAtRest(g_)) heroPosition();
        pictures();
        return std::move(broken_);
    }

  private:
    void expect(bool holds, std::string_view what) {
        if (!holds) broken_.emplace_back(what);
    }

    void values() {
        expect(inRange(g_.intMode, Mode::Title, Mode::Game), "intMode outside 0..2");
        expect(inRange(g_.intLieu, 0, 3), "intLieu outside 0..3");
        for (auto [name, v] : {std::pair{"intFondR", g_.intFondR},
                               {"intFondV", g_.intFondV},
                               {"intFondB", g_.intFondB},
                               {"intMenuR", g_.intMenuR},
                               {"intMenuV", g_.intMenuV},
                               {"intMenuB", g_.intMenuB}})
            if (!inRange(v, 0, 255)) broken_.push_back(std::string(name) + " outside 0..255");
        expect(inRange(g_.intPosLettre, 1, 6), "intPosLettre outside 1..6");
        expect(inRange(g_.intGrilleLigne, 1, 5), "intGrilleLigne outside 1..5");
        expect(inRange(g_.intGrilleColonne, 1, 11), "intGrilleColonne outside 1..11");
        expect(g_.strNom.empty() || g_.strNom.size() == 6, "strNom not six characters");
        if (g_.intMode == Mode::Game && !g_.strMap.empty())
            expect(inRange(g_.intEtat, 1, 2), "intEtat outside 1..2 during play");
    }

    void timers() {
        const FrmIntro& g = g_;
        const bool title =
            anyEnabled({&g.tmrOuvrir, &g.tmrOuvrir2, &g.tmrTouche, &g.tmrFermer, &g.tmrFermer3});
        expect(!title || g.intMode == Mode::Title, "a title timer runs after the title");
        expect(!g.tmrLblNom.enabled() || g.intMode == Mode::Title,
               "the name-entry fade-in runs late");
        expect(!g.tmrLblNom2.enabled() || g.intMode == Mode::NameEntry,
               "the fade into the game runs outside name entry");
        expect(!g.tmrLblNom3.enabled() || g.intMode >= Mode::NameEntry,
               "the name-entry exit fade runs on the title");
        const bool game = anyEnabled({&g.tmrFermer2, &g.tmrFermer9, &g.tmrI, &g.tmrCurseur,
                                      &g.tmrChangeLieu, &g.tmrChangeLieu2, &g.tmrRéussi});
        expect(!game || g.intMode == Mode::Game, "a game timer runs before the game");
        expect(countEnabled({&g.tmrI, &g.tmrChangeLieu, &g.tmrChangeLieu2}) <= 1,
               "a step and a scene change, or both curtain phases, run together");
        expect(!g.tmrRéussi.enabled() || g.varAction == Action::FindSword,
               "victory colours without the sword");
        expect(!g.tmrFermer2.enabled() || g.strMap.empty(), "the start fade runs after the set-up");
        expect(!(g.tmrFermer9.enabled() && g.tmrCurseur.enabled()),
               "the cursor still runs during the quit fade");
        if (g.ended()) return;
        if (g.intMode == Mode::Title && !g.tmrLblNom.enabled())
            expect(countEnabled({&g.tmrOuvrir, &g.tmrOuvrir2, &g.tmrTouche, &g.tmrFermer,
                                 &g.tmrFermer3}) == 1,
                   "the title is not running exactly one of its sequences");
        if (g.intMode == Mode::Game && !g.tmrFermer9.enabled() && !g.tmrLblNom3.enabled())
            expect(g.tmrCurseur.enabled(), "the cursor stopped during play");
    }

    void heroPosition() {
        const FrmIntro& g = g_;
        expect(inRange(g.intLigne, 1, 7) && inRange(g.intColonne, 1, 9),
               "the hero at rest outside the 9 x 7 view");
        const char tile = viewTile(g, g.intLigne, g.intColonne);
        if (tile == kNoTile) {
            broken_.push_back("the hero at rest outside the map string");
            return;
        }
        if (blocksStep(tile))
            broken_.push_back(std::string("the hero at rest on a blocking tile '") + tile + "'");
        expect(tile != 'P' && tile != 'G', "the hero at rest on a door or passage");
        expect(g.varPas == 1 && g.intPasY == 0 && g.intPasX == 0 && g.intDeplY == 0 &&
                   g.intDeplX == 0,
               "a step left unfinished at rest");
        expect(g.imgHaut.left == heroLeft(g.intColonne), "the hero drawn off his column at rest");
        for (const Picture* p : {&g.imgBas, &g.imgDroit, &g.imgGauche})
            expect(p->left == g.imgHaut.left && p->top == g.imgHaut.top,
                   "the hero pictures apart at rest");
    }

    void pictures() {
        const FrmIntro& g = g_;
        if (g.intMode == Mode::Game)
            expect(int(g.imgHaut.visible) + g.imgBas.visible + g.imgDroit.visible +
                           g.imgGauche.visible <=
                       1,
                   "more than one facing picture visible");
        if (anyEnabled({&g.tmrChangeLieu, &g.tmrChangeLieu2})) return;
        expect(sameRect(g.fraLieu, 0, -15, 12000, 15) &&
                   sameRect(g.fraLieu2, 0, 9000, 19200, 9000) &&
                   sameRect(g.fra1(0), 0, 0, 375, 15360) &&
                   sameRect(g.fra1(1), 11640, 0, 10000, 15360),
               "curtains away from rest with no scene change");
    }

    const FrmIntro& g_;
    std::vector<std::string> broken_;
};
} // namespace

InvariantMonitor::InvariantMonitor(FrmIntro& game) : game_(game) {
    aroundEachTick(game, [this](std::string_view timer, const std::function<void()>& tick) {
        if (tick) tick();
        afterTick(timer);
    });
    mode_ = game.intMode;
}

void InvariantMonitor::key(int16 keyCode) {
    const bool victoryShown = game_.varAction == Action::FindSword;
    game_.Form_KeyDown(keyCode);
    event_ = "key " + std::to_string(keyCode);
    const bool byVictoryPress = victoryShown && (keyCode == Key::Space || keyCode == Key::Enter);
    if (game_.ended() && !ended_ && !byVictoryPress) report("the program ended on a key press");
    ended_ = game_.ended();
    check();
}

void InvariantMonitor::closeWindow() {
    game_.closeWindow();
    event_ = "close";
    ended_ = true;
    check();
}

void InvariantMonitor::advance(Micros dt) {
    game_.timers.advance(dt);
}

void InvariantMonitor::afterTick(std::string_view timer) {
    // Reuses the buffer: this runs on every tick of long runs.
    event_.assign("tick of ").append(timer);
    if (game_.ended() && !ended_ && timer != "tmrFermer3" && timer != "tmrLblNom3" &&
        timer != "tmrFermer9")
        report("the program ended outside its four endings");
    ended_ = game_.ended();
    // The cursor's tick, 64 times a second, only places and shows the cursor pictures,
    // which no rule reads: the rules wait for the next other tick or event.
    if (timer != "tmrCurseur") check();
}

void InvariantMonitor::check() {
    for (std::string& rule : Rules(game_).broken())
        report(std::move(rule));
    if (game_.intMode < mode_) report("intMode went back");
    mode_ = game_.intMode;
    std::size_t i = 0;
    forEachQuestFlag(game_, [&](std::string_view name, int16 value) {
        if (value != 0 && value != 1) report(std::string(name) + " neither 0 nor 1");
        if (value < flags_[i]) report(std::string(name) + " went back to 0");
        flags_[i++] = value;
    });
}

void InvariantMonitor::report(std::string what) {
    std::string line = std::move(what) + " (after " + event_ + ")";
    if (std::find(violations_.begin(), violations_.end(), line) == violations_.end())
        violations_.push_back(std::move(line));
}

std::vector<std::string> InvariantMonitor::takeViolations() {
    return std::exchange(violations_, {});
}
