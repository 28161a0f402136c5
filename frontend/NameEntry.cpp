// Hero-name entry: the letter grid, its selection box, the name slots and the fades around it.
#include "shell/FrmIntro.h"

void FrmIntro::nameEntryKeys(int16) {}

void FrmIntro::tmrLblNom_Timer() {}

void FrmIntro::tmrLblNom2_Timer() {}

void FrmIntro::tmrLblNom3_Timer() {}
