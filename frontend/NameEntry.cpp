// Hero-name entry: the letter grid, its selection box, the name slots and the fades around it.
#include "frontend/NameEntry.h"

#include "game/FrmIntro.h"

#include <algorithm>

namespace {
constexpr int kRows = 5, kColumns = 11;
// Cells lie 870 twips apart across and 500 down, in fraNom's coordinates.
constexpr int kCellPitchX = 870, kCellPitchY = 500;

bool isFin(int row, int column) {
    return row == kRows && column == kColumns;
}

// The slot marker frames the current slot's letter with a margin of 120.
int markerLeft(int slot) {
    return 600 * slot + 3360;
}

// Each cell's text sits in the interior of the selection box standing on that cell.
CellText cellText(const FrmIntro& f, int row, int column) {
    std::string text =
        isFin(row, column) ? "FIN" : f.strLettres.substr((row - 1) * kColumns + column - 1, 1);
    return {std::move(text), kCellPitchX * column - 265, kCellPitchY * row - 365, 465, 465};
}

void writeGrid(FrmIntro& f) {
    std::vector<CellText>& cells = f.lblNom(7).cells;
    cells.clear();
    for (int row = 1; row <= kRows; ++row)
        for (int column = 1; column <= kColumns; ++column)
            cells.push_back(cellText(f, row, column));
}

// Across only: the game's start sets the column, and the tops stay as the window made them.
void placeBoxAcross(FrmIntro& f) {
    const int x = kCellPitchX * f.intGrilleColonne;
    for (int bar : {9, 10, 11})
        f.lblNom(bar).left = x - 400;
    f.lblNom(12).left = x + 200;
}

void placeBox(FrmIntro& f) {
    placeBoxAcross(f);
    const int y = kCellPitchY * f.intGrilleLigne;
    for (int bar : {9, 10, 12})
        f.lblNom(bar).top = y - 500;
    f.lblNom(11).top = y + 100;
}

// The six letters and the grid: every name-entry label but the name bar (6) and the instruction
// (8).
constexpr int kLetterLabels[] = {0, 1, 2, 3, 4, 5, 7};

void showNameEntry(FrmIntro& f, bool shown) {
    for (int i = 9; i <= 13; ++i)
        f.lblNom(i).visible = shown;
    for (int i : kLetterLabels)
        f.lblNom(i).visible = shown;
    f.lblNom(6).visible = shown;
    f.fraNom.visible = shown;
    f.lblNom(8).visible = shown;
}

// One fade level for every name-entry element. The letters and the grid follow the level only
// below 200, so they settle on the blue of 180 and keep it on the first step of a fade-out.
void colourStep(FrmIntro& f, int v) {
    for (int i = 9; i <= 13; ++i)
        f.lblNom(i).backColor = RGB(v, 0, 0);
    if (v < 200)
        for (int i : kLetterLabels) {
            f.lblNom(i).backColor = RGB(0, 0, v);
            f.lblNom(i).foreColor = RGB(v, v, v / 2);
        }
    f.lblNom(6).backColor = RGB(v, v, 0);
    f.fraNom.backColor = RGB(v, v, 0);
    f.lblNom(8).foreColor = RGB(v, v, v);
}

void fadeOutStep(FrmIntro& f) {
    f.intLigne = static_cast<int16>(std::max(f.intLigne - 50, 0));
    colourStep(f, f.intLigne);
}

void moveSelection(FrmIntro& f, int16 keyCode) {
    if (keyCode == Key::Down) ++f.intGrilleLigne;
    if (keyCode == Key::Right) ++f.intGrilleColonne;
    if (keyCode == Key::Up) --f.intGrilleLigne;
    if (keyCode == Key::Left) --f.intGrilleColonne;
    if (f.intGrilleLigne == 0) f.intGrilleLigne = kRows;
    if (f.intGrilleLigne == kRows + 1) f.intGrilleLigne = 1;
    if (f.intGrilleColonne == 0) f.intGrilleColonne = kColumns;
    if (f.intGrilleColonne == kColumns + 1) f.intGrilleColonne = 1;
}

// Writes the selected letter into the current slot; after the sixth slot comes the first again.
void writeLetter(FrmIntro& f) {
    const int index = (f.intGrilleLigne - 1) * kColumns + f.intGrilleColonne - 1;
    const std::string ch = f.strLettres.substr(index, 1);
    f.strLettre(f.intPosLettre) = ch;
    f.lblNom(f.intPosLettre - 1).caption = ch;
    if (++f.intPosLettre == 7) f.intPosLettre = 1;
    f.lblNom(13).left = markerLeft(f.intPosLettre);
}
} // namespace

// The name offered at first, and the selection on the grid's first cell.
void FrmIntro::Form_Load() {
    intPosLettre = 1;
    strLettre1 = "H";
    strLettre2 = "e";
    strLettre3 = "r";
    strLettre4 = "o";
    strLettre5 = " ";
    strLettre6 = " ";
    intGrilleColonne = 1;
    intGrilleLigne = 1;
    placeBoxAcross(*this);
}

void openNameEntry(FrmIntro& f) {
    f.strLettres = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz- ";
    writeGrid(f);
    showNameEntry(f, true);
}

// The grid keys look at no timer: they keep acting while either fade-out runs.
void FrmIntro::nameEntryKeys(int16 keyCode) {
    moveSelection(*this, keyCode);
    placeBox(*this);
    if (keyCode != Key::Space) return;
    if (isFin(intGrilleLigne, intGrilleColonne))
        tmrLblNom2.setEnabled(true);
    else
        writeLetter(*this);
}

void FrmIntro::tmrLblNom_Timer() {
    colourStep(*this, intLigne);
    intLigne += 20;
    if (intLigne > 255) {
        tmrLblNom.setEnabled(false);
        intMode = Mode::NameEntry;
    }
}

// The name is taken from the slots as they stand on the last tick, blanks kept.
void FrmIntro::tmrLblNom2_Timer() {
    fadeOutStep(*this);
    if (intLigne != 0) return;
    strNom = strLettre1 + strLettre2 + strLettre3 + strLettre4 + strLettre5 + strLettre6;
    tmrLblNom2.setEnabled(false);
    intLigne = 0;
    tmrCurseur.setEnabled(true);
    tmrFermer2.setEnabled(true);
    showNameEntry(*this, false);
    intMode = Mode::Game;
}

void FrmIntro::tmrLblNom3_Timer() {
    fadeOutStep(*this);
    if (intLigne == 0) End();
}
