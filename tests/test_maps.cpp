// The four areas: their map strings for every state of the quest flags, and their colours.
#include "WorldPlay.h"

namespace {
// Map row r, column c of the current map string (rows of 49 tiles).
std::string row(const GameState& s, int r) {
    return s.strMap.substr(static_cast<std::size_t>((r - 1) * 49), 49);
}

char tile(const GameState& s, int r, int c) {
    return tileAt(s, (r - 1) * 49 + c);
}
} // namespace

TEST(Maps, EveryAreaHasItsLengthAndColour) {
    FrmIntro w;
    w.procLoadForêt();
    EXPECT_EQ(w.strMap.size(), 1470u);
    EXPECT_EQ(w.backColor, RGB(0, 200, 0));
    EXPECT_EQ((std::array{w.intFondR, w.intFondV, w.intFondB}), (std::array<int16, 3>{0, 200, 0}));
    w.procLoadCouloir();
    EXPECT_EQ(w.strMap.size(), 1225u);
    EXPECT_EQ(w.backColor, RGB(0, 0, 0));
    w.procLoadGrotte();
    EXPECT_EQ(w.strMap.size(), 1176u);
    EXPECT_EQ(w.backColor, RGB(50, 30, 0));
    EXPECT_EQ((std::array{w.intFondR, w.intFondV, w.intFondB}), (std::array<int16, 3>{50, 30, 0}));
    w.procLoadSalle();
    EXPECT_EQ(w.strMap.size(), 1567u);
    EXPECT_EQ(w.backColor, RGB(25, 0, 40));
    // The sword: 18th tile of the room's fifth row text, one earlier for the short first row.
    EXPECT_EQ(tileAt(w, 213), 'H');
    EXPECT_EQ(tile(w, 5, 17), 'H');
    EXPECT_EQ(tileAt(w, 0), kNoTile);
    EXPECT_EQ(tileAt(w, 1568), kNoTile);
    // A loader changes neither the area number nor the view.
    EXPECT_EQ(w.intLieu, 0);
    EXPECT_EQ(w.intMapOffset, 0);
}

TEST(Maps, TheQuestFlagsChangeTheirRows) {
    FrmIntro w;
    w.procLoadForêt();
    const std::string untouched = w.strMap;
    EXPECT_EQ(tile(w, 5, 39), '7');
    EXPECT_EQ(tile(w, 10, 25), '2');
    EXPECT_EQ(tile(w, 11, 13), 'p');
    EXPECT_EQ(tile(w, 16, 39), 's');
    EXPECT_EQ(tile(w, 21, 26), '5');
    EXPECT_EQ(tile(w, 24, 3), '6');
    EXPECT_EQ(tile(w, 25, 26), 'Y');
    // Flags tested for 0 take their other row for any other value.
    w.varCoffre7 = 2;
    w.varSceau = 1;
    w.varPorteForet = 1;
    w.procLoadForêt();
    EXPECT_EQ(tile(w, 5, 39), 'C');
    EXPECT_EQ(tile(w, 10, 25), 'a');
    EXPECT_EQ(tile(w, 11, 13), 'P');
    // Flags tested for 1 take it only for 1.
    w.varSwitche = 2;
    w.varCoffre5 = 2;
    w.varCoffre6 = 2;
    w.procLoadForêt();
    auto untouchedRow = [&](int r) {
        return untouched.substr(static_cast<std::size_t>((r - 1) * 49), 49);
    };
    EXPECT_EQ(row(w, 16), untouchedRow(16));
    EXPECT_EQ(row(w, 25), untouchedRow(25));
    EXPECT_EQ(tile(w, 16, 39), 's');
    EXPECT_EQ(tile(w, 25, 26), 'Y');
    EXPECT_EQ(tile(w, 21, 26), '5');
    EXPECT_EQ(tile(w, 24, 3), '6');
    w.varSwitche = 1;
    w.varCoffre5 = 1;
    w.varCoffre6 = 1;
    w.procLoadForêt();
    EXPECT_EQ(tile(w, 16, 39), 'S');
    EXPECT_EQ(tile(w, 25, 26), 'g');
    EXPECT_EQ(tile(w, 21, 26), 'C');
    EXPECT_EQ(tile(w, 24, 3), 'C');
    // Only the conditional rows differ.
    for (int r :
         {1, 2, 3, 4, 6, 7, 8, 9, 12, 13, 14, 15, 17, 18, 19, 20, 22, 23, 26, 27, 28, 29, 30})
        EXPECT_EQ(row(w, r), untouchedRow(r)) << r;

    w.procLoadCouloir();
    EXPECT_EQ(tile(w, 18, 41), '4');
    w.varCoffre4 = 2;
    w.procLoadCouloir();
    EXPECT_EQ(tile(w, 18, 41), 'C');
    EXPECT_EQ(row(w, 1), row(w, 2));

    w.procLoadGrotte();
    EXPECT_EQ(tile(w, 6, 17), '8');
    EXPECT_EQ(tile(w, 19, 17), '9');
    w.varCoffre8 = 1;
    w.varPorteGrotte = 2;
    w.procLoadGrotte();
    EXPECT_EQ(tile(w, 6, 17), 'F');
    EXPECT_EQ(tile(w, 19, 17), '9');
    w.varPorteGrotte = 1;
    w.procLoadGrotte();
    EXPECT_EQ(tile(w, 19, 17), 'P');

    w.procLoadSalle();
    // Room positions: one earlier than the row text, for the short first row.
    auto room = [&](int r, int c) { return tileAt(w, (r - 1) * 49 + c - 1); };
    EXPECT_EQ(std::string({room(8, 17), room(8, 18), room(8, 19), room(9, 18), room(10, 18)}),
              "TTTvv");
    EXPECT_EQ(room(13, 18), 'O');
    w.varOrbePlacee = 1;
    w.procLoadSalle();
    EXPECT_EQ(std::string({room(8, 17), room(8, 18), room(8, 19), room(9, 18), room(10, 18)}),
              "TiTii");
    EXPECT_EQ(room(13, 18), 'X');
    EXPECT_EQ(room(20, 18), 'P');
}

TEST(Maps, EveryMapCharacterIsInTheLegend) {
    FrmIntro w;
    auto loaders = {&FrmIntro::procLoadForêt, &FrmIntro::procLoadCouloir, &FrmIntro::procLoadGrotte,
                    &FrmIntro::procLoadSalle};
    for (int16 flags : {0, 1}) {
        for (int16* f :
             {&w.varCoffre7, &w.varSceau, &w.varPorteForet, &w.varSwitche, &w.varCoffre5,
              &w.varCoffre6, &w.varCoffre4, &w.varOrbePlacee, &w.varCoffre8, &w.varPorteGrotte})
            *f = flags;
        for (auto load : loaders) {
            (w.*load)();
            for (char c : w.strMap)
                EXPECT_NE(tileTemplate(w, c), nullptr) << c;
        }
    }
    // 27 characters stop a step, "c" among them though no map uses it.
    int blocking = 0;
    for (int c = 1; c < 128; ++c)
        blocking += blocksStep(static_cast<char>(c));
    EXPECT_EQ(blocking, 27);
    EXPECT_TRUE(blocksStep('c'));
    EXPECT_FALSE(blocksStep(kNoTile));
    for (char open : std::string("agnoisAVPG"))
        EXPECT_FALSE(blocksStep(open)) << open;
}
