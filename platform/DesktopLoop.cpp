// The desktop drives the window: a step whenever an event comes or a timer is due, and
// asleep in SDL in between.
#include "GameWindow.h"

#include <algorithm>

int GameWindow::run(FrmIntro& game) {
    begin(game);
    fireDue(game);
    while (!game.ended()) {
        present(game);
        auto due = nextDue(game);
        int timeout = -1;
        if (due) timeout = int(std::max<Micros>(0, (*due - now() + 999) / 1000));
        SDL_Event event;
        if (SDL_WaitEventTimeout(&event, timeout)) handle(event, game);
        update(game);
    }
    return 0;
}
