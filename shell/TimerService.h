// Periodic timers on one thread, driven by whoever tells the service what time it is:
// the real clock in the game, a virtual clock in tests.
#pragma once
#include "Vocabulary.h"

#include <functional>
#include <optional>
#include <vector>

class TimerService;

class Timer {
  public:
    Timer(TimerService& service, int intervalMs, bool enabled);
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

    int interval() const { return intervalMs_; }
    bool enabled() const { return enabled_; }
    // Enabling an enabled timer changes nothing; disabling inside its own tick stops it.
    void setEnabled(bool on);
    Micros due() const { return due_; }
    // Time between two ticks: the interval, but never shorter than the clock granularity.
    Micros period() const;

    std::function<void()> onTick;

  private:
    friend class TimerService;
    TimerService& service_;
    int intervalMs_;
    bool enabled_ = false;
    Micros due_ = 0;
};

class TimerService {
  public:
    // Short intervals tick at the 64 Hz system clock, as players' timers always have.
    static constexpr Micros kGranularity = 15625;

    Micros now() const { return now_; }
    void add(Timer& timer) { timers_.push_back(&timer); }
    // Every timer added, in the order they were.
    const std::vector<Timer*>& held() const { return timers_; }

    // The earliest moment a timer is due, if any is enabled.
    std::optional<Micros> nextDue() const;

    // Real clock: every timer due by `now` ticks once; one that missed a whole
    // period is rescheduled from now instead of catching up in a burst.
    void fireDue(Micros now);

    // Virtual clock: plays every tick up to now + dt in time order.
    void advance(Micros dt);

    // After the program has ended no timer ticks again.
    void halt() { halted_ = true; }

  private:
    std::vector<Timer*> timers_;
    // The timers due in the round fireDue is taking; kept to spare an allocation a tick
    // (no tick handler calls fireDue).
    std::vector<Timer*> due_;
    Micros now_ = 0;
    bool halted_ = false;
};
