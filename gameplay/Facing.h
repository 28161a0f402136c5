// The tile the hero faces: what the action key examines and the cursor describes.
#pragma once
#include "shell/GameState.h"

// A position outside the map holds no tile; this matches no tile character.
inline constexpr char kNoFacedTile = '\0';

// Before the first arrow key both facings are 0, so this is the hero's own tile.
inline char facedTile(const GameState& s) {
    const int position =
        (s.intLigne + s.intDirY - 1) * 49 + s.intColonne + s.intDirX + s.intMapOffset;
    if (position < 1 || position > static_cast<int>(s.strMap.size())) return kNoFacedTile;
    return s.strMap[static_cast<std::size_t>(position - 1)];
}
