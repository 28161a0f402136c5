// Ways across the world: where the hero stands, and the arrow presses that take him from
// one place to another over the four areas' maps, through doors and the passage.
#pragma once
#include "world/AreaMaps.h"
#include "world/Legend.h"

#include <deque>
#include <map>
#include <string>
#include <vector>

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

inline Place heroPlace(const GameState& s) {
    return {s.intLieu, heroPosition(s)};
}

inline std::string areaMap(const GameState& flags, int area) {
    constexpr std::string (*rows[])(const GameState&) = {forestRows, corridorRows, caveRows,
                                                         roomRows};
    return rows[area](flags);
}

// The area a door "P" or the passage "G" leads to; the position stays the same.
inline int areaBeyond(int area, char tile) {
    if (tile == 'G') return area == 0 ? 2 : 0;
    constexpr int pairedByDoor[] = {1, 0, 3, 2};
    return pairedByDoor[area];
}

// Arrow presses that take the hero from one place to another, through doors and the
// passage where the way leads, over the maps as the quest flags now stand. A way to a
// door or the passage ends stepping onto it. No way, no presses.
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
