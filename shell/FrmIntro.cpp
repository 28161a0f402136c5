#include "FrmIntro.h"

#include "WindowTimers.h"

FrmIntro::FrmIntro() {
    for (const TimerEntry& entry : kTimerTable)
        (this->*entry.timer).onTick = [this, handler = entry.handler] { (this->*handler)(); };
}

void FrmIntro::Form_KeyDown(int16 keyCode) {
    if (ended_) return;
    if (intMode == 1) nameEntryKeys(keyCode);
    if (intMode == 0) titleKeys(keyCode);
    if ((intMode == 0 || intMode == 1) && keyCode == Key::Esc) closingKeys(keyCode);
    if (intMode == 2 && !tmrChangeLieu.enabled() && !tmrChangeLieu2.enabled()) gameKeys(keyCode);
    inventoryRefresh();
}

void FrmIntro::End() {
    ended_ = true;
    timers.halt();
}
