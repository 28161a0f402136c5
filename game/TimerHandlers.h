// The handler each of the window's timers runs at its ticks, beside the timer table of
// the element set (shell/WindowTimers.h), which holds their names and order.
#pragma once
#include "FrmIntro.h"
#include "shell/WindowTimers.h"

#include <array>

struct TimerHandler {
    Timer Controls::*timer;
    void (FrmIntro::*handler)();
};

inline constexpr std::array kTimerHandlers{
    TimerHandler{&Controls::tmrOuvrir, &FrmIntro::tmrOuvrir_Timer},
    TimerHandler{&Controls::tmrOuvrir2, &FrmIntro::tmrOuvrir2_Timer},
    TimerHandler{&Controls::tmrTouche, &FrmIntro::tmrTouche_Timer},
    TimerHandler{&Controls::tmrFermer, &FrmIntro::tmrFermer_Timer},
    TimerHandler{&Controls::tmrFermer3, &FrmIntro::tmrFermer3_Timer},
    TimerHandler{&Controls::tmrLblNom, &FrmIntro::tmrLblNom_Timer},
    TimerHandler{&Controls::tmrLblNom2, &FrmIntro::tmrLblNom2_Timer},
    TimerHandler{&Controls::tmrLblNom3, &FrmIntro::tmrLblNom3_Timer},
    TimerHandler{&Controls::tmrFermer2, &FrmIntro::tmrFermer2_Timer},
    TimerHandler{&Controls::tmrFermer9, &FrmIntro::tmrFermer9_Timer},
    TimerHandler{&Controls::tmrI, &FrmIntro::tmrI_Timer},
    TimerHandler{&Controls::tmrCurseur, &FrmIntro::tmrCurseur_Timer},
    TimerHandler{&Controls::tmrChangeLieu, &FrmIntro::tmrChangeLieu_Timer},
    TimerHandler{&Controls::tmrChangeLieu2, &FrmIntro::tmrChangeLieu2_Timer},
    TimerHandler{&Controls::tmrRéussi, &FrmIntro::tmrRéussi_Timer},
};

// Each timer of the table has its handler, once.
consteval bool everyTimerHandledOnce() {
    for (const TimerEntry& entry : kTimerTable) {
        int handlers = 0;
        for (const TimerHandler& h : kTimerHandlers)
            handlers += h.timer == entry.timer;
        if (handlers != 1) return false;
    }
    return kTimerHandlers.size() == kTimerTable.size();
}
static_assert(everyTimerHandledOnce());
