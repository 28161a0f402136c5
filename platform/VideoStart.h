// Starts SDL's video on a driver that shows the game to the player. SDL would otherwise
// fall back, with no display, to drivers that draw into memory and show nothing.
#pragma once
#include <stdexcept>

struct NoDisplay : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Throws NoDisplay when no display answers. A driver named in SDL_VIDEODRIVER is used
// as it is, so tests can still ask for the dummy or offscreen drivers.
void startVideo();
