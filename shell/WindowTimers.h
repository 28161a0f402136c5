// The window's timers by name, for whoever watches a game from outside: the trace of the
// real program, and the rule checks and digests of the proof.
#pragma once
#include "FrmIntro.h"

#include <functional>
#include <string_view>
#include <utility>
#include <vector>

// The fifteen timers of the window with their names, in creation order.
std::vector<std::pair<std::string_view, const Timer*>> namedTimers(const Controls& window);

// Has every tick of the window's timers go through around(name, tick), which runs the
// tick itself; for watching a game from outside (rule checks, traces).
using TickWrapper = std::function<void(std::string_view timer, const std::function<void()>& tick)>;
void aroundEachTick(Controls& window, const TickWrapper& around);
