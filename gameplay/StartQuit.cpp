// The fade that starts a game with its set-up, and the fade that quits it.
#include "shell/FrmIntro.h"

void FrmIntro::tmrFermer2_Timer() {}

void FrmIntro::tmrFermer9_Timer() {}
void FrmIntro::quitKey() {}
