// Where the 9 x 7 view lies in the window, in twips: its origin, its square tiles and the
// cells of the picture grid that show them.
#pragma once
#include "shell/Elements.h"

inline constexpr int kViewRows = 7, kViewColumns = 9;
// One tile of the view; a curtain tick covers one more row of it.
inline constexpr int kTileTwips = 1285;
// The view's top-left corner: the left edge of column 1 and the top of row 1.
inline constexpr int kViewLeft = 195, kViewTop = 0;
// A step takes five ticks of the hero's timer, each moving him a fifth of a tile.
inline constexpr int kStepTicks = 5;
inline constexpr int kStepTwips = kTileTwips / kStepTicks;
static_assert(kStepTwips * kStepTicks == kTileTwips, "a step ends on the next tile");
// The hero pictures stand this far right of their cell's left edge.
inline constexpr int kHeroInset = 10;

constexpr int cellLeft(int column) {
    return kViewLeft + (column - 1) * kTileTwips;
}

constexpr int cellTop(int row) {
    return kViewTop + (row - 1) * kTileTwips;
}

// Where the hero pictures stand in a column.
constexpr int heroLeft(int column) {
    return cellLeft(column) + kHeroInset;
}

// The grid's picture showing view cell (row, column), numbered row by row from 1.
constexpr int gridCell(int row, int column) {
    return (row - 1) * kViewColumns + column;
}

// A cell of the grid is one tile square, its picture stretched to fill it.
inline void sizeAsTile(Picture& cell) {
    cell.height = kTileTwips;
    cell.width = kTileTwips;
    cell.stretch = true;
}
