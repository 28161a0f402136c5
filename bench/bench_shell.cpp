// Cost of a full redraw of the game screen with the software renderer, of one timer
// dispatch and of building the draw list.
#include "GameScreens.h"
#include "platform/Renderer.h"

#include <SDL_ttf.h>
#include <benchmark/benchmark.h>

namespace {
void redraw(benchmark::State& state, double scale, void (*playTo)(ReplaySession&)) {
    SDL_Init(SDL_INIT_VIDEO);
    TTF_Init();
    SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormat(0, int(751 * scale), int(600 * scale), 32,
                                                          SDL_PIXELFORMAT_ARGB8888);
    SDL_Renderer* sdl = SDL_CreateSoftwareRenderer(surface);
    {
        Renderer renderer(sdl);
        ReplaySession session(false);
        playTo(session);
        auto items = buildDrawList(session.game());
        renderer.draw(items); // warm the text cache, as the running game has
        for (auto _ : state) {
            renderer.draw(items);
            benchmark::DoNotOptimize(surface->pixels);
        }
    }
    SDL_DestroyRenderer(sdl);
    SDL_FreeSurface(surface);
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
BENCHMARK(BM_TimerDispatch);
BENCHMARK(BM_BuildDrawList);
