// Walking the world as a player would: start a game, step with the arrow keys until
// the hero is at rest again, and follow the ways of proof/Routes.h.
#pragma once
#include "FrontSteps.h"
#include "proof/Routes.h"

// The name entry has faded out with the name "Hero" and hands over to the start fade.
inline void reachGame(Player& p) {
    reachNameEntry(p);
    p.press({Key::Up, Key::Left, Key::Space}); // "FIN"
    p.ticksUntilStopped(p->tmrLblNom2);
}

// The start fade has run: the island shows with the opening message.
inline void startGame(Player& p) {
    reachGame(p);
    p.ticksUntilStopped(p->tmrFermer2);
}

inline void dismissMessage(Player& p) {
    p.press(Key::Space);
}

inline void startWalking(Player& p) {
    startGame(p);
    dismissMessage(p);
}

// Plays on until no step and no scene change is under way.
inline void settle(Player& p) {
    for (int guard = 0; guard < 100; ++guard) {
        Timer* next = nullptr;
        for (Timer* t : {&p->tmrI, &p->tmrChangeLieu, &p->tmrChangeLieu2})
            if (t->enabled() && (!next || t->due() < next->due())) next = t;
        if (!next) return;
        p->timers.advance(next->due() - p->timers.now());
    }
    FAIL() << "the hero never came to rest";
}

inline void step(Player& p, int16 arrow) {
    p.press(arrow);
    settle(p);
}

// Loads an area's map by its number, as the scene change does.
inline void loadArea(FrmIntro& w, int area) {
    switch (area) {
    case 0:
        return w.procLoadForêt();
    case 1:
        return w.procLoadCouloir();
    case 2:
        return w.procLoadGrotte();
    default:
        return w.procLoadSalle();
    }
}

// Walks to a place, or onto a door or the passage and through it; fails the test if
// there is no way.
inline void enter(Player& p, Place target) {
    const std::vector<int16> keys = route(p.game(), heroPlace(p.game()), target);
    ASSERT_FALSE(keys.empty()) << "no way to area " << target.area << ", position "
                               << target.position;
    for (int16 key : keys)
        step(p, key);
}

inline void walkTo(Player& p, Place target) {
    if (heroPlace(p.game()) == target) return;
    enter(p, target);
    ASSERT_EQ(heroPlace(p.game()), target);
}
