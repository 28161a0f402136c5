// The menu: inventory, help and colour settings.
#include "shell/FrmIntro.h"

void FrmIntro::inventoryRefresh() {}
void FrmIntro::menuKeys(int16 keyCode) {
    if (!tmrFermer9.enabled() && keyCode == Key::Esc) quitKey();
}
