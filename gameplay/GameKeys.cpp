// The keys of the game screen, in the order they are taken.
#include "shell/FrmIntro.h"

void FrmIntro::gameKeys(int16) {}
