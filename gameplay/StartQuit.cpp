// The fade that starts a game with its set-up, and the fade that quits it.
#include "game/FrmIntro.h"
#include "world/ViewGeometry.h"

#include <algorithm>

namespace {
void colourMenu(FrmIntro& w) {
    w.intMenuB = 100;
    const Color menu = RGB(w.intMenuR, w.intMenuV, w.intMenuB);
    // The value labels and the inventory keep their first colour until the menu is recoloured.
    for (int i = 0; i <= 5; ++i)
        w.lblAide(i).backColor = menu;
    w.lblMessage.backColor = menu;
    w.lblItem.backColor = menu;
}

void placeHero(FrmIntro& w) {
    // The hero starts in cell (3, 2), where setUpGame puts him.
    w.imgHaut.left = heroLeft(2);
    w.imgHaut.top = cellTop(3);
    w.imgHaut.height = kTileTwips;
    w.imgHaut.width = kTileTwips;
    for (Picture* p : {&w.imgBas, &w.imgDroit, &w.imgGauche}) {
        p->left = w.imgHaut.left;
        p->top = w.imgHaut.top;
        p->height = w.imgHaut.height;
        p->width = w.imgHaut.width;
    }
}

void layOutGrid(FrmIntro& w) {
    for (int r = 1; r <= kViewRows; ++r)
        for (int c = 1; c <= kViewColumns; ++c) {
            Picture& cell = w.imgSprite(gridCell(r, c));
            cell.top = cellTop(r);
            cell.left = cellLeft(c);
        }
    for (int i = 1; i <= 72; ++i)
        sizeAsTile(w.imgSprite(i));
}

void setUpGame(FrmIntro& w) {
    w.intMode = Mode::Game;
    w.tmrFermer2.setEnabled(false);
    colourMenu(w);
    w.lblMessage.caption = "L'épée légendaire se trouve sur cette île. Vous devez la trouver! "
                           "Pour accéder au menu, appuyez sur <<M>>.";
    w.varPas = 1;
    w.intLigne = 3;
    w.intColonne = 2;
    w.intMapOffset = 1;
    w.intEtat = 2;
    w.procLoadForêt();
    placeHero(w);
    layOutGrid(w);
    w.procLoadMap();
    // Both facings are still 0, so the hero is first shown facing right by hand.
    w.imgDroit.visible = true;
    w.lblMessage.visible = true;
    w.lblFont.visible = true;
}
} // namespace

void FrmIntro::tmrFermer2_Timer() {
    intLigne += 50;
    backColor = RGB(0, intLigne, 0);
    if (intLigne == 200) setUpGame(*this);
}

void FrmIntro::quitKey() {
    fraAide.visible = false;
    lblMessage.visible = false;
    lblFont.visible = false;
    tmrCurseur.setEnabled(false);
    procEffacer();
    tmrFermer9.setEnabled(true);
}

void FrmIntro::tmrFermer9_Timer() {
    for (int16* part : {&intFondR, &intFondV, &intFondB})
        *part = static_cast<int16>(std::max(*part - 30, 0));
    backColor = RGB(intFondR, intFondV, intFondB);
    if (intFondR == 0 && intFondV == 0 && intFondB == 0) {
        tmrFermer9.setEnabled(false);
        End();
    }
}
