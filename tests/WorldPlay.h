// Walking the world as a player would: start a game, step with the arrow keys until
// the hero is at rest again, and find a route of arrow presses over the current map.
#pragma once
#include "Player.h"
#include "world/Legend.h"

#include <deque>
#include <map>
#include <vector>

// The start fade has run: the island shows with the opening message.
inline void startGame(Player& p) {
    p.skipToGame();
    p.ticksUntilStopped(p->tmrFermer2);
}

// What the space press that lets the opening message go leaves behind.
inline void dismissMessage(Player& p) {
    p->intEtat = 1;
    p->lblMessage.visible = false;
    p->lblFont.visible = false;
}

inline void startWalking(Player& p) {
    startGame(p);
    dismissMessage(p);
}

inline bool sceneChanging(FrmIntro& w) {
    return w.tmrChangeLieu.enabled() || w.tmrChangeLieu2.enabled();
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

inline int heroPosition(const GameState& s) {
    return viewPosition(s, s.intLigne, s.intColonne);
}

inline bool changesScene(char tile) {
    return tile == 'P' || tile == 'G';
}

// Arrow presses that walk the hero from one map position to another in the current
// area, over tiles that neither stop a step nor change the scene (except the last).
inline std::vector<int16> route(const GameState& s, int from, int to) {
    const std::pair<int, int16> moves[] = {
        {1, Key::Right}, {-1, Key::Left}, {49, Key::Down}, {-49, Key::Up}};
    std::map<int, std::pair<int, int16>> cameFrom{{from, {from, 0}}};
    std::deque<int> queue{from};
    while (!queue.empty() && !cameFrom.count(to)) {
        const int at = queue.front();
        queue.pop_front();
        for (auto [delta, key] : moves) {
            const int next = at + delta;
            const char tile = tileAt(s, next);
            if (tile == kNoTile || blocksStep(tile) || cameFrom.count(next)) continue;
            if (changesScene(tile) && next != to) continue;
            cameFrom[next] = {at, key};
            queue.push_back(next);
        }
    }
    std::vector<int16> keys;
    if (!cameFrom.count(to)) return keys;
    for (int at = to; at != from; at = cameFrom[at].first)
        keys.insert(keys.begin(), cameFrom[at].second);
    return keys;
}

// Walks to a map position of the current area; fails the test if there is no way.
inline void walkTo(Player& p, int target) {
    if (heroPosition(p.game()) == target) return;
    const std::vector<int16> keys = route(p.game(), heroPosition(p.game()), target);
    ASSERT_FALSE(keys.empty()) << "no way from " << heroPosition(p.game()) << " to " << target
                               << " in area " << p->intLieu;
    for (int16 key : keys)
        step(p, key);
}
