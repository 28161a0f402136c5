// A key press handed to the screen that shows: the title, the name entry or the game,
// whose keys are taken menu first, so an open menu holds back the arrows and the action key.
#include "FrmIntro.h"

void FrmIntro::Form_KeyDown(int16 keyCode) {
    if (ended_) return;
    if (intMode == Mode::NameEntry) nameEntryKeys(keyCode);
    if (intMode == Mode::Title) titleKeys(keyCode);
    if ((intMode == Mode::Title || intMode == Mode::NameEntry) && keyCode == Key::Esc)
        closingKeys(keyCode);
    if (intMode == Mode::Game && !tmrChangeLieu.enabled() && !tmrChangeLieu2.enabled())
        gameKeys(keyCode);
    inventoryRefresh();
}

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
