// The keys of the game screen, in the order they are taken: the menu first, so an
// open menu holds back the arrows and the action key.
#include "shell/FrmIntro.h"

void FrmIntro::gameKeys(int16 keyCode) {
    // Until the start fade has set the game up there is no area and no hero to act on.
    if (tmrFermer2.enabled()) return;
    menuKeys(keyCode);
    // The quit fade has cleared the play field: a step, a message or an opened chest
    // would draw it again over the fading background.
    if (tmrFermer9.enabled()) return;
    arrowKeys(keyCode);
    actionKeys(keyCode);
}
