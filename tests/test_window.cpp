// The window at start-up: its element set, stacking order and what the player sees.
#include "shell/DrawList.h"
#include "shell/FrmIntro.h"

#include <gtest/gtest.h>

#include <algorithm>

TEST(Window, StartsWithTheElementsInPlace) {
    FrmIntro w;
    EXPECT_EQ(w.caption, "Form1");
    EXPECT_EQ(w.backColor, RGB(0, 0, 0));
    // Masks and curtains.
    EXPECT_EQ((std::array{w.fra1(1).left, w.fra1(1).top, w.fra1(1).width, w.fra1(1).height}),
              (std::array{11640, 0, 10000, 15360}));
    EXPECT_EQ(w.fraLieu.top, -15);
    EXPECT_EQ(w.fraLieu.height, 15);
    EXPECT_EQ(w.fraLieu2.top, 9000);
    // Menu and its children, placed relative to the panel.
    EXPECT_FALSE(w.fraAide.visible);
    EXPECT_EQ(w.fraAide.backColor, RGB(255, 255, 0));
    EXPECT_EQ(w.lblItem.caption, " INVENTAIRE:         AIDE:");
    EXPECT_EQ(w.lblItem.parent, &w.fraAide);
    EXPECT_EQ(w.lblObjet(4).caption, "Clé adamantium");
    EXPECT_EQ(w.lblObjet(4).width, 3255);
    EXPECT_EQ(w.lblObjet(7).top, 840 + 480 * 7);
    EXPECT_FALSE(w.lblObjet(0).visible);
    EXPECT_EQ(w.lblAide(8).caption, "100");
    EXPECT_EQ(w.lblAide(8).foreColor, RGB(192, 192, 255));
    EXPECT_EQ(w.lblAide(4).caption, "Appuyez sur <<R>>, <<V>> et <<B>> pour changer la couleur du "
                                    "menu. R=         V=            B=");
    // Name entry.
    EXPECT_EQ(w.lblNom(9).parent, &w.fraNom);
    EXPECT_EQ(w.lblNom(3).left, 4080 + 600 * 3);
    EXPECT_EQ(w.lblNom(4).caption, " ");
    EXPECT_EQ(w.lblNom(5).caption, "");
    EXPECT_EQ(w.lblNom(13).foreColor, RGB(255, 0, 0));
    // Title, messages, hero and view.
    EXPECT_EQ(w.imgVyr.top, -5750);
    EXPECT_TRUE(w.imgVyr.stretch);
    EXPECT_EQ(w.lblTouche.caption, "Appuyez sur space.");
    EXPECT_EQ(w.lblTouche.foreColor, RGB(0, 255, 0));
    EXPECT_EQ(w.lblMessage.backColor, RGB(0, 0, 128));
    EXPECT_EQ(w.lblFont.width, 11055);
    EXPECT_EQ(w.imgSprite(72).top, 360);
    EXPECT_EQ(w.imgSprite(1).width, 1575);
    EXPECT_EQ(w.imgCurseur(1).width, 855);
    EXPECT_EQ(w.imgGauche.left, 360);
    EXPECT_EQ(w.imgPerso(5).picture, Art::Perso5);
    EXPECT_EQ(w.imgPerso(5).width, 750);
    EXPECT_EQ(w.imgMur.width, 25 * 15);
    EXPECT_THROW(w.imgSprite(0), std::out_of_range);
    EXPECT_THROW(w.lblNom(14), std::out_of_range);
}

