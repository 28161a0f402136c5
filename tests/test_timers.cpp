// The timer service: granularity, lateness, enabling rules and the order of ticks.
#include "shell/TimerService.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {
struct Recorder {
    TimerService service;
    std::vector<std::pair<Micros, std::string>> ticks;
    void watch(Timer& t, std::string name) {
        t.onTick = [this, &t, name] {
            ticks.emplace_back(service.now(), name);
            (void)t;
        };
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
    int fastCount = 0, stepCount = 0, blinkCount = 0;
    for (auto& [at, name] : r.ticks) {
        fastCount += name == "fast";
        stepCount += name == "step";
        blinkCount += name == "blink";
    }
    EXPECT_EQ(fastCount, 64); // 15.625 ms apart
    EXPECT_EQ(stepCount, 50);
    EXPECT_EQ(blinkCount, 2);
    EXPECT_EQ(r.ticks.front(), (std::pair<Micros, std::string>{15625, "fast"}));
    // Every tick comes in time order.
    for (std::size_t i = 1; i < r.ticks.size(); ++i)
        EXPECT_LE(r.ticks[i - 1].first, r.ticks[i].first);
}

TEST(Timers, ALateTimerTicksOnceAndIsRescheduledFromThen) {
    Recorder r;
    Timer t(r.service, 20, true);
    r.watch(t, "t");
    r.service.fireDue(250'000); // twelve periods late
    ASSERT_EQ(r.ticks.size(), 1u);
    EXPECT_EQ(t.due(), 270'000);
    // Slightly late (less than a period): the rhythm is kept.
    r.service.fireDue(273'000);
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
    t.setEnabled(true); // already running: its next tick stays at 100 ms
    EXPECT_EQ(t.due(), 100'000);
    r.service.advance(1'000'000);
    EXPECT_EQ(ticks, 3);
    EXPECT_FALSE(t.enabled());
    EXPECT_FALSE(r.service.nextDue().has_value());
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
    std::vector<std::pair<Micros, std::string>> expected{
        {100'000, "a"}, {100'000, "c"}, {200'000, "a"}, {200'000, "b"}, {200'000, "c"}};
    EXPECT_EQ(r.ticks, expected);
}

TEST(Timers, NothingTicksOnceHalted) {
    Recorder r;
    Timer a(r.service, 1, true), b(r.service, 1, true);
    int bTicks = 0;
    a.onTick = [&] { r.service.halt(); };
    b.onTick = [&] { ++bTicks; };
    r.service.advance(1'000'000);
    EXPECT_EQ(bTicks, 0);
    EXPECT_FALSE(r.service.nextDue().has_value());
}
