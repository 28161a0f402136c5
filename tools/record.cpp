// epee_record: the scripted player who made the recorded games of tests/replays: the
// whole quest along the shortest ways, a tour through every door, the passage and every
// screen edge, and keys mashed during every sequence. Lines marked "e2e: NAME" are the
// points where tests/e2e.sh checks or closes the real window.
//   epee_record DIR    writes quest, doors and mashing (.replay and .digest) into DIR
// A game that has changed on purpose is recorded anew with it; exits 1 when a script can
// no longer be played.
#include "proof/Replay.h"
#include "proof/Routes.h"

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <stdexcept>

namespace fs = std::filesystem;

namespace {
void check(bool ok, const std::string& what) {
    if (!ok) throw std::runtime_error(what);
}

// Builds a replay while playing it: each key is sent after a pause long enough for the
// real program to be ready for it too.
class Script {
  public:
    explicit Script(std::string title) { lines_.push_back("# " + std::move(title)); }

    FrmIntro& game() { return session_.game(); }

    void key(int16 key, std::int64_t pauseMs, const std::string& mark = "") {
        now_ += pauseMs;
        record({now_, ReplayEvent::Kind::Key, key}, mark);
    }

    void wait(std::int64_t pauseMs, const std::string& mark) {
        now_ += pauseMs;
        record({now_, ReplayEvent::Kind::Wait, 0}, mark);
    }

    void comment(const std::string& text) { lines_.push_back("# " + text); }

    // Lets the time pass until no step, scene change or fade runs, plus a margin.
    void settle(std::int64_t marginMs = 120) {
        const FrmIntro& g = session_.game();
        auto busy = [&] {
            return g.tmrI.enabled() || g.tmrChangeLieu.enabled() || g.tmrChangeLieu2.enabled() ||
                   g.tmrFermer.enabled() || g.tmrLblNom.enabled() || g.tmrLblNom2.enabled() ||
                   g.tmrFermer2.enabled() || g.tmrOuvrir.enabled() || g.tmrOuvrir2.enabled();
        };
        while (busy() && !g.ended()) {
            now_ += 10;
            session_.play({now_, ReplayEvent::Kind::Wait, 0});
        }
        now_ += marginMs;
        session_.play({now_, ReplayEvent::Kind::Wait, 0});
    }

    // One arrow and its step; the first scene change is marked for the e2e test while its
    // curtains move, and the first change of area once it is done.
    void step(int16 arrow, const std::string& mark = "") {
        const FrmIntro& g = session_.game();
        const int area = g.intLieu;
        key(arrow, 0, mark);
        const int row = g.intLigne + g.intPasY, column = g.intColonne + g.intPasX;
        const char target = viewTile(g, row, column);
        const bool offScreen = row < 1 || row > 7 || column < 1 || column > 9;
        if (!curtainsMarked_ && g.tmrI.enabled() && !blocksStep(target) &&
            (changesScene(target) || offScreen)) {
            wait(300, "curtains");
            curtainsMarked_ = true;
        }
        settle(60);
        if (!doorMarked_ && session_.game().intLieu != area) {
            wait(0, "door");
            doorMarked_ = true;
        }
    }

    std::string text() const {
        std::string all;
        for (const std::string& line : lines_)
            all += line + '\n';
        return all;
    }

    // Writes the replay and its digest into the folder, once sure that the recorded events
    // alone lead where the script's own play has led, keeping every rule of the game.
    void save(const fs::path& folder, const std::string& name) {
        wait(0, "");
        for (const std::string& rule : recording_.takeViolations())
            throw std::runtime_error(name + ": " + rule);
        Digest played, recorded;
        played.add(session_.game());
        recorded.add(recording_.game());
        check(played.value() == recorded.value(),
              name + ": the waits of the script are not recorded");
        std::ofstream(folder / (name + ".replay")) << text();
        std::ofstream(folder / (name + ".digest")) << recording_.digest() << '\n';
    }

  private:
    void record(const ReplayEvent& event, const std::string& mark) {
        session_.play(event);
        recording_.play(event);
        lines_.push_back(formatEvent(event) + (mark.empty() ? "" : "  # e2e: " + mark));
    }

