#include "PagePhase.h"

const char* pagePhase(const FrmIntro& game) {
    if (game.ended()) return "ended";
    if (game.intMode == 0) return "title";
    if (game.intMode == 1) return "name";
    // The menu opens over a message and over the victory, and holds the keys while open.
    if (game.fraAide.visible) return "menu";
    if (game.tmrRéussi.enabled()) return "victory";
    if (game.lblMessage.visible) return "message";
    return "game";
}
