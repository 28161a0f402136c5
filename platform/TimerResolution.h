// While the game runs, Windows is asked for 1 ms timer resolution, so that the waits
// between timer ticks end on time rather than on its default 15.6 ms beat; other
// systems wake on time already.
#pragma once

class TimerResolution {
  public:
    TimerResolution();
    ~TimerResolution();
    TimerResolution(const TimerResolution&) = delete;
    TimerResolution& operator=(const TimerResolution&) = delete;
};
