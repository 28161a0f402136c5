// Everywhere the hero can go, for every state of the quest: never off the map, only on
// open ground, never left standing on a door or the passage.
#include "WorldPlay.h"

#include <set>
#include <string_view>

namespace {
// The hero at rest, as the game holds it.
struct Rest {
    int16 area, offset, row, column;
    auto operator<=>(const Rest&) const = default;
};

Rest rest(const FrmIntro& w) {
    return {w.intLieu, w.intMapOffset, w.intLigne, w.intColonne};
}

// Puts the hero back where an earlier walk left it.
void standAt(FrmIntro& w, Rest r) {
    if (w.intLieu != r.area) loadArea(w, r.area);
    w.intLieu = r.area;
    w.intMapOffset = r.offset;
    w.intLigne = r.row;
    w.intColonne = r.column;
}

// The quest opens things in these orders: every state it can reach sets a prefix of each.
using Chain = std::vector<int16 GameState::*>;
const Chain kChains[] = {
    {&GameState::varSceau, &GameState::varSwitche, &GameState::varCoffre5, &GameState::varCoffre6,
     &GameState::varCoffre8, &GameState::varOrbePlacee},
    {&GameState::varCoffre4, &GameState::varPorteForet},
    {&GameState::varCoffre7, &GameState::varPorteGrotte},
};

std::vector<Chain> questStates() {
    std::vector<Chain> states;
    for (std::size_t a = 0; a <= 6; ++a)
        for (std::size_t b = 0; b <= 2; ++b)
            for (std::size_t c = 0; c <= 2; ++c) {
                Chain state(kChains[0].begin(), kChains[0].begin() + a);
                state.insert(state.end(), kChains[1].begin(), kChains[1].begin() + b);
                state.insert(state.end(), kChains[2].begin(), kChains[2].begin() + c);
                states.push_back(state);
            }
    return states;
}
} // namespace

TEST(Reachability, TheHeroStaysOnOpenGroundInEveryStateOfTheQuest) {
    constexpr std::string_view openGround = "agnoisAV";
    std::set<int16> areasReached;
    bool swordReached = false;
    for (const Chain& flags : questStates()) {
        Player p;
        startWalking(p);
        for (auto flag : flags)
            p.game().*flag = 1;
        loadArea(p.game(), 0);
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
                ASSERT_NE(openGround.find(underfoot), std::string_view::npos)
                    << "on " << underfoot << " in area " << to.area;
                if (seen.insert(to).second) todo.push_back(to);
            }
        }
        for (const Rest& r : seen) {
            areasReached.insert(r.area);
            swordReached |= r.area == 3 && (r.row - 1) * 49 + r.column + r.offset == 213 + 49;
        }
    }
    EXPECT_EQ(areasReached, (std::set<int16>{0, 1, 2, 3}));
    EXPECT_TRUE(swordReached) << "the hero can stand below the sword";
}
