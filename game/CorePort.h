// The entry points a driver calls to run the game. The platform reaches the core through
// them, the shared words (shell/Vocabulary.h) and the draw list (shell/DrawList.h) alone.
#pragma once
#include "shell/Vocabulary.h"

#include <functional>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

class FrmIntro;
struct DrawItem;

struct GameDeleter {
    void operator()(FrmIntro* game) const;
};
using Game = std::unique_ptr<FrmIntro, GameDeleter>;

// A new game on its title screen, its clock set to the driver's present time.
Game newGame(Micros now);
void pressKey(FrmIntro& game, int16 keyCode);
// The window system closed the window.
void closeWindow(FrmIntro& game);
// Whether the program has ended; nothing is drawn or ticks after that.
bool gameEnded(const FrmIntro& game);
// Every timer due by now ticks once, in time order.
void fireDueTimers(FrmIntro& game, Micros now);
// The earliest moment a timer is due, if any is enabled.
std::optional<Micros> nextTimerDue(const FrmIntro& game);
// What the window shows.
std::vector<DrawItem> drawList(const FrmIntro& game);
// Which screen shows, as a web page around the game needs to know it (a touch screen offers
// the colour keys only with the menu): "title", "name", "game", "message", "menu",
// "victory" or "ended".
const char* shownScreen(const FrmIntro& game);
// The window's title.
const char* windowCaption();

// Has every tick of the game's timers go through around(name, tick), which runs the tick
// itself; for watching a game from outside (rule checks, traces). It walks the timer table
// (shell/WindowTimers.h).
using TickWrapper = std::function<void(std::string_view timer, const std::function<void()>& tick)>;
void aroundEachTick(FrmIntro& game, const TickWrapper& around);
