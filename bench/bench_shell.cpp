// Cost of a full redraw of the game screen with the software renderer, of a step's tick
// drawn as only what changed, of one timer dispatch and of building the draw list.
#include "GameScreens.h"
#include "platform/Renderer.h"

#include <SDL_ttf.h>
#include <benchmark/benchmark.h>

namespace {
// Runs body(renderer, pixels) with a software renderer drawing into a surface at a scale.
template <class Body> void onSurface(double scale, Body body) {
    SDL_Init(SDL_INIT_VIDEO);
    TTF_Init();
    SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormat(0, int(751 * scale), int(600 * scale), 32,
                                                          SDL_PIXELFORMAT_ARGB8888);
    SDL_Renderer* sdl = SDL_CreateSoftwareRenderer(surface);
    {
        Renderer renderer(sdl);
        body(renderer, surface->pixels);
    }
    SDL_DestroyRenderer(sdl);
    SDL_FreeSurface(surface);
}

// The whole output drawn anew, as the window does once its surface is lost.
void drawWhole(Renderer& renderer, const std::vector<DrawItem>& items) {
    renderer.forget();
    renderer.update(items);
}

void redraw(benchmark::State& state, double scale, void (*playTo)(ReplaySession&)) {
    onSurface(scale, [&](Renderer& renderer, void* pixels) {
        ReplaySession session(false);
        playTo(session);
        auto items = buildDrawList(session.game());
        drawWhole(renderer, items); // warm the text cache, as the running game has
        for (auto _ : state) {
            drawWhole(renderer, items);
            benchmark::DoNotOptimize(pixels);
        }
    });
}

// One tick of the hero's step and the next, each drawn as the window draws it: only what
// changed since the frame before.
void BM_StepTick2x(benchmark::State& state) {
    onSurface(2.0, [&](Renderer& renderer, void* pixels) {
        ReplaySession session(false);
        playToIsland(session);
        FrmIntro& game = session.game();
        game.Form_KeyDown(Key::Space); // the opening message let go
        game.Form_KeyDown(Key::Right);
        game.timers.advance(2 * game.tmrI.period());
        const auto before = buildDrawList(game);
        game.timers.advance(game.tmrI.period());
        const auto after = buildDrawList(game);
        drawWhole(renderer, before);
        for (auto _ : state) {
            renderer.update(after);
            renderer.update(before);
            benchmark::DoNotOptimize(pixels);
        }
        state.SetItemsProcessed(2 * state.iterations());
    });
}

void BM_FullRedraw1x(benchmark::State& state) {
    redraw(state, 1.0, playToIsland);
}
void BM_FullRedraw2x(benchmark::State& state) {
    redraw(state, 2.0, playToIsland);
}
void BM_FullRedrawMenu1x(benchmark::State& state) {
    redraw(state, 1.0, playToMenu);
}
void BM_FullRedrawMenu2x(benchmark::State& state) {
    redraw(state, 2.0, playToMenu);
}

void BM_TimerDispatch(benchmark::State& state) {
    FrmIntro game;
    game.Form_Load();
    for (auto _ : state)
        game.timers.advance(TimerService::kGranularity);
}

void BM_BuildDrawList(benchmark::State& state) {
    ReplaySession session(false);
    playToIsland(session);
    for (auto _ : state)
        benchmark::DoNotOptimize(buildDrawList(session.game()));
}
} // namespace

BENCHMARK(BM_FullRedraw1x)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FullRedraw2x)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FullRedrawMenu1x)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FullRedrawMenu2x)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_StepTick2x)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TimerDispatch);
BENCHMARK(BM_BuildDrawList);