TEST(Window, OnlyTheFirstTimerRunsAndTheRecordStartsEmpty) {
    FrmIntro w;
    EXPECT_TRUE(w.tmrOuvrir.enabled());
    for (const Timer* t : {&w.tmrOuvrir2, &w.tmrTouche, &w.tmrFermer, &w.tmrFermer3, &w.tmrLblNom,
                           &w.tmrLblNom2, &w.tmrLblNom3, &w.tmrFermer2, &w.tmrFermer9, &w.tmrI,
                           &w.tmrCurseur, &w.tmrChangeLieu, &w.tmrChangeLieu2, &w.tmrRéussi})
        EXPECT_FALSE(t->enabled());
    EXPECT_EQ(w.tmrTouche.interval(), 500);
    EXPECT_EQ(w.tmrI.interval(), 20);
    EXPECT_EQ(w.tmrChangeLieu2.interval(), 100);
    EXPECT_EQ(w.intMode, 0);
    EXPECT_EQ(w.intLigne, 0);
    EXPECT_EQ(w.varCoffre5, 0);
    EXPECT_TRUE(w.strMap.empty());
    EXPECT_TRUE(w.strNom.empty());
}

TEST(Window, FormLoadSetsTheDefaultNameAndPlacesTheSelectionBox) {
    FrmIntro w;
    w.Form_Load();
    EXPECT_EQ(w.intPosLettre, 1);
    EXPECT_EQ(w.strLettre1 + w.strLettre2 + w.strLettre3 + w.strLettre4 + w.strLettre5 +
                  w.strLettre6,
              "Hero  ");
    EXPECT_EQ(w.intGrilleColonne, 1);
    EXPECT_EQ(w.intGrilleLigne, 1);
    EXPECT_EQ(w.lblNom(9).left, 470);
    EXPECT_EQ(w.lblNom(10).left, 470);
    EXPECT_EQ(w.lblNom(11).left, 470);
    EXPECT_EQ(w.lblNom(12).left, 1070);
    EXPECT_EQ(w.lblNom(11).top, 600);
}

TEST(Window, PanelsLieAboveEveryPictureAndLabelOfTheirContainer) {
    FrmIntro w;
    auto rank = [&](const Element* e) {
        return std::find(w.stacking.begin(), w.stacking.end(), e) - w.stacking.begin();
    };
    // Listed below the tiles and the hero, the panels still cover them.
    using Elements = std::initializer_list<const Element*>;
    for (const Element* panel : Elements{&w.fra1(0), &w.fraNom, &w.fraLieu})
        for (const Element* e :
             Elements{&w.imgOrbe2, &w.lblMessage, &w.imgCurseur(0), &w.imgSprite(1)})
            EXPECT_GT(rank(panel), rank(e));
    EXPECT_GT(rank(&w.fraAide), rank(&w.fraLieu2));
    EXPECT_GT(rank(&w.fraLieu2), rank(&w.fraLieu));
    // Within the window: message over cursor over hero over tiles.
    EXPECT_GT(rank(&w.lblMessage), rank(&w.lblFont));
    EXPECT_GT(rank(&w.lblFont), rank(&w.imgCurseur(0)));
    EXPECT_GT(rank(&w.imgCurseur(0)), rank(&w.imgCurseur(3)));
    EXPECT_GT(rank(&w.imgCurseur(3)), rank(&w.imgHaut));
    EXPECT_GT(rank(&w.imgGauche), rank(&w.imgSprite(72)));
    // Inside the menu, the body lies at the bottom and the value labels on top.
    EXPECT_EQ(w.fraAide.children.front(), &w.lblItem);
    EXPECT_EQ(w.fraAide.children.back(), &w.imgÉpée);
    EXPECT_EQ(w.fraNom.children.front(), &w.lblNom(7));
}

TEST(Window, AtStartOnlyTheMasksShow) {
    FrmIntro w;
    w.Form_Load();
    auto list = buildDrawList(w);
    // The background, the logo above the window, then the black masks and curtains.
    std::vector<DrawItem> seen;
    for (const DrawItem& item : list)
        if (item.box.bottom() > 0 && item.box.right() > 0) seen.push_back(item);
    ASSERT_FALSE(seen.empty());
    for (const DrawItem& item : seen) {
        EXPECT_EQ(item.kind, DrawItem::Kind::Fill);
        EXPECT_EQ(item.color, RGB(0, 0, 0));
    }
}
