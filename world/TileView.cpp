// The 9 x 7 view of the current area and the hero pictures over it.
#include "shell/FrmIntro.h"

void FrmIntro::procLoadMap() {}

void FrmIntro::procEffacer() {}
