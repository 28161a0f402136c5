#include "FrmIntro.h"

FrmIntro::FrmIntro() {
    tmrOuvrir.onTick = [this] { tmrOuvrir_Timer(); };
    tmrOuvrir2.onTick = [this] { tmrOuvrir2_Timer(); };
    tmrTouche.onTick = [this] { tmrTouche_Timer(); };
    tmrFermer.onTick = [this] { tmrFermer_Timer(); };
    tmrFermer3.onTick = [this] { tmrFermer3_Timer(); };
    tmrLblNom.onTick = [this] { tmrLblNom_Timer(); };
    tmrLblNom2.onTick = [this] { tmrLblNom2_Timer(); };
    tmrLblNom3.onTick = [this] { tmrLblNom3_Timer(); };
    tmrFermer2.onTick = [this] { tmrFermer2_Timer(); };
    tmrFermer9.onTick = [this] { tmrFermer9_Timer(); };
    tmrI.onTick = [this] { tmrI_Timer(); };
    tmrCurseur.onTick = [this] { tmrCurseur_Timer(); };
    tmrChangeLieu.onTick = [this] { tmrChangeLieu_Timer(); };
    tmrChangeLieu2.onTick = [this] { tmrChangeLieu2_Timer(); };
    tmrRéussi.onTick = [this] { tmrRéussi_Timer(); };
}

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
    for (int bar : {9, 10, 11})
        lblNom(bar).left = 870 * intGrilleColonne - 400;
    lblNom(12).left = 870 * intGrilleColonne + 200;
}

void FrmIntro::Form_KeyDown(int16 keyCode) {
    if (ended_) return;
    if (intMode == 1) nameEntryKeys(keyCode);
    if (intMode == 0) titleKeys(keyCode);
    if ((intMode == 0 || intMode == 1) && keyCode == Key::Esc) closingKeys(keyCode);
    if (intMode == 2 && !tmrChangeLieu.enabled() && !tmrChangeLieu2.enabled()) gameKeys(keyCode);
    inventoryRefresh();
}

void FrmIntro::End() {
    ended_ = true;
    timers.halt();
}
