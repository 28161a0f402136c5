// The 9 x 7 view at the map's ends. The pictures of the cells on the map, indoor doors
// included, are drawn along the recorded games of tests/replays and held by their digests.
#include "WorldPlay.h"

// A cell past the map's end or before its start keeps the picture it had.
TEST(TileView, CellsOffTheMapKeepTheirPicture) {
    Player p;
    startGame(p);
    FrmIntro& w = p.game();
    std::vector<Art> shown;
    for (int i = 1; i <= 63; ++i)
        shown.push_back(w.imgSprite(i).picture);
    w.intMapOffset = 1 + 28 * 49;
    w.procLoadMap();
    for (int i = 1; i <= 63; ++i)
        EXPECT_EQ(w.imgSprite(i).picture, i <= 18 ? Art::Arbre : shown[i - 1]) << i;
    w.intMapOffset = 1 - 49;
    w.procLoadMap();
    for (int i = 1; i <= 63; ++i)
        EXPECT_EQ(w.imgSprite(i).picture, i <= 9 ? Art::Arbre : shown[i - 10]) << i;
}
