// The entry points a driver calls, each handed to the window.
#include "CorePort.h"

#include "FrmIntro.h"
#include "shell/DrawList.h"
#include "shell/WindowTimers.h"

void GameDeleter::operator()(FrmIntro* game) const {
    delete game;
}

Game newGame(Micros now) {
    Game game(new FrmIntro);
    game->timers.fireDue(now);
    game->Form_Load();
    return game;
}

void pressKey(FrmIntro& game, int16 keyCode) {
    game.Form_KeyDown(keyCode);
}

void closeWindow(FrmIntro& game) {
    game.closeWindow();
}

bool gameEnded(const FrmIntro& game) {
    return game.ended();
}

void fireDueTimers(FrmIntro& game, Micros now) {
    game.timers.fireDue(now);
}

std::optional<Micros> nextTimerDue(const FrmIntro& game) {
    return game.timers.nextDue();
}

std::vector<DrawItem> drawList(const FrmIntro& game) {
    return buildDrawList(game);
}

const char* shownScreen(const FrmIntro& game) {
    if (game.ended()) return "ended";
    if (game.intMode == Mode::Title) return "title";
    if (game.intMode == Mode::NameEntry) return "name";
    // The menu opens over a message and over the victory, and holds the keys while open.
    if (game.fraAide.visible) return "menu";
    if (game.tmrRéussi.enabled()) return "victory";
    if (game.lblMessage.visible) return "message";
    return "game";
}

const char* windowCaption() {
    return Controls::caption;
}

void aroundEachTick(FrmIntro& game, const TickWrapper& around) {
    for (const TimerEntry& entry : kTimerTable) {
        Timer& timer = game.*entry.timer;
        timer.onTick = [around, name = entry.name, inner = std::move(timer.onTick)] {
            around(name, inner);
        };
    }
}
