// L'Épée légendaire: opens the game window and plays until the game ends.
#include "GameWindow.h"

#include <exception>
#include <iostream>

int main(int, char**) {
    try {
        FrmIntro game;
        game.Form_Load();
        GameWindow window;
        return window.run(game);
    } catch (const std::exception& e) {
        std::cerr << "epee: " << e.what() << '\n';
        return 1;
    }
}
