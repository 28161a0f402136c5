// The tile the hero faces: what the action key examines and the cursor describes.
#pragma once
#include "world/Legend.h"

// Before the first arrow key both facings are 0, so this is the hero's own tile.
inline char facedTile(const GameState& s) {
    return viewTile(s, s.intLigne + s.intDirY, s.intColonne + s.intDirX);
}
