// The title: background fade, sliding logo, credit, blinking prompt and the fades that leave it.
#include "shell/FrmIntro.h"

void FrmIntro::tmrOuvrir_Timer() {}

void FrmIntro::tmrOuvrir2_Timer() {}

void FrmIntro::tmrTouche_Timer() {}

void FrmIntro::tmrFermer_Timer() {}

void FrmIntro::tmrFermer3_Timer() {}

void FrmIntro::titleKeys(int16) {}

void FrmIntro::closingKeys(int16) {}
