#include "WindowTimers.h"

std::vector<std::pair<std::string_view, const Timer*>> namedTimers(const Controls& window) {
    std::vector<std::pair<std::string_view, const Timer*>> named;
    for (const TimerEntry& entry : kTimerTable)
        named.emplace_back(entry.name, &(window.*entry.timer));
    return named;
}
