// Which item opens which tile: the key for each locked chest and door, and the water that
// weighs the switch down. The cursor shows the use bubble and the action key uses the item
// by this one table.
#pragma once
#include "shell/GameState.h"

#include <array>

struct Lock {
    char tile;
    int16 GameState::*item; // the flag set once the hero holds the item
};

inline constexpr std::array kLocks{
    Lock{'5', &GameState::varCleMage}, // the mage's key, the chest behind the bush
    Lock{'6', &GameState::varCoffre5}, // the red key
    Lock{'8', &GameState::varCoffre6}, // the adamantium key, the strange chest
    Lock{'p', &GameState::varCoffre4}, // the blue key, the house door on the island
    Lock{'9', &GameState::varCoffre7}, // the golden key, the cave's door
    Lock{'s', &GameState::varEau},     // the bucket of water, on the switch
};

// Whether the hero holds the item that opens this tile; never for a tile no item opens.
inline bool holdsItemFor(const GameState& state, char tile) {
    for (const Lock& lock : kLocks)
        if (lock.tile == tile) return state.*lock.item == 1;
    return false;
}
