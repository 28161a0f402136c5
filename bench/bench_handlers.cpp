// Cost of the game's handlers on the island: a whole step (the arrow key and its five
// ticks), a cursor tick, opening and closing the menu, redrawing the view and loading
// the island. Every handler has to stay far below a timer period.
#include "GameScreens.h"

#include <benchmark/benchmark.h>

namespace {
struct Island {
    ReplaySession session{false};
    FrmIntro& game = session.game();
    Island() {
        playToIsland(session);
        game.Form_KeyDown(Key::Space); // the opening message let go
    }
};

// One arrow key and the five ticks of its step, back and forth: six handlers an iteration.
void BM_StepOfSixHandlers(benchmark::State& state) {
    Island island;
    FrmIntro& g = island.game;
    int16 arrow = Key::Right;
    for (auto _ : state) {
        g.Form_KeyDown(arrow);
        for (int tick = 0; tick < 5 && g.tmrI.enabled(); ++tick)
            g.tmrI_Timer();
        arrow = arrow == Key::Right ? Key::Left : Key::Right;
    }
    state.counters["per_handler"] = benchmark::Counter(
        double(state.iterations()) * 6, benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void BM_CursorTick(benchmark::State& state) {
    Island island;
    for (auto _ : state)
        island.game.tmrCurseur_Timer();
}

void BM_MenuKey(benchmark::State& state) {
    Island island;
    for (auto _ : state)
        island.game.Form_KeyDown(Key::M);
}

void BM_ProcLoadMap(benchmark::State& state) {
    Island island;
    for (auto _ : state)
        island.game.procLoadMap();
}

void BM_ProcLoadForet(benchmark::State& state) {
    Island island;
    for (auto _ : state)
        island.game.procLoadForêt();
}
} // namespace

BENCHMARK(BM_StepOfSixHandlers)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CursorTick)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_MenuKey)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ProcLoadMap)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ProcLoadForet)->Unit(benchmark::kMicrosecond);
