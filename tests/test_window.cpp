// The window at start-up: its stacking order, its one running timer and what the player sees.
#include "game/FrmIntro.h"
#include "shell/DrawList.h"
#include "shell/WindowTimers.h"

#include <gtest/gtest.h>

#include <algorithm>

TEST(Window, StartsWithItsElementsInOrderAndOnlyTheMasksShow) {
    FrmIntro w;
    EXPECT_THROW(w.imgSprite(0), std::out_of_range);
    for (const auto& [name, timer] : namedTimers(w))
        EXPECT_EQ(timer->enabled(), timer == &w.tmrOuvrir) << name;

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
