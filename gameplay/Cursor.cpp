// The bubble over the hero that tells what the faced tile offers.
#include "shell/FrmIntro.h"

void FrmIntro::tmrCurseur_Timer() {}
