// Which parts of the output differ between two draw lists. Each item comes with its
// reach, the output pixels it may write; a pixel covered by the same items in the same
// order in both lists shows the same colour, so only the reach of items without an equal
// in the other list needs drawing again.
#pragma once
#include "shell/DrawList.h"

#include <SDL.h>

#include <functional>
#include <vector>

struct DrawnList {
    std::vector<DrawItem> items;
    std::vector<SDL_Rect> reach; // one per item, in output pixels
};

using ReachOf = std::function<SDL_Rect(const DrawItem&)>;

// The rectangles of `before` and `after` that differ. Fills after.reach, asking reachOf
// only for items that have no equal in `before`.
std::vector<SDL_Rect> changedArea(const DrawnList& before, DrawnList& after,
                                  const ReachOf& reachOf);

// Adds the parts of `r` outside `hole`: at most four bands, some perhaps empty.
void uncovered(const SDL_Rect& r, const SDL_Rect& hole, std::vector<SDL_Rect>& out);

// Joins rectangles whose union costs no more pixels than the two apart, so that few
// remain to draw and to send.
std::vector<SDL_Rect> mergeRects(std::vector<SDL_Rect> rects);
