#include "FailureMessage.h"

#include <SDL.h>

#include <iostream>
#include <string>

void showFailure(const char* why) {
    std::cerr << "epee: " << why << '\n';
    const std::string text = std::string("Le jeu n'a pas pu démarrer.\n\n") + why;
    SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, "L'Épée légendaire", text.c_str(), nullptr);
}
