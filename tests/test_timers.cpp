// The timer service: granularity, lateness, enabling rules and the order of ticks.
#include "shell/TimerService.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {
using Ticks = std::vector<std::pair<Micros, std::string>>;

struct Recorder {
    TimerService service;
    Ticks ticks;
    void watch(Timer& t, std::string name) {
        t.onTick = [this, name] { ticks.emplace_back(service.now(), name); };
    }
    long count(const std::string& name) const {
        return std::ranges::count(ticks, name, &Ticks::value_type::second);
    }
};
} // namespace

TEST(Timers, ShortIntervalsTickAtTheSystemClockAndLongOnesAtTheirInterval) {
    Recorder r;
    Timer fast(r.service, 1, true), step(r.service, 20, true), blink(r.service, 500, true);
    r.watch(fast, "fast");
    r.watch(step, "step");
    r.watch(blink, "blink");
    r.service.advance(1'000'000);
    EXPECT_EQ(r.count("fast"), 64); // 15.625 ms apart
    EXPECT_EQ(r.count("step"), 50);
    EXPECT_EQ(r.count("blink"), 2);
    EXPECT_EQ(r.ticks.front(), Ticks::value_type(15625, "fast"));
    EXPECT_TRUE(std::ranges::is_sorted(r.ticks, {}, &Ticks::value_type::first));
}

TEST(Timers, ALateTimerTicksOnceAndIsRescheduledFromThen) {
    Recorder r;
    Timer t(r.service, 20, true);
    r.watch(t, "t");
    r.service.fireDue(250'000); // twelve periods late
    EXPECT_EQ(r.ticks.size(), 1u);
    EXPECT_EQ(t.due(), 270'000);
    r.service.fireDue(273'000); // less than a period late: the rhythm is kept
    EXPECT_EQ(t.due(), 290'000);
    EXPECT_EQ(r.ticks.size(), 2u);
}

TEST(Timers, EnablingTwiceChangesNothingAndDisablingInItsOwnTickStopsIt) {
    Recorder r;
    Timer t(r.service, 100, false);
    int ticks = 0;
    t.onTick = [&] {
        if (++ticks == 3) t.setEnabled(false);
    };
    t.setEnabled(true);
    r.service.advance(50'000);
    t.setEnabled(true);
    EXPECT_EQ(t.due(), 100'000);
    r.service.advance(1'000'000);
    EXPECT_EQ(ticks, 3);
    EXPECT_FALSE(t.enabled() || r.service.nextDue());
}

TEST(Timers, TimersInterleaveAndATimerStartedInATickWaitsAWholePeriod) {
    Recorder r;
    Timer a(r.service, 100, true), b(r.service, 100, false), c(r.service, 100, true);
    r.watch(b, "b");
    r.watch(c, "c");
    a.onTick = [&] {
        r.ticks.emplace_back(r.service.now(), "a");
        b.setEnabled(true);
    };
    r.service.advance(200'000);
    EXPECT_EQ(
        r.ticks,
        (Ticks{{100'000, "a"}, {100'000, "c"}, {200'000, "a"}, {200'000, "b"}, {200'000, "c"}}));
}

TEST(Timers, NothingTicksOnceHalted) {
    Recorder r;
    Timer a(r.service, 1, true), b(r.service, 1, true);
    a.onTick = [&] { r.service.halt(); };
    r.watch(b, "b");
    r.service.advance(1'000'000);
    EXPECT_TRUE(r.ticks.empty());
    EXPECT_FALSE(r.service.nextDue());
}
