// The window's fifteen timers in one table: each one's name and its member in the element
// set. The digests, the rule checks and the trace of the real program walk it, and the
// window hangs each one's handler on it (game/TimerHandlers.h), so a timer is named once.
#pragma once
#include "Controls.h"

#include <array>
#include <string_view>
#include <utility>
#include <vector>

struct TimerEntry {
    std::string_view name;
    Timer Controls::*timer;
};

// In creation order: ties are taken in it, and the digests walk the timers in it.
inline constexpr std::array kTimerTable{
    TimerEntry{"tmrOuvrir", &Controls::tmrOuvrir},
    TimerEntry{"tmrOuvrir2", &Controls::tmrOuvrir2},
    TimerEntry{"tmrTouche", &Controls::tmrTouche},
    TimerEntry{"tmrFermer", &Controls::tmrFermer},
    TimerEntry{"tmrFermer3", &Controls::tmrFermer3},
    TimerEntry{"tmrLblNom", &Controls::tmrLblNom},
    TimerEntry{"tmrLblNom2", &Controls::tmrLblNom2},
    TimerEntry{"tmrLblNom3", &Controls::tmrLblNom3},
    TimerEntry{"tmrFermer2", &Controls::tmrFermer2},
    TimerEntry{"tmrFermer9", &Controls::tmrFermer9},
    TimerEntry{"tmrI", &Controls::tmrI},
    TimerEntry{"tmrCurseur", &Controls::tmrCurseur},
    TimerEntry{"tmrChangeLieu", &Controls::tmrChangeLieu},
    TimerEntry{"tmrChangeLieu2", &Controls::tmrChangeLieu2},
    TimerEntry{"tmrRéussi", &Controls::tmrRéussi},
};

// Each timer of the table with its name.
std::vector<std::pair<std::string_view, const Timer*>> namedTimers(const Controls& window);
