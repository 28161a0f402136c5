// The window's fifteen timers in one table: each one's name, its member in the element set
// and the handler its ticks run. The wiring, the digests, the rule checks and the trace of
// the real program all walk it, so a timer is named once.
#pragma once
#include "FrmIntro.h"

#include <array>
#include <string_view>
#include <utility>
#include <vector>

struct TimerEntry {
    std::string_view name;
    Timer Controls::*timer;
    void (FrmIntro::*handler)();
};

// In creation order: ties are taken in it, and the digests walk the timers in it.
inline constexpr std::array kTimerTable{
    TimerEntry{"tmrOuvrir", &Controls::tmrOuvrir, &FrmIntro::tmrOuvrir_Timer},
    TimerEntry{"tmrOuvrir2", &Controls::tmrOuvrir2, &FrmIntro::tmrOuvrir2_Timer},
    TimerEntry{"tmrTouche", &Controls::tmrTouche, &FrmIntro::tmrTouche_Timer},
    TimerEntry{"tmrFermer", &Controls::tmrFermer, &FrmIntro::tmrFermer_Timer},
    TimerEntry{"tmrFermer3", &Controls::tmrFermer3, &FrmIntro::tmrFermer3_Timer},
    TimerEntry{"tmrLblNom", &Controls::tmrLblNom, &FrmIntro::tmrLblNom_Timer},
    TimerEntry{"tmrLblNom2", &Controls::tmrLblNom2, &FrmIntro::tmrLblNom2_Timer},
    TimerEntry{"tmrLblNom3", &Controls::tmrLblNom3, &FrmIntro::tmrLblNom3_Timer},
    TimerEntry{"tmrFermer2", &Controls::tmrFermer2, &FrmIntro::tmrFermer2_Timer},
    TimerEntry{"tmrFermer9", &Controls::tmrFermer9, &FrmIntro::tmrFermer9_Timer},
    TimerEntry{"tmrI", &Controls::tmrI, &FrmIntro::tmrI_Timer},
    TimerEntry{"tmrCurseur", &Controls::tmrCurseur, &FrmIntro::tmrCurseur_Timer},
    TimerEntry{"tmrChangeLieu", &Controls::tmrChangeLieu, &FrmIntro::tmrChangeLieu_Timer},
    TimerEntry{"tmrChangeLieu2", &Controls::tmrChangeLieu2, &FrmIntro::tmrChangeLieu2_Timer},
    TimerEntry{"tmrRéussi", &Controls::tmrRéussi, &FrmIntro::tmrRéussi_Timer},
};

// Each timer of the table with its name.
std::vector<std::pair<std::string_view, const Timer*>> namedTimers(const FrmIntro& window);
