// Puts the hero in play beside one tile of a small made-up map, as if he had walked
// there and turned toward it, for the tests of what that tile offers.
#pragma once
#include "Player.h"

#include <string>
#include <vector>

// The hero stands at view row 2, column 2 of a paved map of three rows and faces the
// tile placed next to him in the given direction.
inline void faceTile(Player& p, char tile, int16 dirY = 0, int16 dirX = 1) {
    FrmIntro& g = p.game();
    // The title has long gone: its fades would move the shared fade level.
    for (Timer* title : {&g.tmrOuvrir, &g.tmrOuvrir2, &g.tmrTouche})
        title->setEnabled(false);
    g.intMode = Mode::Game;
    g.intEtat = 1;
    g.varPas = 1;
    g.strNom = "Hero  ";
    g.strMap = std::string(49 * 3, 'a');
    g.intMapOffset = 0;
    g.intLigne = 2;
    g.intColonne = 2;
    g.intDirY = dirY;
    g.intDirX = dirX;
    g.strMap[static_cast<std::size_t>((1 + dirY) * 49 + 1 + dirX)] = tile;
}

// Presses space and returns what the message label then shows, or "" if it is hidden.
inline std::string messageAfterSpace(Player& p) {
    p.press(Key::Space);
    return p->lblMessage.visible ? p->lblMessage.caption : "";
}

using Flags = std::vector<int16 GameState::*>;

// Every flag the quest sets, items found and places opened.
inline const Flags kQuestFlags{
    &GameState::varSceau,      &GameState::varEau,         &GameState::varSwitche,
    &GameState::varCleMage,    &GameState::varCoffre4,     &GameState::varCoffre5,
    &GameState::varCoffre6,    &GameState::varCoffre7,     &GameState::varCoffre8,
    &GameState::varPorteForet, &GameState::varPorteGrotte, &GameState::varOrbePlacee};

// Everything found and opened but one flag: a key held for the wrong lock must not open it.
inline Flags allBut(int16 GameState::*missing) {
    Flags held;
    for (auto flag : kQuestFlags)
        if (flag != missing) held.push_back(flag);
    return held;
}

inline void hold(GameState& s, const Flags& flags) {
    for (auto flag : flags)
        s.*flag = 1;
}
