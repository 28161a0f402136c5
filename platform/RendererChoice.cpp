#include "RendererChoice.h"

#include <array>
#include <filesystem>
#include <optional>
#include <string_view>

#ifdef _WIN32
#include <windows.h>
#endif

namespace {
constexpr unsigned kGlRenderer = 0x1F01; // GL_RENDERER

bool playerChose() {
    const char* chosen = SDL_getenv("SDL_RENDER_DRIVER");
    return chosen && *chosen;
}

#if defined(__linux__) || defined(_WIN32)
bool hasRenderNode(const std::filesystem::path& dri) {
    std::error_code error;
    for (const auto& node : std::filesystem::directory_iterator(dri, error))
        if (node.path().filename().string().starts_with("renderD")) return true;
    return false;
}
#endif

#ifdef _WIN32
// Wine names the host's files for Windows programs; its own function does it, found only
// under Wine.
std::optional<std::filesystem::path> wineHostPath(const char* unixPath) {
    using ToDos = WCHAR*(CDECL*)(const char*);
    FARPROC found = GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_dos_file_name");
    auto toDos = reinterpret_cast<ToDos>(reinterpret_cast<void (*)()>(found));
    WCHAR* dos = toDos ? toDos(unixPath) : nullptr;
    if (!dos) return std::nullopt;
    std::filesystem::path path(dos);
    HeapFree(GetProcessHeap(), 0, dos);
    return path;
}
#endif

// Whether SDL's accelerated renderer is worth asking for. A card the system drives has a
// render node; without one, any GL runs on the processor. Wine draws Direct3D with the
// host's GL and shows it as a made-up card whatever does the drawing, so under Wine the
// host's render nodes tell. In a browser, never: a canvas keeps the first kind of context
// it is given, and Chromium without a card offers a WebGL run on the processor only now
// and then, so one tried and given up would leave the canvas unable to show the software
// picture the page is made for.
bool acceleratedWorthTrying() {
#if defined(__linux__)
    return hasRenderNode("/dev/dri");
#elif defined(_WIN32)
    if (auto dri = wineHostPath("/dev/dri")) return hasRenderNode(*dri);
    return true;
#elif defined(__EMSCRIPTEN__)
    return false;
#else
    return true;
#endif
}

// The GL driver's name for the renderer's context, if the renderer draws with GL.
std::string_view glRendererName(SDL_Renderer* renderer) {
    SDL_RendererInfo info{};
    if (SDL_GetRendererInfo(renderer, &info) != 0 ||
        std::string_view(info.name).find("opengl") != 0)
        return {};
    using GetString = const unsigned char* (*)(unsigned);
    auto getString = reinterpret_cast<GetString>(SDL_GL_GetProcAddress("glGetString"));
    const unsigned char* name = getString ? getString(kGlRenderer) : nullptr;
    return name ? std::string_view(reinterpret_cast<const char*>(name)) : std::string_view();
}

// Whether a GL_RENDERER string names a rasteriser that runs on the processor.
bool softwareGl(std::string_view glRenderer) {
    constexpr std::array<std::string_view, 4> kOnProcessor{"llvmpipe", "softpipe", "Software",
                                                           "swrast"};
    for (std::string_view name : kOnProcessor)
        if (glRenderer.find(name) != std::string_view::npos) return true;
    return false;
}
} // namespace

void chooseRenderer() {
    SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "0");
    // The software renderer draws into the window's own surface, sent to the X server as
    // it is rather than through a GL texture.
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    if (!playerChose() && !acceleratedWorthTrying())
        SDL_SetHint(SDL_HINT_RENDER_DRIVER, "software");
}

SDL_Renderer* createRenderer(SDL_Window* window) {
    SDL_Renderer* renderer = SDL_CreateRenderer(window, -1, 0);
    if (!renderer || playerChose() || !softwareGl(glRendererName(renderer))) return renderer;
    SDL_DestroyRenderer(renderer);
    SDL_SetHint(SDL_HINT_RENDER_DRIVER, "software");
    return SDL_CreateRenderer(window, -1, 0);
}