    ReplaySession session_{false};
    ReplaySession recording_; // fed only what the file holds
    std::int64_t now_ = 0;
    std::vector<std::string> lines_;
    bool curtainsMarked_ = false, doorMarked_ = false;
};

// The arrow presses that move the grid box from one cell to another, the short way round.
void moveBox(Script& s, int row, int column) {
    FrmIntro& g = s.game();
    while (g.intGrilleLigne != row)
        s.key((row - g.intGrilleLigne + 5) % 5 <= 2 ? Key::Down : Key::Up, 150);
    while (g.intGrilleColonne != column)
        s.key((column - g.intGrilleColonne + 11) % 11 <= 5 ? Key::Right : Key::Left, 150);
}

// From the start to the island with the hero named `name`, opening message shown.
void openingScreens(Script& s, const std::string& name) {
    s.wait(1500, "title");
    s.key(Key::Space, 500);
    s.settle(300);
    s.wait(0, "name-entry");
    for (char c : name) {
        const int at = int(s.game().strLettres.find(c));
        moveBox(s, at / 11 + 1, at % 11 + 1);
        s.key(Key::Space, 150);
    }
    moveBox(s, 5, 11);
    s.key(Key::Space, 150);
    s.wait(110, "start-fade");
    s.settle(400);
    s.wait(0, "message e2e: island");
}

const int16 kFacing[] = {Key::Left, Key::Right, Key::Up, Key::Down};
const int kTowards[] = {-1, 1, -49, 49}; // the faced tile from the hero's, per arrow

void walk(Script& s, Place to) {
    const std::vector<int16> keys = route(s.game(), heroPlace(s.game()), to);
    check(heroPlace(s.game()) == to || !keys.empty(),
          "no way to area " + std::to_string(to.area) + " position " + std::to_string(to.position));
    for (int16 key : keys)
        s.step(key);
}

// Where to stand to face the nearest tile `tile` of an area with one more arrow, and that
// arrow; no arrow when none can be reached as the quest now stands. A tile that stops a
// step is faced from beside it; one that does not, by stepping up to it.
std::pair<Place, int16> besideNearest(FrmIntro& g, int area, char tile) {
    const std::string map = areaMap(g, area);
    std::pair<Place, int16> best{{}, 0};
    std::size_t shortest = SIZE_MAX;
    for (std::size_t p = 0; p < map.size(); ++p) {
        if (map[p] != tile) continue;
        const int steps = blocksStep(tile) ? 1 : 2;
        for (int d = 0; d < 4; ++d) {
            const Place beside{area, int(p) + 1 - steps * kTowards[d]};
            bool free = true;
            for (int k = 1; k <= steps; ++k) {
                const int at = int(p) + 1 - k * kTowards[d];
                const char there =
                    at >= 1 && at <= int(map.size()) ? map[std::size_t(at - 1)] : kNoTile;
                free = free && there != kNoTile && !blocksStep(there) && !changesScene(there);
            }
            if (!free) continue;
            const bool here = heroPlace(g) == beside;
            const std::size_t length = here ? 0 : route(g, heroPlace(g), beside).size();
            if ((here || length > 0) && length < shortest) {
                shortest = length;
                best = {beside, kFacing[d]};
            }
        }
    }
    return best;
}

// Walks beside the tile, faces it and presses space twice: once to find what is there,
// once to let the message go.
void actOn(Script& s, Place stand, int16 facing) {
    walk(s, stand);
    s.step(facing);
    s.key(Key::Space, 150);
    s.key(Key::Space, 300);
}

struct Goal {
    int area;
    char tile;
    const char* what;
    int16 GameState::*needs; // a flag the goal waits for, if any
    int16 GameState::*done;  // the flag that reaching it sets
};

// The quest's goals; the player takes the first one that is ready and within reach.
const Goal kGoals[] = {
    {0, '2', "the bucket", nullptr, &GameState::varSceau},
    {0, 'E', "water from the lake", &GameState::varSceau, &GameState::varEau},
    {0, 's', "the switch", &GameState::varEau, &GameState::varSwitche},
    {1, '1', "the mage's key", nullptr, &GameState::varCleMage},
    {0, '5', "the red key", &GameState::varCleMage, &GameState::varCoffre5},
    {0, '6', "the adamantium key", &GameState::varCoffre5, &GameState::varCoffre6},
    {1, '4', "the blue key", nullptr, &GameState::varCoffre4},
    {0, 'p', "the blue door", &GameState::varCoffre4, &GameState::varPorteForet},
    {0, '7', "the gold key", nullptr, &GameState::varCoffre7},
    {2, '9', "the gold door", &GameState::varCoffre7, &GameState::varPorteGrotte},
    {2, '8', "the orb", &GameState::varCoffre6, &GameState::varCoffre8},
    {3, 'O', "the orb set in its place", &GameState::varCoffre8, &GameState::varOrbePlacee},
};

void quest(Script& s, bool takeSword = true) {
    openingScreens(s, "Elaine");
    s.key(Key::Space, 300);
    s.key(Key::M, 300, "menu");
    s.key(Key::R, 200);
    s.key(Key::M, 300);
    FrmIntro& g = s.game();
    const bool rightIsFree = !blocksStep(tileAt(g, heroPosition(g) + 1));
    s.step(rightIsFree ? Key::Right : Key::Down, "walking");
    for (bool progress = true; progress;) {
        progress = false;
        for (const Goal& goal : kGoals) {
            if (g.*goal.done == 1 || (goal.needs && g.*goal.needs != 1)) continue;
            const auto [stand, facing] = besideNearest(g, goal.area, goal.tile);
            if (!facing) continue;
            s.comment(goal.what);
            actOn(s, stand, facing);
            check(g.*goal.done == 1, goal.what);
            progress = true;
            break;
        }
    }
    if (!takeSword) return;
    const auto [stand, facing] = besideNearest(g, 3, 'H');
    check(facing != 0, "no way to the sword");
    s.comment("the sword");
    walk(s, stand);
    s.step(facing);
    s.key(Key::Space, 150);
    s.wait(600, "victory");
    s.key(Key::Space, 200);
}

// Every door and passage of every area entered once, and every screen edge that can be
// walked across crossed once, with the doors the quest opens already open.
void tour(Script& s) {
    FrmIntro& g = s.game();
    for (int area = 0; area < 4; ++area) {
        const std::string map = areaMap(g, area);
        for (int p = 1; p <= int(map.size()); ++p) {
            if (!changesScene(map[std::size_t(p - 1)])) continue;
            // Stepped onto from the first side the hero can reach.
            for (int d = 0; d < 4; ++d) {
                const Place beside{area, p - kTowards[d]};
                if (beside.position < 1 || beside.position > int(map.size())) continue;
                const char there = map[std::size_t(beside.position - 1)];
                if (blocksStep(there) || changesScene(there)) continue;
                if (heroPlace(g) != beside && route(g, heroPlace(g), beside).empty()) continue;
                s.comment("through the passage at " + std::to_string(p) + " of area " +
                          std::to_string(area));
                walk(s, beside);
                s.step(kFacing[d]);
                break;
            }
        }
        // A screen spans 9 columns from column 2 and 7 rows from row 1.
        std::vector<std::pair<int, int>> edges; // (from, to) positions across an edge
        for (int p = 1; p <= int(map.size()); ++p) {
            const int column = (p - 1) % 49 + 1, row = (p - 1) / 49 + 1;
            if ((column - 1) % 9 == 0 && column > 1 && column < 49) edges.push_back({p, p + 1});
            if (row % 7 == 0 && p + 49 <= int(map.size())) edges.push_back({p, p + 49});
        }
        for (auto [from, to] : edges) {
            const char a = map[std::size_t(from - 1)], b = map[std::size_t(to - 1)];
            if (blocksStep(a) || blocksStep(b) || changesScene(a) || changesScene(b)) continue;
            if (heroPlace(g) != Place{area, from} && route(g, heroPlace(g), {area, from}).empty())
                continue;
            s.comment("across the edge at " + std::to_string(from) + " of area " +
                      std::to_string(area));
            walk(s, {area, from});
            s.step(to == from + 1 ? Key::Right : Key::Down);
        }
    }
}

// Keys in turn, one every few milliseconds, for as long as `during` holds.
template <class During> void mash(Script& s, bool withEsc, During during) {
    const int16 keys[] = {Key::Space, Key::Left, Key::Up, Key::Right, Key::Down,  Key::Enter,
                          Key::M,     Key::R,    Key::V,  Key::B,     Key::Other, Key::Esc};
    for (int i = 0; during(s.game()) && i < 2000; ++i) {
        const int16 key = keys[i % (withEsc ? 12 : 11)];
        s.key(key, 7);
    }
}

void mashing(Script& s) {
    s.comment("the title's fade-in and logo, Esc included");
    mash(s, true,
         [](const FrmIntro& g) { return g.tmrOuvrir.enabled() || g.tmrOuvrir2.enabled(); });
    s.key(Key::Space, 300);
    s.comment("the title's fade-out and the name entry's fade-in");
    mash(s, true, [](const FrmIntro& g) { return g.tmrFermer.enabled() || g.tmrLblNom.enabled(); });
    s.comment("the letter grid, without Esc");
    int presses = 0;
    mash(s, false, [&](const FrmIntro&) { return ++presses <= 60; });
    moveBox(s, 5, 11);
    s.key(Key::Space, 150);
    s.comment("the fade into the game, Esc included");
    mash(s, true, [](const FrmIntro& g) { return g.tmrLblNom2.enabled(); });
    s.comment("the start fade, without Esc");
    mash(s, false, [](const FrmIntro& g) { return g.tmrFermer2.enabled(); });
    s.comment("the opening message, steps and the menu, without Esc");
    presses = 0;
    mash(s, false, [&](const FrmIntro&) { return ++presses <= 120; });
    s.settle();
    if (s.game().fraAide.visible) s.key(Key::M, 100);
    s.key(Key::Space, 100);
    s.key(Key::Space, 300);
    s.comment("the curtains of a scene change, Esc included");
    const auto [stand, facing] = besideNearest(s.game(), 0, 'P');
    check(facing != 0, "no way to a door of the island");
    walk(s, stand);
    s.step(facing);
    s.key(facing, 0);
    mash(s, false, [](const FrmIntro& g) { return g.tmrI.enabled(); });
    mash(s, true,
         [](const FrmIntro& g) { return g.tmrChangeLieu.enabled() || g.tmrChangeLieu2.enabled(); });
    s.settle();
    if (s.game().fraAide.visible) s.key(Key::M, 100);
    s.comment("the menu, open");
    s.key(Key::M, 200);
    presses = 0;
    mash(s, false, [&](const FrmIntro& g) { return g.fraAide.visible && ++presses <= 60; });
    if (s.game().fraAide.visible) s.key(Key::M, 100);
    s.comment("the quit fade, Esc again included");
    s.key(Key::Esc, 300);
    mash(s, true, [](const FrmIntro& g) { return !g.ended(); });
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: epee_record DIR\n";
        return 2;
    }
    const fs::path folder = argv[1];
    try {
        Script whole("The whole quest by the shortest ways, from the title to the press after "
                     "the victory. Made by tools/record.cpp.");
        quest(whole);
        check(whole.game().varAction == Action::FindSword, "the quest does not end with the sword");
        whole.save(folder, "quest");

        Script doors("Every door, the passage and every screen edge, once the quest has opened "
                     "them. Made by tools/record.cpp.");
        quest(doors, false);
        tour(doors);
        doors.key(Key::Esc, 300);
        doors.settle();
        doors.wait(500, "");
        check(doors.game().ended(), "the tour does not end the game");
        doors.save(folder, "doors");

        Script mashed("Keys mashed during every sequence, from the title's fade-in to the quit "
                      "fade. Made by tools/record.cpp.");
        mashing(mashed);
        check(mashed.game().ended(), "the mashing does not end the game");
        mashed.save(folder, "mashing");
    } catch (const std::exception& e) {
        std::cerr << "epee_record: " << e.what() << '\n';
        return 1;
    }
    return 0;
}
