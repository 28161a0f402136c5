// Everywhere the hero can go, for every state of the quest: never off the map, only on
// open ground, never left standing on a door or the passage.
#include "WorldPlay.h"

#include <set>
#include <string_view>

namespace {
// The hero at rest, as the game holds it: area, map offset, view row and column.
using Rest = std::array<int16, 4>;

// The quest opens things in these orders: every state it can reach sets a prefix of each.
const std::vector<int16 GameState::*> kChains[] = {
    {&GameState::varSceau, &GameState::varSwitche, &GameState::varCoffre5, &GameState::varCoffre6,
     &GameState::varCoffre8, &GameState::varOrbePlacee},
    {&GameState::varCoffre4, &GameState::varPorteForet},
    {&GameState::varCoffre7, &GameState::varPorteGrotte},
};
} // namespace

TEST(Reachability, TheHeroStaysOnOpenGroundInEveryStateOfTheQuest) {
    constexpr std::string_view openGround = "agnoisAV";
    std::set<int16> areasReached;
    bool swordReached = false;
    for (std::size_t state = 0; state < 7 * 3 * 3; ++state) {
        Player p;
        FrmIntro& w = p.game();
        startWalking(p);
        const std::size_t along[] = {state % 7, state / 7 % 3, state / 21}; // of each chain
        for (std::size_t chain = 0; chain < 3; ++chain)
            for (std::size_t i = 0; i < along[chain]; ++i)
                w.*kChains[chain][i] = 1;
        loadArea(w, 0);
        auto rest = [&] { return Rest{w.intLieu, w.intMapOffset, w.intLigne, w.intColonne}; };
        std::set<Rest> seen{rest()};
        std::vector<Rest> todo{rest()};
        while (!todo.empty()) {
            const auto [area, offset, row, column] = todo.back();
            todo.pop_back();
            for (int16 arrow : {Key::Left, Key::Up, Key::Right, Key::Down}) {
                if (w.intLieu != area) loadArea(w, area);
                w.intLieu = area;
                w.intMapOffset = offset;
                w.intLigne = row;
                w.intColonne = column;
                step(p, arrow);
                const char underfoot = viewTile(w, w.intLigne, w.intColonne);
                ASSERT_TRUE(w.intLigne >= 1 && w.intLigne <= 7 && w.intColonne >= 1 &&
                            w.intColonne <= 9);
                ASSERT_NE(underfoot, kNoTile) << "off the map in area " << w.intLieu;
                ASSERT_NE(openGround.find(underfoot), std::string_view::npos)
                    << "on " << underfoot << " in area " << w.intLieu;
                if (seen.insert(rest()).second) todo.push_back(rest());
            }
        }
        for (const auto [area, offset, row, column] : seen) {
            areasReached.insert(area);
            swordReached |= area == 3 && (row - 1) * 49 + column + offset == 213 + 49;
        }
    }
    EXPECT_EQ(areasReached, (std::set<int16>{0, 1, 2, 3}));
    EXPECT_TRUE(swordReached) << "the hero can stand below the sword";
}
