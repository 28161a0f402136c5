// The tile legend and the reading of map positions.
#include "Legend.h"

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

namespace {

// What a tile character means: the picture template that draws it (indoors, in the
// corridor and the room, another one where given) and whether it stops a step.
struct TileMeaning {
    char tile;
    Picture Controls::*outdoors;
    Picture Controls::*indoors;
    bool blocks;
};

constexpr TileMeaning kLegend[] = {
    {'Y', &Controls::imgArbre, nullptr, true},
    {'t', &Controls::imgTronc, nullptr, true},
    {'g', &Controls::imgGazon, nullptr, false},
    {'a', &Controls::imgAsphalte, nullptr, false},
    {'A', &Controls::imgAsphalte2, nullptr, false},
    {'e', &Controls::imgEau, nullptr, true},
    {'E', &Controls::imgEau, nullptr, true},
    {'k', &Controls::imgEau2, nullptr, true},
    {'n', &Controls::imgSable, nullptr, false},
    {'o', &Controls::imgPont, nullptr, false},
    {'M', &Controls::imgMurMaison, nullptr, true},
    {'T', &Controls::imgToit, nullptr, true},
    {'m', &Controls::imgMur, nullptr, true},
    {'W', &Controls::imgMur2, nullptr, true},
    {'N', &Controls::imgGrotte, nullptr, true},
    {'i', &Controls::imgEscalier, nullptr, false},
    {'v', &Controls::imgVide, nullptr, true},
    {'V', &Controls::imgVide, nullptr, false},
    {'G', &Controls::imgGate, nullptr, false},
    {'P', &Controls::imgPorte, &Controls::imgPorte2, false},
    {'p', &Controls::imgPorte, &Controls::imgPorte2, true},
    {'9', &Controls::imgPorte, &Controls::imgPorte2, true},
    {'1', &Controls::imgMage, nullptr, true},
    // "c" stops a step although no map uses it.
    {'c', &Controls::imgCoffre, nullptr, true},
    {'4', &Controls::imgCoffre, nullptr, true},
    {'5', &Controls::imgCoffre, nullptr, true},
    {'6', &Controls::imgCoffre, nullptr, true},
    {'7', &Controls::imgCoffre, nullptr, true},
    {'8', &Controls::imgCoffre2, nullptr, true},
    {'C', &Controls::imgCoffreOuvert, nullptr, true},
    {'F', &Controls::imgCoffreOuvert2, nullptr, true},
    {'s', &Controls::imgSwitche, nullptr, false},
    {'S', &Controls::imgSwitche2, nullptr, true},
    {'2', &Controls::imgSceau, nullptr, true},
    {'O', &Controls::imgOrbe, nullptr, true},
    {'X', &Controls::imgOrbe2, nullptr, true},
    {'H', &Controls::imgÉpée, nullptr, true},
};

const TileMeaning* meaningOf(char tile) {
    for (const TileMeaning& meaning : kLegend)
        if (meaning.tile == tile) return &meaning;
    return nullptr;
}

} // namespace

const Picture* tileTemplate(const FrmIntro& w, char tile) {
    const TileMeaning* meaning = meaningOf(tile);
    if (!meaning) return nullptr;
    const bool indoors = w.intLieu == 1 || w.intLieu == 3;
    return &(w.*(indoors && meaning->indoors ? meaning->indoors : meaning->outdoors));
}

Picture Controls::*tilePicture(char tile) {
    const TileMeaning* meaning = meaningOf(tile);
    return meaning ? meaning->outdoors : nullptr;
}

bool blocksStep(char tile) {
    const TileMeaning* meaning = meaningOf(tile);
    return meaning && meaning->blocks;
}
