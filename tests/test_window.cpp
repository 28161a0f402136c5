// The window at start-up: its element set, stacking order and what the player sees.
#include "shell/DrawList.h"
#include "shell/FrmIntro.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {
std::array<int, 4> place(const Element& e) {
    return {e.left, e.top, e.width, e.height};
}
} // namespace

TEST(Window, StartsWithTheElementsInPlace) {
    FrmIntro w;
    EXPECT_EQ(w.caption, "Form1");
    EXPECT_EQ(place(w.fra1(1)), (std::array{11640, 0, 10000, 15360}));
    EXPECT_EQ(place(w.lblObjet(4)), (std::array{120, 840 + 480 * 4, 3255, 495}));
    EXPECT_EQ(place(w.imgSprite(72)), (std::array{w.imgSprite(72).left, 360, 1575, 1215}));
    EXPECT_EQ(w.lblNom(3).left, 4080 + 600 * 3);
    EXPECT_EQ(w.fraLieu2.top, 9000);
    EXPECT_EQ(w.lblItem.parent, &w.fraAide);
    EXPECT_FALSE(w.fraAide.visible || w.lblObjet(0).visible);
    for (auto [shown, colour] : {std::pair{w.fraAide.backColor, RGB(255, 255, 0)},
                                 {w.lblAide(8).foreColor, RGB(192, 192, 255)},
                                 {w.lblNom(13).foreColor, RGB(255, 0, 0)},
                                 {w.lblMessage.backColor, RGB(0, 0, 128)},
                                 {w.lblTouche.foreColor, RGB(0, 255, 0)}})
        EXPECT_EQ(shown, colour);
    EXPECT_EQ(w.lblItem.caption, " INVENTAIRE:         AIDE:");
    EXPECT_EQ(w.imgVyr.top, -5750);
    EXPECT_TRUE(w.imgVyr.stretch);
    EXPECT_EQ(w.imgPerso(5).picture, Art::Perso5);
    EXPECT_THROW(w.imgSprite(0), std::out_of_range);
}

TEST(Window, OnlyTheFirstTimerRunsAndFormLoadSetsTheNameAndTheSelectionBox) {
    FrmIntro w;
    EXPECT_TRUE(w.tmrOuvrir.enabled());
    for (const Timer* t : {&w.tmrOuvrir2, &w.tmrTouche, &w.tmrFermer, &w.tmrFermer3, &w.tmrLblNom,
                           &w.tmrLblNom2, &w.tmrLblNom3, &w.tmrFermer2, &w.tmrFermer9, &w.tmrI,
                           &w.tmrCurseur, &w.tmrChangeLieu, &w.tmrChangeLieu2, &w.tmrRéussi})
        EXPECT_FALSE(t->enabled());
    EXPECT_EQ((std::array{w.tmrTouche.interval(), w.tmrI.interval(), w.tmrChangeLieu2.interval()}),
              (std::array{500, 20, 100}));
    EXPECT_TRUE(w.strMap.empty() && w.strNom.empty());
    w.Form_Load();
    std::string name;
    for (int k = 1; k <= 6; ++k)
        name += w.strLettre(k);
    EXPECT_EQ(name, "Hero  ");
    EXPECT_EQ((std::array{w.intPosLettre, w.intGrilleColonne, w.intGrilleLigne}),
              (std::array<int16, 3>{1, 1, 1}));
    EXPECT_EQ(place(w.lblNom(11)), (std::array{470, 600, w.lblNom(11).width, w.lblNom(11).height}));
    EXPECT_EQ(w.lblNom(12).left, 1070);
}

TEST(Window, PanelsLieAboveEveryPictureAndLabelOfTheirContainer) {
    FrmIntro w;
    auto rank = [&](const Element* e) {
        return std::ranges::find(w.stacking, e) - w.stacking.begin();
    };
    const Element* bottomFirst[] = {&w.imgSprite(72), &w.imgSprite(1),  &w.imgGauche, &w.imgHaut,
                                    &w.imgCurseur(3), &w.imgCurseur(0), &w.lblFont,   &w.lblMessage,
                                    &w.imgOrbe2,      &w.fra1(0),       &w.fraNom,    &w.fraLieu,
                                    &w.fraLieu2,      &w.fraAide};
    for (std::size_t i = 1; i < std::size(bottomFirst); ++i)
        EXPECT_LT(rank(bottomFirst[i - 1]), rank(bottomFirst[i])) << "element " << i;
    EXPECT_LT(rank(&w.fraAide), std::ssize(w.stacking));
    // Inside the menu, the body lies at the bottom and the value labels on top.
    EXPECT_EQ(w.fraAide.children.front(), &w.lblItem);
    EXPECT_EQ(w.fraAide.children.back(), &w.imgÉpée);
    EXPECT_EQ(w.fraNom.children.front(), &w.lblNom(7));
}

TEST(Window, AtStartOnlyTheMasksShow) {
    FrmIntro w;
    w.Form_Load();
    int seen = 0;
    for (const DrawItem& item : buildDrawList(w)) {
        if (item.box.bottom() <= 0 || item.box.right() <= 0) continue; // the logo above the window
        ++seen;
        EXPECT_EQ(item.kind, DrawItem::Kind::Fill);
        EXPECT_EQ(item.color, RGB(0, 0, 0));
    }
    EXPECT_GT(seen, 0);
}
