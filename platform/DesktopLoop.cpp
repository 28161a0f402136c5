// The desktop drives the window: a step whenever an event comes or a timer is due, and
// asleep in SDL in between.
#include "GameWindow.h"

int GameWindow::run(FrmIntro& game) {
    begin(game);
    fireDue(game);
    while (!game.ended()) {
        present(game);
        SDL_Event event;
        if (SDL_WaitEventTimeout(&event, msUntilDue(game).value_or(-1))) handle(event, game);
        update(game);
    }
    return 0;
}
