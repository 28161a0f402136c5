// Cost of a full redraw with the software renderer and of one timer dispatch.
#include "platform/Renderer.h"
#include "shell/FrmIntro.h"

#include <SDL_ttf.h>
#include <benchmark/benchmark.h>

namespace {
void redraw(benchmark::State& state, double scale) {
    SDL_Init(SDL_INIT_VIDEO);
    TTF_Init();
    SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormat(0, int(751 * scale), int(600 * scale), 32,
                                                          SDL_PIXELFORMAT_ARGB8888);
    SDL_Renderer* sdl = SDL_CreateSoftwareRenderer(surface);
    {
        Renderer renderer(sdl);
        FrmIntro game;
        game.Form_Load();
        // The menu open over the play area: the busiest screen there is.
        game.fraAide.visible = true;
        for (int i = 0; i <= 7; ++i)
            game.lblObjet(i).visible = true;
        auto items = buildDrawList(game);
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
    redraw(state, 1.0);
}
void BM_FullRedraw2x(benchmark::State& state) {
    redraw(state, 2.0);
}

void BM_TimerDispatch(benchmark::State& state) {
    FrmIntro game;
    game.Form_Load();
    for (auto _ : state)
        game.timers.advance(TimerService::kGranularity);
}

void BM_BuildDrawList(benchmark::State& state) {
    FrmIntro game;
    game.Form_Load();
    for (auto _ : state)
        benchmark::DoNotOptimize(buildDrawList(game));
}
} // namespace

BENCHMARK(BM_FullRedraw1x)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FullRedraw2x)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TimerDispatch);
BENCHMARK(BM_BuildDrawList);
