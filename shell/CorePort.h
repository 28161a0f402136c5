// The game core as the platform sees it: the key codes, the integer and time types, and
// the entry points a driver calls. The platform reaches the core through nothing else but
// the draw list (DrawList.h), which it turns into pixels.
#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

using int16 = std::int16_t;
// Microseconds on the game's clock.
using Micros = std::int64_t;

// Key codes the game understands (the window system's virtual keys).
namespace Key {
inline constexpr int16 Enter = 13;
inline constexpr int16 Esc = 27;
inline constexpr int16 Space = 32;
inline constexpr int16 Left = 37;
inline constexpr int16 Up = 38;
inline constexpr int16 Right = 39;
inline constexpr int16 Down = 40;
inline constexpr int16 B = 66;
inline constexpr int16 M = 77;
inline constexpr int16 R = 82;
inline constexpr int16 V = 86;
// Any other key reaches the game with this code and changes nothing.
inline constexpr int16 Other = 255;
} // namespace Key

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
// (WindowTimers.h).
using TickWrapper = std::function<void(std::string_view timer, const std::function<void()>& tick)>;
void aroundEachTick(FrmIntro& game, const TickWrapper& around);
