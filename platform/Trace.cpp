#include "Trace.h"

#include <chrono>
#include <cstdlib>
#include <string>

std::unique_ptr<Trace> Trace::fromEnvironment() {
    const char* path = std::getenv("EPEE_TRACE");
    if (!path || !*path) return nullptr;
    // Binary, so that lines end in \n on every system.
    std::FILE* file = std::fopen(path, "wb");
    if (!file) return nullptr;
    // Each line written at once, so that the trace can be read while the game runs (Windows
    // has no line buffering: it would keep whole blocks).
    std::setvbuf(file, nullptr, _IONBF, 0);
    return std::unique_ptr<Trace>(new Trace(file));
}

Trace::~Trace() {
    std::fclose(file_);
}

void Trace::watchTimers(FrmIntro& game) {
    aroundEachTick(game, [this](std::string_view timer, const std::function<void()>& tick) {
        line("tick", timer);
        if (tick) tick();
    });
}

void Trace::key(int code) {
    line("key", std::to_string(code));
}

void Trace::frame() {
    line("frame", "");
}

void Trace::window(bool fullscreen) {
    line("window", fullscreen ? "fullscreen" : "window");
}

void Trace::renderer(SDL_Renderer* renderer) {
    SDL_RendererInfo info{};
    line("renderer", SDL_GetRendererInfo(renderer, &info) == 0 ? info.name : "unknown");
}

void Trace::line(std::string_view what, std::string_view detail) {
    using namespace std::chrono;
    const auto us = duration_cast<microseconds>(system_clock::now().time_since_epoch()).count();
    std::fprintf(file_, "%lld %.*s %.*s\n", static_cast<long long>(us), int(what.size()),
                 what.data(), int(detail.size()), detail.data());
}
