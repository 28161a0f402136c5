// Curtains, area switches and screen flips.
#include "shell/FrmIntro.h"

void FrmIntro::tmrChangeLieu_Timer() {}

void FrmIntro::tmrChangeLieu2_Timer() {}
