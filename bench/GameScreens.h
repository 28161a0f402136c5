// Games brought to a given screen the way a player gets there, for the benchmarks.
#pragma once
#include "proof/Replay.h"

#include <sstream>

// The island just after the start: the hero, the 63 tiles and the opening message.
inline void playToIsland(ReplaySession& session) {
    std::istringstream script("2000 Space\n"                     // the title's prompt
                              "2600 Up\n2750 Left\n2900 Space\n" // "FIN" on the letter grid
                              "4000 wait\n");
    for (const ReplayEvent& event : parseReplay(script))
        session.play(event);
}

// The island with the opening message let go and the menu open over it, every item
// listed: the busiest screen there is.
inline void playToMenu(ReplaySession& session) {
    playToIsland(session);
    FrmIntro& game = session.game();
    game.Form_KeyDown(Key::Space);
    game.Form_KeyDown(Key::M);
    for (int i = 0; i <= 7; ++i)
        game.lblObjet(i).visible = true;
}
