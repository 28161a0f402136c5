// The keys of the game screen, in the order they are taken: the menu first, so an
// open menu holds back the arrows and the action key.
#include "shell/FrmIntro.h"

void FrmIntro::gameKeys(int16 keyCode) {
    // Until the start fade has set the game up there is no area and no hero to act on.
    if (tmrFermer2.enabled()) return;
    menuKeys(keyCode);
    arrowKeys(keyCode);
    actionKeys(keyCode);
}
