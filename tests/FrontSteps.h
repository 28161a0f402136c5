// Steps through the opening screens the way a player does, for tests that start further on.
#pragma once
#include "Player.h"

// Plays the title until the prompt starts blinking.
inline void reachPrompt(Player& p) {
    p.ticksUntilStopped(p->tmrOuvrir);
    p.ticksUntilStopped(p->tmrOuvrir2);
}

// Plays on to the letter grid, ready for keys.
inline void reachNameEntry(Player& p) {
    reachPrompt(p);
    p.press(Key::Space);
    p.ticksUntilStopped(p->tmrFermer);
    p.ticksUntilStopped(p->tmrLblNom);
}
