// L'Épée légendaire: opens the game window and plays until the game ends.
#include "FailureMessage.h"
#include "GameWindow.h"

#include <exception>

int main(int, char**) {
    try {
        FrmIntro game;
        game.Form_Load();
        GameWindow window;
        return window.run(game);
    } catch (const std::exception& e) {
        showFailure(e.what());
        return 1;
    }
}
