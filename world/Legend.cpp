// The tile legend and the reading of map positions.
#include "Legend.h"

#include <string_view>

char tileAt(const GameState& state, int position) {
    if (position < 1 || position > static_cast<int>(state.strMap.size())) return kNoTile;
    return state.strMap[static_cast<std::size_t>(position - 1)];
}

int viewPosition(const GameState& state, int row, int column) {
    return (row - 1) * 49 + column + state.intMapOffset;
}

char viewTile(const GameState& state, int row, int column) {
    return tileAt(state, viewPosition(state, row, column));
}

const Picture* tileTemplate(const FrmIntro& w, char tile) {
    switch (tile) {
    case 'Y':
        return &w.imgArbre;
    case 't':
        return &w.imgTronc;
    case 'g':
        return &w.imgGazon;
    case 'a':
        return &w.imgAsphalte;
    case 'A':
        return &w.imgAsphalte2;
    case 'e':
    case 'E':
        return &w.imgEau;
    case 'k':
        return &w.imgEau2;
    case 'n':
        return &w.imgSable;
    case 'o':
        return &w.imgPont;
    case 'M':
        return &w.imgMurMaison;
    case 'T':
        return &w.imgToit;
    case 'm':
        return &w.imgMur;
    case 'W':
        return &w.imgMur2;
    case 'N':
        return &w.imgGrotte;
    case 'i':
        return &w.imgEscalier;
    case 'v':
    case 'V':
        return &w.imgVide;
    case 'G':
        return &w.imgGate;
    // Indoors (corridor and room) doors are drawn with the second door picture.
    case 'P':
    case 'p':
    case '9':
        return w.intLieu == 1 || w.intLieu == 3 ? &w.imgPorte2 : &w.imgPorte;
    case '1':
        return &w.imgMage;
    case 'c':
    case '4':
    case '5':
    case '6':
    case '7':
        return &w.imgCoffre;
    case '8':
        return &w.imgCoffre2;
    case 'C':
        return &w.imgCoffreOuvert;
    case 'F':
        return &w.imgCoffreOuvert2;
    case 's':
        return &w.imgSwitche;
    case 'S':
        return &w.imgSwitche2;
    case '2':
        return &w.imgSceau;
    case 'O':
        return &w.imgOrbe;
    case 'X':
        return &w.imgOrbe2;
    case 'H':
        return &w.imgÉpée;
    default:
        return nullptr;
    }
}

bool blocksStep(char tile) {
    // "c" stops a step although no map uses it.
    constexpr std::string_view blocking = "XHOF4968kSN5p271EMYTtvmcCeW";
    return tile != kNoTile && blocking.find(tile) != std::string_view::npos;
}
