// The hero's steps, tile by tile, and what stops them.
#include "shell/FrmIntro.h"

void FrmIntro::tmrI_Timer() {}
void FrmIntro::arrowKeys(int16) {}
