// The hero's steps, tile by tile, and what stops them.
#include "game/FrmIntro.h"
#include "world/Legend.h"
#include "world/ViewGeometry.h"

namespace {
struct StepStart {
    int16 key;
    int16 dirY, dirX;
    Picture FrmIntro::*facing;
};

// Compared in this order; at most one matches.
constexpr StepStart kSteps[] = {
    {Key::Down, 1, 0, &FrmIntro::imgBas},
    {Key::Up, -1, 0, &FrmIntro::imgHaut},
    {Key::Left, 0, -1, &FrmIntro::imgGauche},
    {Key::Right, 0, 1, &FrmIntro::imgDroit},
};

void showOnly(FrmIntro& w, Picture& facing) {
    for (Picture* p : {&w.imgBas, &w.imgHaut, &w.imgGauche, &w.imgDroit})
        p->visible = p == &facing;
}

void stopStep(FrmIntro& w) {
    w.intDeplY = 0;
    w.intDeplX = 0;
    w.intPasY = 0;
    w.intPasX = 0;
}

// Wading through "A" and "V" has its own set of hero pictures.
void dressHero(FrmIntro& w, char underfoot) {
    const int first = underfoot == 'A' || underfoot == 'V' ? 5 : 1;
    w.imgHaut.setPicture(w.imgPerso(first).picture);
    w.imgBas.setPicture(w.imgPerso(first + 1).picture);
    w.imgGauche.setPicture(w.imgPerso(first + 2).picture);
    w.imgDroit.setPicture(w.imgPerso(first + 3).picture);
}

bool leavesView(const FrmIntro& w) {
    return w.intLigne == 0 || w.intLigne == 8 || w.intColonne == 0 || w.intColonne == 10;
}
} // namespace

void FrmIntro::arrowKeys(int16 keyCode) {
    if (intEtat != 1 || tmrI.enabled() || fraAide.visible) return;
    for (const StepStart& s : kSteps) {
        if (keyCode != s.key) continue;
        intDirY = s.dirY;
        intDirX = s.dirX;
        intPasY = s.dirY;
        intPasX = s.dirX;
        intDeplY = static_cast<int16>(kStepTwips * s.dirY);
        intDeplX = static_cast<int16>(kStepTwips * s.dirX);
        showOnly(*this, this->*s.facing);
        tmrI.setEnabled(true);
        return;
    }
}

void FrmIntro::tmrI_Timer() {
    if (varPas == 1) {
        if (blocksStep(viewTile(*this, intLigne + intPasY, intColonne + intPasX))) {
            stopStep(*this);
            tmrI.setEnabled(false);
            return;
        }
        // The hero's cell changes on the first tick, before the pictures have moved.
        intLigne += intPasY;
        intColonne += intPasX;
    }
    for (Picture* p : {&imgHaut, &imgBas, &imgGauche, &imgDroit}) {
        p->top += intDeplY;
        p->left += intDeplX;
    }
    varPas += 1;
    if (varPas == kStepTicks + 1) {
        tmrI.setEnabled(false);
        varPas = 1;
        stopStep(*this);
    }
    const char underfoot = viewTile(*this, intLigne, intColonne);
    dressHero(*this, underfoot);
    // A suspended step keeps varPas; the scene change hands it back to finish.
    if (underfoot == 'P' || underfoot == 'G' || leavesView(*this)) {
        tmrI.setEnabled(false);
        tmrChangeLieu.setEnabled(true);
    }
}
