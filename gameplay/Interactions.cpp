// The action key: what the hero finds, the items, the messages and the victory.
#include "shell/FrmIntro.h"

void FrmIntro::tmrRéussi_Timer() {}
void FrmIntro::actionKeys(int16) {}
