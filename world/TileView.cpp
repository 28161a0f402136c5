// The 9 x 7 view of the current area and the hero pictures over it.
#include "Legend.h"
#include "ViewGeometry.h"
#include "game/FrmIntro.h"

namespace {
// The other hero pictures and the cursors follow imgHaut, which carries the hero's place.
void lineUpHero(FrmIntro& w) {
    for (int k = 0; k <= 3; ++k)
        w.imgCurseur(k).left = w.imgHaut.left;
    for (Picture* p : {&w.imgBas, &w.imgDroit, &w.imgGauche}) {
        p->left = w.imgHaut.left;
        p->top = w.imgHaut.top;
    }
}

// A cell whose position holds no legend character keeps the picture it had.
void paintCells(FrmIntro& w) {
    for (int r = 1; r <= kViewRows; ++r)
        for (int c = 1; c <= kViewColumns; ++c)
            if (const Picture* from = tileTemplate(w, viewTile(w, r, c)))
                w.imgSprite(gridCell(r, c)).setPicture(from->picture);
}

void showCells(FrmIntro& w) {
    for (int i = 1; i <= 72; ++i) {
        Picture& cell = w.imgSprite(i);
        sizeAsTile(cell);
        cell.visible = true;
    }
}

// Four separate tests: the arrow keys keep only one facing picture visible.
void showFacing(FrmIntro& w) {
    if (w.intDirX == 1) w.imgDroit.visible = true;
    if (w.intDirY == -1) w.imgHaut.visible = true;
    if (w.intDirX == -1) w.imgGauche.visible = true;
    if (w.intDirY == 1) w.imgBas.visible = true;
}
} // namespace

void FrmIntro::procLoadMap() {
    lineUpHero(*this);
    paintCells(*this);
    showCells(*this);
    showFacing(*this);
}

void FrmIntro::procEffacer() {
    for (int k = 0; k <= 3; ++k)
        imgCurseur(k).visible = false;
    for (Picture* p : {&imgDroit, &imgHaut, &imgGauche, &imgBas})
        p->visible = false;
    for (int i = 1; i <= 72; ++i)
        imgSprite(i).visible = false;
}
