// Puts the hero in play beside one tile of a small made-up map, as if he had walked
// there and turned toward it, for the tests of what that tile offers.
#pragma once
#include "Player.h"

#include <string>

// The hero stands at view row 2, column 2 of a paved map of three rows and faces the
// tile placed next to him in the given direction.
inline void faceTile(Player& p, char tile, int16 dirY = 0, int16 dirX = 1) {
    FrmIntro& g = p.game();
    // The title has long gone: its fades would move the shared fade level.
    for (Timer* title : {&g.tmrOuvrir, &g.tmrOuvrir2, &g.tmrTouche})
        title->setEnabled(false);
    g.intMode = 2;
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
