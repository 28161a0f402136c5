// The desktop drives the window: a step whenever an event comes or a timer is due, and
// asleep in SDL in between.
#include "DesktopLoop.h"

int playOnDesktop(GameWindow& window, FrmIntro& game) {
    window.begin(game);
    window.fireDue(game);
    while (!gameEnded(game)) {
        window.present(game);
        SDL_Event event;
        if (SDL_WaitEventTimeout(&event, window.msUntilDue(game).value_or(-1)))
            window.handle(event, game);
        window.update(game);
    }
    return 0;
}
