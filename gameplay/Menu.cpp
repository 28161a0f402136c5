// The menu: inventory, help and colour settings.
#include "game/FrmIntro.h"

#include <string>

namespace {

// A colour component goes up by one and wraps from 255 back to 0.
void raise(int16& component) {
    component = static_cast<int16>((component + 1) % 256);
}

void recolour(FrmIntro& w) {
    const Color colour = RGB(w.intMenuR, w.intMenuV, w.intMenuB);
    for (int i = 0; i <= 7; ++i)
        w.lblObjet(i).backColor = colour;
    for (int i = 0; i <= 8; ++i)
        w.lblAide(i).backColor = colour;
    w.lblMessage.backColor = colour;
    w.lblItem.backColor = colour;
}

bool doorOnScreen(const FrmIntro& w) {
    for (int i = 1; i <= 72; ++i)
        if (w.imgSprite(i).picture == w.imgPorte.picture) return true;
    return false;
}

bool cursorShown(const FrmIntro& w) {
    for (int k = 0; k <= 3; ++k)
        if (w.imgCurseur(k).visible) return true;
    return false;
}

// The door and cursor hints are decided here and stay while the menu is open.
void openMenu(FrmIntro& w) {
    w.lblAide(0).visible = doorOnScreen(w);
    w.lblAide(2).visible = cursorShown(w);
    w.fraAide.visible = true;
}

} // namespace

// Opening the menu does not recolour it: only keys pressed while it is open do.
void FrmIntro::menuKeys(int16 keyCode) {
    if (fraAide.visible) {
        if (keyCode == Key::R) raise(intMenuR);
        if (keyCode == Key::V) raise(intMenuV);
        if (keyCode == Key::B) raise(intMenuB);
        recolour(*this);
    }
    lblAide(6).caption = std::to_string(intMenuR);
    lblAide(7).caption = std::to_string(intMenuV);
    lblAide(8).caption = std::to_string(intMenuB);
    if (tmrFermer9.enabled()) return;
    if (keyCode == Key::M) {
        if (fraAide.visible)
            fraAide.visible = false;
        else
            openMenu(*this);
    }
    if (keyCode == Key::Esc) quitKey();
}

// The bucket and the water stay on the switch once it is pressed; keys and the orb
// stay listed after use.
void FrmIntro::inventoryRefresh() {
    const bool held[] = {varCoffre4 == 1,
                         varCleMage == 1,
                         varCoffre5 == 1,
                         varCoffre7 == 1,
                         varCoffre6 == 1,
                         varCoffre8 == 1,
                         varSceau == 1 && varSwitche == 0,
                         varEau == 1 && varSwitche == 0};
    for (int i = 0; i <= 7; ++i)
        lblObjet(i).visible = held[i];
}
