// What the player sees and what the hero holds, read only: the entry points a narrator
// reads to put the game into words. Nothing here changes the game.
#pragma once
#include "CorePort.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// Where a text stands on the window; each place shows one text at a time.
enum class TextPlace : std::uint8_t { Credit, Prompt, Instruction, Name, LetterUnderBox, Message };

struct ShownText {
    TextPlace place;
    std::string text;
    friend bool operator==(const ShownText&, const ShownText&) = default;
};

// The texts shown now, the menu's aside, in the order a reader meets them. The blinking
// prompt counts as shown for as long as it blinks. The name is its six letters as written;
// the letter under the name entry's red box is its grid cell's text ("A", " " or "FIN").
// A message still counts while the menu lies over it.
std::vector<ShownText> shownTexts(const FrmIntro& game);

// While the menu shows, its lines in reading order: the inventory's column (the items held,
// then the configuration, the colour values read after their "R=", "V=", "B="), then the
// help's. Empty while it is closed.
std::vector<std::string> menuLines(const FrmIntro& game);
// The menu's red, green and blue values as drawn.
std::array<std::string, 3> menuColourValues(const FrmIntro& game);

// The names of the items the hero holds, as the menu lists them.
std::vector<std::string> heldItems(const FrmIntro& game);

// The areas, in their map numbering.
enum class Area : std::uint8_t { Island, Corridor, Cave, Room };

// The hero once the game has set him on the map.
struct HeroPlace {
    Area area;
    int position;     // his tile in the area's map
    int16 dirY, dirX; // where he faces; both 0 before the first arrow key
    bool moving;      // a step or a change of scene is under way
    friend bool operator==(const HeroPlace&, const HeroPlace&) = default;
};
std::optional<HeroPlace> heroPlace(const FrmIntro& game);

// The map's tile rows down and columns across from the hero's own tile, in the area's map
// characters; '\0' off the map.
char tileNearHero(const FrmIntro& game, int rows, int columns);
