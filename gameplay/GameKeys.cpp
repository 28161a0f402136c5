// The keys of the game screen, in the order they are taken: the menu first, so an
// open menu holds back the arrows and the action key.
#include "shell/FrmIntro.h"

void FrmIntro::gameKeys(int16 keyCode) {
    menuKeys(keyCode);
    arrowKeys(keyCode);
    actionKeys(keyCode);
}
