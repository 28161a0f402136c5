// The room of the sword, 32 rows. The first row has 48 tiles, which moves every later
// tile one position earlier and lines the room's door up with the cave's.
#include "AreaMaps.h"

std::string roomRows(const GameState& s) {
    std::string map = "vvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvv";
    map += "vvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvv";
    map += "vvvvvvvvvvvvvvvvaaavvvvvvvvvvvvvvvvvvvvvvvvvvvvvv";
    map += "vvvvvvvvvvvvvvvvaaavvvvvvvvvvvvvvvvvvvvvvvvvvvvvv";
    map += "vvvvvvvvvvvvvvvvaHavvvvvvvvvvvvvvvvvvvvvvvvvvvvvv";
    map += "vvvvvvvvvvvvvvvvaaavvvvvvvvvvvvvvvvvvvvvvvvvvvvvv";
    map += "vvvvvvvvvvvvvvvvaaavvvvvvvvvvvvvvvvvvvvvvvvvvvvvv";
    // Rows 8 to 10: wall and void, or the stair passage once the orb is set.
    if (s.varOrbePlacee == 0) {
        map += "vvvvvvvvvvvvvvvvTTTvvvvvvvvvvvvvvvvvvvvvvvvvvvvvv";
        map += "vvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvv";
        map += "vvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvv";
    } else {
        map += "vvvvvvvvvvvvvvvvTiTvvvvvvvvvvvvvvvvvvvvvvvvvvvvvv";
        map += "vvvvvvvvvvvvvvvvvivvvvvvvvvvvvvvvvvvvvvvvvvvvvvvv";
        map += "vvvvvvvvvvvvvvvvvivvvvvvvvvvvvvvvvvvvvvvvvvvvvvvv";
    }
    map += "vvvvvvvvvvvvvvvvaaavvvvvvvvvvvvvvvvvvvvvvvvvvvvvv";
    map += "vvvvvvvvvvvvvvvvaaavvvvvvvvvvvvvvvvvvvvvvvvvvvvvv";
    // Row 13: the orb's place "O", or the orb set "X".
    map += s.varOrbePlacee == 0 ? "vvvvvvvvvvvvvvvvaOavvvvvvvvvvvvvvvvvvvvvvvvvvvvvv"
                                : "vvvvvvvvvvvvvvvvaXavvvvvvvvvvvvvvvvvvvvvvvvvvvvvv";
    map += "vvvvvvvvvvvvvvvvaaavvvvvvvvvvvvvvvvvvvvvvvvvvvvvv";
    map += "vvvvvvvvvvvvvvvvaaavvvvvvvvvvvvvvvvvvvvvvvvvvvvvv";
    map += "vvvvvvvvvvvvvvvvTiTvvvvvvvvvvvvvvvvvvvvvvvvvvvvvv";
    map += "vvvvvvvvvvvvvvvvvivvvvvvvvvvvvvvvvvvvvvvvvvvvvvvv";
    map += "vvvvvvvvvvvvvvvvaaavvvvvvvvvvvvvvvvvvvvvvvvvvvvvv";
    map += "vvvvvvvvvvvvvvvvTiTvvvvvvvvvvvvvvvvvvvvvvvvvvvvvv";
    map += "vvvvvvvvvvvvvvvvvPvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvv";
    map += "vvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvv";
    map += "vvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvv";
    map += "vvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvv";
    map += "vvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvv";
    map += "vvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvv";
    map += "vvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvv";
    map += "vvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvv";
    map += "vvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvv";
    map += "vvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvv";
    map += "vvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvv";
    map += "vvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvv";
    map += "vvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvv";
    return map;
}
