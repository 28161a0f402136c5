#include "VideoStart.h"

#include <SDL.h>

#include <cstdlib>
#include <string>
#include <string_view>

namespace {
// An X server that is resetting (its last client just left) or still starting refuses
// connections for a moment: a named display is asked again for this long.
constexpr Uint64 kDisplayPatienceMs = 1000;
constexpr Uint32 kRetryPauseMs = 50;

bool showsNothing(std::string_view driver) {
    return driver == "offscreen" || driver == "dummy" || driver == "evdev";
}

bool tryDriver(const char* driver) {
    SDL_SetHint(SDL_HINT_VIDEODRIVER, driver);
    return SDL_InitSubSystem(SDL_INIT_VIDEO) == 0;
}

// Without WAYLAND_DISPLAY no compositor is expected, and asking for one anyway only makes
// the Wayland library complain on standard error. The screen itself (KMSDRM, from a text
// console) is taken only when no display is named: a desktop's display that refuses for
// a moment must not lose the game to the console it hides.
bool startAnyDriver(bool namedX11, bool namedWayland) {
    for (int i = 0; i < SDL_GetNumVideoDrivers(); ++i) {
        const std::string_view driver = SDL_GetVideoDriver(i);
        if (showsNothing(driver) || (driver == "wayland" && !namedWayland) ||
            (driver == "kmsdrm" && (namedX11 || namedWayland)))
            continue;
        if (tryDriver(driver.data())) return true;
    }
    return false;
}

bool named(const char* variable) {
    const char* value = std::getenv(variable);
    return value && *value;
}
} // namespace

void startVideo() {
    const bool asked = named("SDL_VIDEODRIVER");
    const bool namedX11 = named("DISPLAY");
    const bool namedWayland = named("WAYLAND_DISPLAY");
    const Uint64 deadline = SDL_GetTicks64() + kDisplayPatienceMs;
    for (;;) {
        if (asked ? SDL_InitSubSystem(SDL_INIT_VIDEO) == 0 : startAnyDriver(namedX11, namedWayland))
            return;
        if (!(namedX11 || namedWayland) || SDL_GetTicks64() >= deadline) break;
        SDL_Delay(kRetryPauseMs);
    }
    if (asked) throw NoDisplay(std::string("cannot open the display: ") + SDL_GetError());
    throw NoDisplay("no display to open: set DISPLAY (X11) or WAYLAND_DISPLAY (Wayland) "
                    "to a running one");
}
