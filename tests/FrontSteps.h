// Steps through the opening screens the way a player does, for tests that start further on.
#pragma once
#include "Player.h"

#include <type_traits>
#include <utility>

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

// Plays the timer on and checks what `seen` shows after each step's total count of ticks.
template <class Seen>
void expectSteps(Player& p, Timer& timer, Seen seen,
                 std::initializer_list<std::pair<int, std::invoke_result_t<Seen>>> steps) {
    int done = 0;
    for (const auto& [ticks, expected] : steps) {
        p.ticks(timer, ticks - done);
        done = ticks;
        EXPECT_EQ(seen(), expected) << "after " << ticks << " ticks";
    }
}
