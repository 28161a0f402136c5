// The bubble over the hero that tells what the faced tile offers.
#include "game/FrmIntro.h"
#include "gameplay/Facing.h"
#include "gameplay/Locks.h"

#include <string_view>

namespace {

bool oneOf(char tile, std::string_view tiles) {
    return tile != kNoTile && tiles.find(tile) != std::string_view::npos;
}

// Something to look at: a chest, a locked door, the pressed switch, water out of
// reach, or an open door straight above the hero.
bool somethingToSee(const FrmIntro& w, char f) {
    return (f == 'P' && w.intDirY == -1) || oneOf(f, "C8FSc76549p") ||
           (f == 'E' && w.varSceau == 0 && w.varEau == 0);
}

bool somethingToTake(const FrmIntro& w, char f) {
    return f == '2' || (f == 'E' && w.varSceau == 1 && w.varEau == 0);
}

} // namespace

// The four bubbles are hidden and the right ones shown within the same tick; the
// window is only redrawn between handlers, so a bubble that stays does not flicker.
void FrmIntro::tmrCurseur_Timer() {
    for (int k = 0; k <= 3; ++k) {
        imgCurseur(k).left = imgHaut.left + 100;
        imgCurseur(k).top = imgHaut.top - 550;
        imgCurseur(k).visible = false;
    }
    const char f = facedTile(*this);
    if (somethingToSee(*this, f)) imgCurseur(0).visible = true;
    if (holdsItemFor(*this, f)) imgCurseur(3).visible = true;
    if (f == '1') imgCurseur(1).visible = true;
    if (somethingToTake(*this, f)) imgCurseur(2).visible = true;
}
