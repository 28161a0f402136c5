#include "VideoStart.h"

#include <SDL.h>

#include <cstdlib>
#include <string>
#include <string_view>

namespace {
bool showsNothing(std::string_view driver) {
    return driver == "offscreen" || driver == "dummy" || driver == "evdev";
}

bool tryDriver(const char* driver) {
    SDL_SetHint(SDL_HINT_VIDEODRIVER, driver);
    return SDL_InitSubSystem(SDL_INIT_VIDEO) == 0;
}
} // namespace

void startVideo() {
    const char* asked = std::getenv("SDL_VIDEODRIVER");
    if (asked && *asked) {
        if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0)
            throw NoDisplay(std::string("cannot open the display: ") + SDL_GetError());
        return;
    }
    // Without WAYLAND_DISPLAY no compositor is expected, and asking for one anyway only
    // makes the Wayland library complain on standard error.
    const bool wayland = std::getenv("WAYLAND_DISPLAY") != nullptr;
    for (int i = 0; i < SDL_GetNumVideoDrivers(); ++i) {
        const char* driver = SDL_GetVideoDriver(i);
        if (showsNothing(driver) || (std::string_view(driver) == "wayland" && !wayland)) continue;
        if (tryDriver(driver)) return;
    }
    throw NoDisplay("no display to open: set DISPLAY (X11) or WAYLAND_DISPLAY (Wayland) "
                    "to a running one");
}
