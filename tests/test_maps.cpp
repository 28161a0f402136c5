// The four areas: their map strings for every state of the quest flags, and their colours.
#include "QuestScene.h"
#include "WorldPlay.h"

namespace {
int at(int row, int column) {
    return (row - 1) * 49 + column;
}

std::string changeAt(int position, char tile) {
    return std::to_string(position) + tile + " ";
}
} // namespace

TEST(Maps, EachAreaHasItsLengthColourAndOnlyCharactersOfTheLegend) {
    const std::size_t lengths[] = {1470, 1225, 1176, 1567};
    const Color colours[] = {RGB(0, 200, 0), RGB(0, 0, 0), RGB(50, 30, 0), RGB(25, 0, 40)};
    FrmIntro w;
    for (int16 set : {0, 1})
        for (int area = 0; area < 4; ++area) {
            for (auto flag : kQuestFlags)
                w.*flag = set;
            loadArea(w, area);
            EXPECT_EQ(w.strMap.size(), lengths[area]);
            EXPECT_EQ(w.backColor, colours[area]);
            for (char c : w.strMap)
                EXPECT_NE(tileTemplate(w, c), nullptr) << c << " in area " << area;
        }
    EXPECT_EQ(tileAt(w, 213), 'H'); // the sword, in the room
}

// Flags tested for 0 take their other tiles for any other value; flags tested for 1 only for 1.
TEST(Maps, EachFlagChangesItsOwnTilesOnly) {
    const int room = -1; // the room's first row is one tile short
    const std::tuple<int, int16 GameState::*, bool, std::string> rows[] = {
        {0, &GameState::varCoffre7, true, changeAt(at(5, 39), 'C')},
        {0, &GameState::varSceau, true, changeAt(at(10, 25), 'a')},
        {0, &GameState::varPorteForet, true, changeAt(at(11, 13), 'P')},
        {0, &GameState::varSwitche, false, changeAt(at(16, 39), 'S') + changeAt(at(25, 26), 'g')},
        {0, &GameState::varCoffre5, false, changeAt(at(21, 26), 'C')},
        {0, &GameState::varCoffre6, false, changeAt(at(24, 3), 'C')},
        {1, &GameState::varCoffre4, true, changeAt(at(18, 41), 'C')},
        {2, &GameState::varCoffre8, true, changeAt(at(6, 17), 'F') + changeAt(at(6, 40), 'e')},
        {2, &GameState::varPorteGrotte, false, changeAt(at(19, 17), 'P')},
        {3, &GameState::varOrbePlacee, true,
         changeAt(at(8, 18) + room, 'i') + changeAt(at(9, 18) + room, 'i') +
             changeAt(at(10, 18) + room, 'i') + changeAt(at(13, 18) + room, 'X')},
    };
    for (const auto& [area, flag, testedForZero, changes] : rows)
        for (int16 value : {1, 2}) {
            FrmIntro w;
            loadArea(w, area);
            const std::string unset = w.strMap;
            w.*flag = value;
            loadArea(w, area);
            ASSERT_EQ(w.strMap.size(), unset.size());
            std::string changed;
            for (std::size_t i = 0; i < unset.size(); ++i)
                if (w.strMap[i] != unset[i])
                    changed += changeAt(static_cast<int>(i) + 1, w.strMap[i]);
            EXPECT_EQ(changed, value == 1 || testedForZero ? changes : "")
                << "area " << area << ", value " << value;
        }
}
