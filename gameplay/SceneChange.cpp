// Curtains, area switches and screen flips.
#include "game/FrmIntro.h"
#include "world/Legend.h"
#include "world/ViewGeometry.h"

namespace {
// One curtain tick: sign 1 closes the four curtains over the view, -1 opens them.
void moveCurtains(FrmIntro& w, int sign) {
    w.fraLieu.height += sign * kTileTwips;
    w.fraLieu2.top -= sign * kTileTwips;
    w.fra1(0).width += sign * 1500;
    w.fra1(1).left -= sign * 1500;
}

char underHero(const FrmIntro& w) {
    return viewTile(w, w.intLigne, w.intColonne);
}

// Doors pair the forest with the corridor and the cave with the room.
void goThroughDoor(FrmIntro& w) {
    switch (w.intLieu) {
    case 0:
        w.intLieu = 1;
        w.procLoadCouloir();
        break;
    case 1:
        w.intLieu = 0;
        w.procLoadForêt();
        break;
    case 3:
        w.intLieu = 2;
        w.procLoadGrotte();
        break;
    case 2:
        w.intLieu = 3;
        w.procLoadSalle();
        break;
    }
    w.procLoadMap();
}

void goThroughPassage(FrmIntro& w) {
    if (w.intLieu == 0) {
        w.intLieu = 2;
        w.procLoadGrotte();
    } else {
        w.intLieu = 0;
        w.procLoadForêt();
    }
    w.procLoadMap();
}

// A whole screen: 7 rows of 49 tiles, or 9 columns. The hero moves 9000 twips
// vertically, 5 more than seven rows, and keeps that drift until it flips back.
void flipScreen(FrmIntro& w) {
    struct Flip {
        int16 FrmIntro::*cell;
        int16 from, to;
        int heroTop, heroLeft, offset;
    };
    static constexpr Flip kFlips[] = {
        {&FrmIntro::intLigne, 0, 7, 9000, 0, -343},
        {&FrmIntro::intLigne, 8, 1, -9000, 0, 343},
        {&FrmIntro::intColonne, 0, 9, 0, kViewColumns * kTileTwips, -9},
        {&FrmIntro::intColonne, 10, 1, 0, -kViewColumns * kTileTwips, 9},
    };
    for (const Flip& f : kFlips) {
        if (w.*f.cell != f.from) continue;
        w.*f.cell = f.to;
        w.procEffacer();
        w.imgHaut.top += f.heroTop;
        w.imgHaut.left += f.heroLeft;
        w.intMapOffset = static_cast<int16>(w.intMapOffset + f.offset);
        w.procLoadMap();
    }
}
} // namespace

void FrmIntro::tmrChangeLieu_Timer() {
    moveCurtains(*this, 1);
    if (fraLieu.height <= 5000) return;
    // The curtains now cover the whole view.
    tmrChangeLieu.setEnabled(false);
    tmrChangeLieu2.setEnabled(true);
    if (underHero(*this) == 'P') goThroughDoor(*this);
    if (underHero(*this) == 'G') goThroughPassage(*this);
    flipScreen(*this);
}

void FrmIntro::tmrChangeLieu2_Timer() {
    moveCurtains(*this, -1);
    if (fraLieu.height >= 300) return;
    tmrChangeLieu2.setEnabled(false);
    tmrI.setEnabled(true);
}
