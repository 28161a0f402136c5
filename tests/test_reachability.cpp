// Everywhere the hero can go, for every state of the quest: never off the map, never on
// a tile that stops a step, never left standing on a door or the passage.
#include "WorldPlay.h"

#include <set>

namespace {
// The hero at rest, as the game holds it.
struct Rest {
    int16 area, offset, row, column;
    auto operator<=>(const Rest&) const = default;
};

Rest rest(const FrmIntro& w) {
    return {w.intLieu, w.intMapOffset, w.intLigne, w.intColonne};
}

void loadArea(FrmIntro& w, int area) {
    constexpr void (FrmIntro::*loaders[])() = {&FrmIntro::procLoadForêt, &FrmIntro::procLoadCouloir,
                                               &FrmIntro::procLoadGrotte, &FrmIntro::procLoadSalle};
    (w.*loaders[area])();
}

// Puts the hero back where an earlier walk left it, pictures included.
void standAt(FrmIntro& w, Rest r) {
    if (w.intLieu != r.area || w.strMap.empty()) {
        w.intLieu = r.area;
        loadArea(w, r.area);
    }
    w.intMapOffset = r.offset;
    w.intLigne = r.row;
    w.intColonne = r.column;
    w.imgHaut.left = 195 + (r.column - 1) * 1285 + 10;
    w.imgHaut.top = (r.row - 1) * 1285;
    w.procLoadMap();
}

// The quest opens things in this order; each chain's flags are set from the first on.
using Chain = std::vector<int16 GameState::*>;
const Chain kChains[] = {
    {&GameState::varSceau, &GameState::varSwitche, &GameState::varCoffre5, &GameState::varCoffre6,
     &GameState::varCoffre8, &GameState::varOrbePlacee},
    {&GameState::varCoffre4, &GameState::varPorteForet},
    {&GameState::varCoffre7, &GameState::varPorteGrotte},
};

std::vector<std::vector<int16 GameState::*>> questStates() {
    std::vector<std::vector<int16 GameState::*>> states{{}};
    for (const Chain& chain : kChains) {
        std::vector<std::vector<int16 GameState::*>> grown;
        for (const auto& state : states)
            for (std::size_t n = 0; n <= chain.size(); ++n) {
                auto with = state;
                with.insert(with.end(), chain.begin(), chain.begin() + static_cast<long>(n));
                grown.push_back(with);
            }
        states = grown;
    }
    return states;
}
} // namespace

TEST(Reachability, TheHeroStaysOnTheMapInEveryStateOfTheQuest) {
    const auto states = questStates();
    ASSERT_EQ(states.size(), 7u * 3u * 3u);
    std::set<int16> areasEverReached;
    bool swordReached = false;
    for (const auto& flags : states) {
        Player p;
        startWalking(p);
        for (auto flag : flags)
            p.game().*flag = 1;
        p->procLoadForêt();
        std::set<Rest> seen{rest(p.game())};
        std::vector<Rest> todo{rest(p.game())};
        while (!todo.empty()) {
            const Rest from = todo.back();
            todo.pop_back();
            for (int16 arrow : {Key::Left, Key::Up, Key::Right, Key::Down}) {
                standAt(p.game(), from);
                step(p, arrow);
                const Rest to = rest(p.game());
                const char underfoot = viewTile(p.game(), to.row, to.column);
                ASSERT_TRUE(to.row >= 1 && to.row <= 7 && to.column >= 1 && to.column <= 9);
                ASSERT_NE(underfoot, kNoTile) << "off the map in area " << to.area;
                ASSERT_FALSE(blocksStep(underfoot)) << underfoot << " in area " << to.area;
                ASSERT_FALSE(changesScene(underfoot)) << "left on a passage in area " << to.area;
                if (seen.insert(to).second) todo.push_back(to);
            }
        }
        for (const Rest& r : seen) {
            areasEverReached.insert(r.area);
            if (r.area == 3) {
                standAt(p.game(), r);
                swordReached |= heroPosition(p.game()) == 213 + 49;
            }
        }
    }
    EXPECT_EQ(areasEverReached, (std::set<int16>{0, 1, 2, 3}));
    EXPECT_TRUE(swordReached) << "the hero can stand below the sword";
}
