// The narrator's own words, in French: the names of the areas and tiles, the words around
// them. The game's texts are never here; they are read as drawn.
#pragma once
#include "game/PlayerView.h"

#include <string>
#include <string_view>

namespace Cue {
// "Devant : " and what stands there; after a step that did not go, the bump said first, as
// the eyes see the hero stay put.
std::string inFront(char tile, bool bumped);
// The area's name, said on entering it.
std::string_view areaName(Area area);
// What a tile's picture shows, with its article: "un arbre", "de l'eau"; "rien" off the map.
std::string_view tileName(char tile);
// A letter of the name grid as said: the blank cell has a name, the others read as drawn.
std::string letter(const std::string& shown);
// The four directions, the items held, for the description of the hero's place.
std::string surroundings(Area area, char up, char down, char left, char right);
std::string held(const std::vector<std::string>& items);
} // namespace Cue
