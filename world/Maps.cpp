// The four areas as rows of tile characters chosen by the quest flags.
#include "shell/FrmIntro.h"

void FrmIntro::procLoadForêt() {}

void FrmIntro::procLoadCouloir() {}

void FrmIntro::procLoadSalle() {}

void FrmIntro::procLoadGrotte() {}
