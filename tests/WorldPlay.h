// Walking the world as a player would: start a game, step with the arrow keys until
// the hero is at rest again, and find a route of arrow presses over the current map.
#pragma once
#include "FrontSteps.h"
#include "world/AreaMaps.h"
#include "world/Legend.h"

#include <deque>
#include <map>
#include <vector>

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

inline int heroPosition(const GameState& s) {
    return viewPosition(s, s.intLigne, s.intColonne);
}

inline bool changesScene(char tile) {
    return tile == 'P' || tile == 'G';
}

// Where the hero stands at rest: an area and a position of its map.
struct Place {
    int area;
    int position;
    auto operator<=>(const Place&) const = default;
};

inline std::string areaMap(const GameState& flags, int area) {
    constexpr std::string (*rows[])(const GameState&) = {forestRows, corridorRows, caveRows,
                                                         roomRows};
    return rows[area](flags);
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

// The area a door "P" or the passage "G" leads to; the position stays the same.
inline int areaBeyond(int area, char tile) {
    if (tile == 'G') return area == 0 ? 2 : 0;
    constexpr int pairedByDoor[] = {1, 0, 3, 2};
    return pairedByDoor[area];
}

// Arrow presses that take the hero from one place to another, through doors and the
// passage where the way leads, over the maps as the quest flags now stand. A way to a
// door or the passage ends stepping onto it.
inline std::vector<int16> route(const GameState& flags, Place from, Place to) {
    const std::pair<int, int16> moves[] = {
        {1, Key::Right}, {-1, Key::Left}, {49, Key::Down}, {-49, Key::Up}};
    const std::string maps[] = {areaMap(flags, 0), areaMap(flags, 1), areaMap(flags, 2),
                                areaMap(flags, 3)};
    auto tileIn = [&](int area, int position) {
        GameState s;
        s.strMap = maps[area];
        return tileAt(s, position);
    };
    std::map<Place, std::pair<Place, int16>> cameFrom{{from, {from, 0}}};
    std::deque<Place> queue{from};
    while (!queue.empty() && !cameFrom.count(to)) {
        const Place at = queue.front();
        queue.pop_front();
        for (auto [delta, key] : moves) {
            Place next{at.area, at.position + delta};
            const char tile = tileIn(next.area, next.position);
            if (tile == kNoTile || blocksStep(tile)) continue;
            // A door or the passage leads on, unless it is where the way ends.
            if (next != to && changesScene(tile)) next.area = areaBeyond(at.area, tile);
            if (next != to && changesScene(tileIn(next.area, next.position))) continue;
            if (cameFrom.count(next)) continue;
            cameFrom[next] = {at, key};
            queue.push_back(next);
        }
    }
    std::vector<int16> keys;
    if (!cameFrom.count(to)) return keys;
    for (Place at = to; at != from; at = cameFrom[at].first)
        keys.insert(keys.begin(), cameFrom[at].second);
    return keys;
}

inline Place heroPlace(const FrmIntro& w) {
    return {w.intLieu, heroPosition(w)};
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
