// Reading the current area's map and what each tile character means: the picture
// template that draws it and whether it stops a step.
#pragma once
#include "game/FrmIntro.h"

// A position that holds no tile reads as this; it matches no legend character.
inline constexpr char kNoTile = '\0';

// The tile at a 1-based position of strMap.
char tileAt(const GameState& state, int position);

// The map position shown by view cell (row, column).
int viewPosition(const GameState& state, int row, int column);

// The tile shown by view cell (row, column); rows and columns may lie just off the view.
char viewTile(const GameState& state, int row, int column);

// The picture template that draws a tile in the current area; null for a character
// outside the legend.
const Picture* tileTemplate(const FrmIntro& window, char tile);
// The template that draws a tile outdoors (indoors a door has another picture of the same
// thing); null for a character outside the legend.
Picture Controls::*tilePicture(char tile);

// Whether the hero is stopped by this tile.
bool blocksStep(char tile);
