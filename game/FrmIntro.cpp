// The window made whole: each timer given its handler; and the program's end.
#include "FrmIntro.h"

#include "TimerHandlers.h"

FrmIntro::FrmIntro() {
    for (const TimerHandler& entry : kTimerHandlers)
        (this->*entry.timer).onTick = [this, handler = entry.handler] { (this->*handler)(); };
}

void FrmIntro::End() {
    ended_ = true;
    timers.halt();
}
