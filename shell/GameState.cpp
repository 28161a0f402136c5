#include "GameState.h"

#include <stdexcept>

std::string& GameState::strLettre(int slot) {
    return const_cast<std::string&>(static_cast<const GameState&>(*this).strLettre(slot));
}

const std::string& GameState::strLettre(int slot) const {
    switch (slot) {
    case 1:
        return strLettre1;
    case 2:
        return strLettre2;
    case 3:
        return strLettre3;
    case 4:
        return strLettre4;
    case 5:
        return strLettre5;
    case 6:
        return strLettre6;
    default:
        throw std::out_of_range("name slot");
    }
}
