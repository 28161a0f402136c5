#include "WindowTimers.h"

std::vector<std::pair<std::string_view, const Timer*>> namedTimers(const FrmIntro& window) {
    std::vector<std::pair<std::string_view, const Timer*>> named;
    for (const TimerEntry& entry : kTimerTable)
        named.emplace_back(entry.name, &(window.*entry.timer));
    return named;
}

void aroundEachTick(FrmIntro& window, const TickWrapper& around) {
    for (const TimerEntry& entry : kTimerTable) {
        Timer& timer = window.*entry.timer;
        timer.onTick = [around, name = entry.name, inner = std::move(timer.onTick)] {
            around(name, inner);
        };
    }
}
