// The window at start-up: its element set, stacking order and what the player sees.
#include "game/FrmIntro.h"
#include "shell/DrawList.h"
#include "shell/WindowTimers.h"

#include <gtest/gtest.h>

#include <algorithm>

TEST(Window, StartsWithTheElementsInPlaceInOrderAndOnlyTheMasksShow) {
    FrmIntro w;
    auto place = [](const Element& e) { return std::array{e.left, e.top, e.width, e.height}; };
    EXPECT_EQ(std::string_view(w.caption), "Form1");
    EXPECT_EQ(place(w.fra1(1)), (std::array{11640, 0, 10000, 15360}));
    EXPECT_EQ(place(w.lblObjet(4)), (std::array{120, 840 + 480 * 4, 3255, 495}));
    EXPECT_EQ(place(w.imgSprite(72)), (std::array{w.imgSprite(72).left, 360, 1575, 1215}));
    EXPECT_EQ(std::pair(w.lblNom(3).left, w.fraLieu2.top), std::pair(4080 + 600 * 3, 9000));
    EXPECT_EQ(w.lblItem.parent, &w.fraAide);
    EXPECT_FALSE(w.fraAide.visible || w.lblObjet(0).visible);
    for (auto [shown, colour] : {std::pair{w.fraAide.backColor, RGB(255, 255, 0)},
                                 {w.lblAide(8).foreColor, RGB(192, 192, 255)},
                                 {w.lblNom(13).foreColor, RGB(255, 0, 0)},
                                 {w.lblMessage.backColor, RGB(0, 0, 128)},
                                 {w.lblTouche.foreColor, RGB(0, 255, 0)}})
        EXPECT_EQ(shown, colour);
    EXPECT_EQ(w.lblItem.caption, " INVENTAIRE:         AIDE:");
    EXPECT_TRUE(w.imgVyr.stretch);
    EXPECT_EQ(w.imgPerso(5).picture, Art::Perso5);
    EXPECT_THROW(w.imgSprite(0), std::out_of_range);
    for (const auto& [name, timer] : namedTimers(w))
        EXPECT_EQ(timer->enabled(), timer == &w.tmrOuvrir) << name;
    EXPECT_EQ((std::array{w.tmrTouche.interval(), w.tmrI.interval(), w.tmrChangeLieu2.interval()}),
              (std::array{500, 20, 100}));

    // Panels lie above every picture and label of their container; inside the menu, the
    // body lies at the bottom and the value labels on top.
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
    EXPECT_EQ(w.fraAide.children.front(), &w.lblItem);
    EXPECT_EQ(w.fraAide.children.back(), &w.imgÉpée);
    EXPECT_EQ(w.fraNom.children.front(), &w.lblNom(7));

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
