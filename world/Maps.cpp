// The four area loaders: each rebuilds the map string for the quest flags as they
// stand and gives the window the area's background colour.
#include "AreaMaps.h"
#include "game/FrmIntro.h"

namespace {
// The colour shows through void tiles, through the clear parts of tile pictures
// and around the view; the quit fade starts from it.
void useAreaColour(FrmIntro& w, int16 red, int16 green, int16 blue) {
    w.intFondR = red;
    w.intFondV = green;
    w.intFondB = blue;
    w.backColor = RGB(red, green, blue);
}
} // namespace

void FrmIntro::procLoadForêt() {
    useAreaColour(*this, 0, 200, 0);
    strMap = forestRows(*this);
}

void FrmIntro::procLoadCouloir() {
    useAreaColour(*this, 0, 0, 0);
    strMap = corridorRows(*this);
}

void FrmIntro::procLoadSalle() {
    useAreaColour(*this, 25, 0, 40);
    strMap = roomRows(*this);
}

void FrmIntro::procLoadGrotte() {
    useAreaColour(*this, 50, 30, 0);
    strMap = caveRows(*this);
}
