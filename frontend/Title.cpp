// The title: background fade, sliding logo, credit, blinking prompt and the fades that leave it.
#include "frontend/NameEntry.h"
#include "game/FrmIntro.h"

#include <algorithm>

namespace {
// While one of these runs, a sequence is under way and space and Esc must not start another;
// a key pressed meanwhile is dropped, not kept for later.
bool sequenceRuns(const FrmIntro& f) {
    for (const Timer* t : {&f.tmrFermer2, &f.tmrFermer, &f.tmrFermer3, &f.tmrLblNom2, &f.tmrLblNom,
                           &f.tmrOuvrir, &f.tmrOuvrir2})
        if (t->enabled()) return true;
    return false;
}

// Logo, credit and prompt go at once, before the fade they start takes its first step.
void leaveTitle(FrmIntro& f, Timer& fade) {
    fade.setEnabled(true);
    f.lblAuteur.visible = false;
    f.imgVyr.visible = false;
    f.tmrTouche.setEnabled(false);
    f.lblTouche.visible = false;
}

// Both fade-outs count down from the logo's end level, not from the blue shown.
void fadeBackgroundOut(FrmIntro& f) {
    f.intLigne = static_cast<int16>(std::max(f.intLigne - 50, 0));
    f.backColor = RGB(0, 0, f.intLigne);
}
} // namespace

void FrmIntro::tmrOuvrir_Timer() {
    intLigne += 10;
    backColor = RGB(0, 0, intLigne);
    if (intLigne > 245) {
        intLigne = 0;
        tmrOuvrir.setEnabled(false);
        tmrOuvrir2.setEnabled(true);
        lblAuteur.visible = true;
    }
}

void FrmIntro::tmrOuvrir2_Timer() {
    intLigne += 10;
    imgVyr.top += 220;
    lblAuteur.foreColor = RGB(intLigne, intLigne, 255);
    if (intLigne > 255) {
        intLigne = 255;
        tmrOuvrir2.setEnabled(false);
        tmrTouche.setEnabled(true);
    }
}

void FrmIntro::tmrTouche_Timer() {
    lblTouche.visible = !lblTouche.visible;
}

void FrmIntro::tmrFermer_Timer() {
    fadeBackgroundOut(*this);
    if (intLigne == 0) {
        tmrFermer.setEnabled(false);
        tmrLblNom.setEnabled(true);
        openNameEntry(*this);
    }
}

void FrmIntro::tmrFermer3_Timer() {
    fadeBackgroundOut(*this);
    if (intLigne == 0) End();
}

void FrmIntro::titleKeys(int16 keyCode) {
    if (keyCode == Key::Space && !sequenceRuns(*this)) leaveTitle(*this, tmrFermer);
}

// Esc on the title or in name entry; in name entry the title's elements are already gone.
void FrmIntro::closingKeys(int16 keyCode) {
    if (keyCode != Key::Esc || sequenceRuns(*this)) return;
    leaveTitle(*this, intMode == Mode::Title ? tmrFermer3 : tmrLblNom3);
}
