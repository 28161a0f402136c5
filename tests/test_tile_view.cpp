// The 9 x 7 view: which picture each cell shows, where, and what shows off the map.
#include "WorldPlay.h"

#include <map>

TEST(TileView, TheStartScreenAndCellsOffTheMap) {
    Player p;
    startGame(p);
    FrmIntro& w = p.game();
    const std::string start = "YYYYYYYYYYttttYYYYtggggYYYYkkkkgYYYYEagggtYYYekYYggttYeYYYggggY";
    const std::map<char, Art> art{{'Y', Art::Arbre},   {'t', Art::Tronc}, {'g', Art::Gazon},
                                  {'k', Art::Eau2},    {'e', Art::Eau},   {'E', Art::Eau},
                                  {'a', Art::Asphalte}};
    std::vector<Art> shown;
    for (int i = 1; i <= 63; ++i) {
        const Picture& cell = w.imgSprite(i);
        EXPECT_EQ(cell.picture, art.at(start[i - 1])) << i;
        const int r = (i - 1) / 9, c = (i - 1) % 9;
        EXPECT_EQ((std::array{cell.left, cell.top, cell.width, cell.height}),
                  (std::array{195 + c * 1285, r * 1285, 1285, 1285}));
        EXPECT_TRUE(cell.visible && cell.stretch);
        shown.push_back(cell.picture);
    }
    // A cell past the map's end or before its start keeps the picture it had.
    w.intMapOffset = 1 + 28 * 49;
    w.procLoadMap();
    for (int i = 1; i <= 63; ++i)
        EXPECT_EQ(w.imgSprite(i).picture, i <= 18 ? Art::Arbre : shown[i - 1]) << i;
    w.intMapOffset = 1 - 49;
    w.procLoadMap();
    for (int i = 1; i <= 63; ++i)
        EXPECT_EQ(w.imgSprite(i).picture, i <= 9 ? Art::Arbre : shown[i - 10]) << i;
}

TEST(TileView, DoorsAreDrawnIndoorsWithTheSecondDoorPicture) {
    Player p;
    FrmIntro& w = p.game();
    for (char door : std::string("Pp9"))
        for (int16 area : {0, 1, 2, 3}) {
            w.strMap = std::string(49 * 7, 'a');
            w.strMap[0] = door;
            w.intLieu = area;
            w.procLoadMap();
            EXPECT_EQ(w.imgSprite(1).picture, area % 2 ? Art::Porte2 : Art::Porte) << door << area;
        }
}
