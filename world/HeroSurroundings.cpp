// The read-only entry points on where the hero stands and what lies around him.
#include "Legend.h"
#include "game/PlayerView.h"

std::optional<HeroPlace> heroPlace(const FrmIntro& f) {
    if (f.intMode != 2 || f.strMap.empty() || f.ended()) return std::nullopt;
    const bool moving = f.tmrI.enabled() || f.tmrChangeLieu.enabled() || f.tmrChangeLieu2.enabled();
    return HeroPlace{static_cast<Area>(f.intLieu), viewPosition(f, f.intLigne, f.intColonne),
                     f.intDirY, f.intDirX, moving};
}

char tileNearHero(const FrmIntro& f, int rows, int columns) {
    return viewTile(f, f.intLigne + rows, f.intColonne + columns);
}
