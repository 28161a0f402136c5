#include "WindowTimers.h"

std::vector<std::pair<std::string_view, const Timer*>> namedTimers(const Controls& w) {
    return {{"tmrOuvrir", &w.tmrOuvrir},
            {"tmrOuvrir2", &w.tmrOuvrir2},
            {"tmrTouche", &w.tmrTouche},
            {"tmrFermer", &w.tmrFermer},
            {"tmrFermer3", &w.tmrFermer3},
            {"tmrLblNom", &w.tmrLblNom},
            {"tmrLblNom2", &w.tmrLblNom2},
            {"tmrLblNom3", &w.tmrLblNom3},
            {"tmrFermer2", &w.tmrFermer2},
            {"tmrFermer9", &w.tmrFermer9},
            {"tmrI", &w.tmrI},
            {"tmrCurseur", &w.tmrCurseur},
            {"tmrChangeLieu", &w.tmrChangeLieu},
            {"tmrChangeLieu2", &w.tmrChangeLieu2},
            {"tmrRéussi", &w.tmrRéussi}};
}

void aroundEachTick(Controls& window, const TickWrapper& around) {
    for (const auto& [name, t] : namedTimers(window)) {
        // The window itself was handed over, so its timers may be rewired.
        Timer& timer = const_cast<Timer&>(*t);
        timer.onTick = [around, name = name, inner = std::move(timer.onTick)] {
            around(name, inner);
        };
    }
}
