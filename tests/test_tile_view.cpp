// The 9 x 7 view: which picture each cell shows, and the hero pictures over it.
#include "WorldPlay.h"

#include <algorithm>

namespace {
Art expectedArt(char tile, int area) {
    switch (tile) {
    case 'Y':
        return Art::Arbre;
    case 't':
        return Art::Tronc;
    case 'g':
        return Art::Gazon;
    case 'k':
        return Art::Eau2;
    case 'e':
    case 'E':
        return Art::Eau;
    case 'a':
        return Art::Asphalte;
    case 'P':
        return area == 1 || area == 3 ? Art::Porte2 : Art::Porte;
    default:
        return Art::None;
    }
}

// The view as the player sees it, each row a string of tile pictures.
void expectRows(FrmIntro& w, std::initializer_list<const char*> rows) {
    int r = 1;
    for (const char* text : rows) {
        for (int c = 1; c <= 9; ++c)
            EXPECT_EQ(w.imgSprite((r - 1) * 9 + c).picture, expectedArt(text[c - 1], w.intLieu))
                << "view row " << r << ", column " << c;
        ++r;
    }
}

int countPictures(const std::vector<DrawItem>& screen, Art art) {
    return static_cast<int>(std::count_if(screen.begin(), screen.end(), [&](const DrawItem& d) {
        return d.kind == DrawItem::Kind::Picture && d.art == art;
    }));
}
} // namespace

TEST(TileView, TheStartScreenShowsTheIslandsCorner) {
    Player p;
    startGame(p);
    expectRows(p.game(), {"YYYYYYYYY", "YttttYYYY", "tggggYYYY", "kkkkgYYYY", "EagggtYYY",
                          "ekYYggttY", "eYYYggggY"});
    EXPECT_EQ(viewTile(p.game(), p->intLigne, p->intColonne), 'g');
    for (int r = 1; r <= 7; ++r)
        for (int c = 1; c <= 9; ++c) {
            const Picture& cell = p->imgSprite((r - 1) * 9 + c);
            EXPECT_EQ((std::array{cell.left, cell.top, cell.width, cell.height}),
                      (std::array{195 + (c - 1) * 1285, (r - 1) * 1285, 1285, 1285}));
            EXPECT_TRUE(cell.visible && cell.stretch);
        }
    for (int i = 64; i <= 72; ++i)
        EXPECT_EQ(p->imgSprite(i).picture, Art::None);
    // 63 tiles on screen: trees, trunks, grass and water.
    const auto screen = p.screen();
    EXPECT_EQ(countPictures(screen, Art::Arbre) + countPictures(screen, Art::Tronc) +
                  countPictures(screen, Art::Gazon) + countPictures(screen, Art::Eau) +
                  countPictures(screen, Art::Eau2) + countPictures(screen, Art::Asphalte),
              63);
}

TEST(TileView, DoorsVoidAndPositionsOffTheMap) {
    Player p;
    startGame(p);
    FrmIntro& w = p.game();
    // The forest's first house door, row 6 column 25, in view cell (2, 6).
    w.intMapOffset = 1 + 4 * 49 + 18;
    w.procLoadMap();
    EXPECT_EQ(w.imgSprite(9 + 6).picture, Art::Porte);
    EXPECT_EQ(w.imgSprite(9 + 6).picture, w.imgPorte.picture);
    // The same place in the corridor: one row higher floor, its door drawn indoors.
    w.intLieu = 1;
    w.procLoadCouloir();
    w.procLoadMap();
    EXPECT_EQ(w.imgSprite(18 + 6).picture, Art::Porte2);
    EXPECT_EQ(w.imgSprite(9 + 6).picture, Art::Asphalte);
    // Void shows no picture: the black of the corridor shows through.
    EXPECT_EQ(w.imgSprite(7).picture, Art::None);
    EXPECT_EQ(w.backColor, RGB(0, 0, 0));
    // Locked doors take the area's door picture too.
    w.intLieu = 2;
    w.procLoadGrotte();
    w.intMapOffset = 18 * 49 - 4 * 49 + 12;
    w.procLoadMap();
    EXPECT_EQ(viewTile(w, 5, 5), '9');
    EXPECT_EQ(w.imgSprite(36 + 5).picture, Art::Porte);
    w.intLieu = 3;
    w.procLoadMap();
    EXPECT_EQ(w.imgSprite(36 + 5).picture, Art::Porte2);

    // Back at the start screen, then a screen mostly beyond the forest's last row:
    // cells past the end keep the picture they had.
    w.intLieu = 0;
    w.procLoadForêt();
    w.intMapOffset = 1;
    w.procLoadMap();
    w.intMapOffset = 1 + 28 * 49;
    w.procLoadMap();
    expectRows(w, {"YYYYYYYYY", "YYYYYYYYY", "tggggYYYY", "kkkkgYYYY", "EagggtYYY", "ekYYggttY",
                   "eYYYggggY"});
    // Positions below 1 hold no tile either.
    w.intMapOffset = 1 - 49;
    w.procLoadMap();
    expectRows(w, {"YYYYYYYYY", "YYYYYYYYY", "YttttYYYY", "tggggYYYY", "kkkkgYYYY", "EagggtYYY",
                   "ekYYggttY"});
}

TEST(TileView, HidingAndRepaintingTheView) {
    Player p;
    startGame(p);
    FrmIntro& w = p.game();
    const auto shown = p.screen();
    w.procLoadMap();
    EXPECT_EQ(p.screen(), shown) << "repainting with nothing changed";

    w.procEffacer();
    for (int i = 1; i <= 72; ++i)
        EXPECT_FALSE(w.imgSprite(i).visible);
    for (const Picture* hero : {&w.imgHaut, &w.imgBas, &w.imgGauche, &w.imgDroit})
        EXPECT_FALSE(hero->visible);
    EXPECT_EQ(countPictures(p.screen(), Art::Arbre), 0);

    // Repainting shows every cell and the facing picture(s) chosen by the facings.
    w.intDirX = -1;
    w.intDirY = 1;
    w.imgHaut.left = 5000;
    w.imgHaut.top = 3000;
    w.procLoadMap();
    for (int i = 1; i <= 72; ++i)
        EXPECT_TRUE(w.imgSprite(i).visible);
    EXPECT_TRUE(w.imgGauche.visible);
    EXPECT_TRUE(w.imgBas.visible);
    EXPECT_FALSE(w.imgHaut.visible);
    EXPECT_FALSE(w.imgDroit.visible);
    for (int k = 0; k <= 3; ++k) {
        EXPECT_FALSE(w.imgCurseur(k).visible);
        EXPECT_EQ(w.imgCurseur(k).left, 5000);
    }
    for (const Picture* hero : {&w.imgBas, &w.imgGauche, &w.imgDroit})
        EXPECT_EQ((std::array{hero->left, hero->top}), (std::array{5000, 3000}));
}
