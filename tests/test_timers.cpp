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
};
} // namespace

TEST(Timers, ShortIntervalsTickAtTheSystemClockAndALateTimerTicksOnce) {
    Recorder r;
    Timer fast(r.service, 1, true), step(r.service, 20, true), blink(r.service, 500, true);
    r.watch(fast, "fast");
    r.watch(step, "step");
    r.watch(blink, "blink");
    r.service.advance(1'000'000);
    for (auto [name, count] : {std::pair{"fast", 64}, {"step", 50}, {"blink", 2}})
        EXPECT_EQ(std::ranges::count(r.ticks, name, &Ticks::value_type::second), count) << name;
    EXPECT_EQ(r.ticks.front(), Ticks::value_type(15625, "fast")); // 15.625 ms apart
    EXPECT_TRUE(std::ranges::is_sorted(r.ticks, {}, &Ticks::value_type::first));

    Recorder late;
    Timer t(late.service, 20, true);
    late.watch(t, "t");
    late.service.fireDue(250'000); // twelve periods late: one tick, rescheduled from then
    EXPECT_EQ(t.due(), 270'000);
    late.service.fireDue(273'000); // less than a period late: the rhythm is kept
    EXPECT_EQ(t.due(), 290'000);
    EXPECT_EQ(late.ticks.size(), 2u);
}

TEST(Timers, EnablingRulesAndTheOrderOfTicks) {
    Recorder r;
    Timer t(r.service, 100, false);
    int ticks = 0;
    t.onTick = [&] {
        if (++ticks == 3) t.setEnabled(false); // disabled in its own tick
    };
    t.setEnabled(true);
    r.service.advance(50'000);
    t.setEnabled(true); // enabled twice: the period runs on
    EXPECT_EQ(t.due(), 100'000);
    r.service.advance(1'000'000);
    EXPECT_EQ(ticks, 3);
    EXPECT_FALSE(t.enabled() || r.service.nextDue());

    // Timers interleave, and one started in another's tick waits a whole period.
    Recorder o;
    Timer a(o.service, 100, true), b(o.service, 100, false), c(o.service, 100, true);
    o.watch(b, "b");
    o.watch(c, "c");
    a.onTick = [&] {
        o.ticks.emplace_back(o.service.now(), "a");
        b.setEnabled(true);
    };
    o.service.advance(200'000);
    EXPECT_EQ(
        o.ticks,
        (Ticks{{100'000, "a"}, {100'000, "c"}, {200'000, "a"}, {200'000, "b"}, {200'000, "c"}}));

    // Once halted, nothing ticks, not even a timer due at the same moment.
    Recorder h;
    Timer x(h.service, 1, true), y(h.service, 1, true);
    x.onTick = [&] { h.service.halt(); };
    h.watch(y, "y");
    h.service.advance(1'000'000);
    EXPECT_TRUE(h.ticks.empty());
    EXPECT_FALSE(h.service.nextDue());
}
