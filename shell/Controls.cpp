#include "Controls.h"

#include <iterator>

namespace {
constexpr Color kNavy = RGB(0, 0, 128);
constexpr Color kPaleYellow = RGB(255, 255, 192);
constexpr Color kYellow = RGB(255, 255, 0);
constexpr Color kBlack = RGB(0, 0, 0);

void place(Element& e, int left, int top, int width, int height, bool visible = true) {
    e.left = left;
    e.top = top;
    e.width = width;
    e.height = height;
    e.visible = visible;
}

void adopt(Panel& panel, std::initializer_list<Element*> topmostFirst) {
    for (auto it = std::rbegin(topmostFirst); it != std::rend(topmostFirst); ++it) {
        (*it)->parent = &panel;
        panel.children.push_back(*it);
    }
}

void menuLabel(Label& l, int left, int top, int width, int height, std::string caption,
               bool visible = true) {
    place(l, left, top, width, height, visible);
    l.caption = std::move(caption);
    l.backColor = kNavy;
    l.foreColor = kPaleYellow;
}

void rule(Label& l, int left, int top, int width, int height) {
    place(l, left, top, width, height);
    l.backColor = kYellow;
}

void blackLabel(Label& l, int left, int top, int width, int height, bool visible) {
    place(l, left, top, width, height, visible);
    l.backColor = kBlack;
    l.foreColor = kBlack;
}

void hiddenTemplate(Picture& p, Art art) {
    p.visible = false;
    p.setPicture(art);
}
} // namespace

Controls::Controls() {
    placeMasks();
    placeMenu();
    placeNameEntry();
    placeTitleAndMessages();
    placeViewAndTemplates();
    stack();
}

void Controls::placeMasks() {
    place(fra1(0), 0, 0, 375, 15360);
    place(fra1(1), 11640, 0, 10000, 15360);
    place(fraLieu, 0, -15, 12000, 15);
    place(fraLieu2, 0, 9000, 19200, 9000);
    for (Panel* p : {&fra1(0), &fra1(1), &fraLieu, &fraLieu2})
        p->backColor = kBlack;
    place(lblFocus(0), 0, 0, 12015, 9015);
    lblFocus(0).transparent = true;
}

void Controls::placeMenu() {
    place(fraAide, 360, 0, 11295, 9015, false);
    fraAide.backColor = kYellow;
    menuLabel(lblItem, 120, 120, 11055, 8775, " INVENTAIRE:         AIDE:");
    rule(lblSépar, 0, 600, 11295, 135);
    rule(lblSepar, 3600, 120, 135, 8895);
    rule(lblSepare, 0, 4680, 3735, 135);
    const char* items[] = {"Clé bleue",      "Clé mage", "Clé rouge", "Clé or",
                           "Clé adamantium", "Orbe",     "Sceau",     "Eau"};
    for (int i = 0; i <= 7; ++i)
        menuLabel(lblObjet(i), 120, 840 + 480 * i, i == 4 ? 3255 : 2415, 495, items[i], false);
    menuLabel(lblAide(5), 120, 4800, 3495, 615, "CONFIGURATION:");
    menuLabel(lblAide(4), 120, 5280, 3435, 3600,
              "Appuyez sur <<R>>, <<V>> et <<B>> pour changer la couleur du menu. "
              "R=         V=            B=");
    menuLabel(lblAide(6), 720, 7680, 855, 495, "0");
    lblAide(6).foreColor = RGB(255, 192, 192);
    menuLabel(lblAide(7), 2280, 7680, 855, 495, "0");
    lblAide(7).foreColor = RGB(192, 255, 192);
    menuLabel(lblAide(8), 720, 8160, 855, 495, "100");
    lblAide(8).foreColor = RGB(192, 192, 255);
    menuLabel(lblAide(0), 3840, 840, 7215, 1455,
              "Pour ouvrir une porte, avancez dessus. Elle peut être barrée. Dans ce cas, il vous "
              "faut la clé.");
    menuLabel(lblAide(3), 3840, 840, 6735, 1455, "Utilisez les flèches pour vous diriger.");
    menuLabel(lblAide(2), 3840, 2640, 7215, 4335,
              "Si un curseur apparaît au dessus du héros, appuyez sur <<Enter>>. Un point "
              "d'interrogation signifie que vous pouvez observer où vous êtes. Une main signifie "
              "que vous pouvez prendre un item. Du texte peut entrainer un dialogue. Une clé "
              "signifie que vous devez utiliser un item.");
    menuLabel(lblAide(1), 3840, 7320, 7215, 1095, "Appuyez sur <<M>> pour sortir de ce menu.");
    place(lblFocus(1), 0, 0, 11295, 9015);
    lblFocus(1).transparent = true;
    place(imgÉpée, 1920, 1560, 750, 750, false);
    imgÉpée.setPicture(Art::Epee);
    adopt(fraAide,
          {&imgÉpée,     &lblFocus(1), &lblAide(8),  &lblAide(7),  &lblAide(6),  &lblAide(4),
           &lblSepar,    &lblAide(5),  &lblSepare,   &lblAide(0),  &lblAide(3),  &lblAide(2),
           &lblAide(1),  &lblObjet(7), &lblSépar,    &lblObjet(6), &lblObjet(5), &lblObjet(4),
           &lblObjet(3), &lblObjet(2), &lblObjet(1), &lblObjet(0), &lblItem});
}

void Controls::placeNameEntry() {
    place(fraNom, 840, 3360, 10215, 2775, false);
    fraNom.backColor = kBlack;
    blackLabel(lblNom(7), 120, 120, 9975, 2535, false);
    lblNom(7).caption =
        "     A     B     C     D     E     F     G     H     I     J     K          L     M    N"
        "     O     P     Q     R     S     T    U    V           W    X    Y     Z      a     b"
        "      c     d     e     f     g           h     i      j      k      l      m     n     o"
        "    p     q     r            s     t     u      v     w     x      y     z     -       "
        "     FIN";
    blackLabel(lblNom(9), 480, 0, 135, 735, true);
    blackLabel(lblNom(10), 480, 0, 735, 135, true);
    blackLabel(lblNom(11), 480, 600, 735, 135, true);
    blackLabel(lblNom(12), 1080, 0, 135, 735, true);
    hiddenTemplate(imgPont, Art::Pont);
    hiddenTemplate(imgAsphalte2, Art::Asphalte2);
    adopt(fraNom,
          {&imgPont, &imgAsphalte2, &lblNom(11), &lblNom(12), &lblNom(10), &lblNom(9), &lblNom(7)});

    place(lblNom(8), 2280, 360, 8775, 1815, false);
    lblNom(8).transparent = true;
    lblNom(8).caption = "Écrivez le nom du héro. Sélectionnez une lettre et appuyez sur space "
                        "pour l'écrire.";
    const char* letters[] = {"H", "e", "r", "o", " ", ""};
    for (int i = 0; i <= 5; ++i) {
        blackLabel(lblNom(i), 4080 + 600 * i, 2280, 495, 495, false);
        lblNom(i).caption = letters[i];
    }
    blackLabel(lblNom(6), 3960, 2160, 3735, 735, false);
    blackLabel(lblNom(13), 3960, 2160, 735, 735, false);
    lblNom(13).foreColor = RGB(255, 0, 0);
}

void Controls::placeTitleAndMessages() {
    imgVyr.stretch = true;
    place(imgVyr, 480, -5750, 11280, 5715);
    imgVyr.setPicture(Art::Vyr);
    place(lblAuteur, 2280, 7080, 7335, 1695, false);
    lblAuteur.transparent = true;
    lblAuteur.alignment = Align::Centre;
    lblAuteur.foreColor = RGB(0, 0, 255);
    lblAuteur.caption = "L'Épée légendaire, par notre studio";
    place(lblTouche, 3960, 6120, 4455, 735, false);
    lblTouche.transparent = true;
    lblTouche.foreColor = RGB(0, 255, 0);
    lblTouche.caption = "Appuyez sur space.";

    place(lblMessage, 600, 240, 10815, 1455, false);
    lblMessage.backColor = kNavy;
    lblMessage.foreColor = kPaleYellow;
    place(lblFont, 480, 120, 11055, 1695, false);
    lblFont.backColor = kYellow;
}

void Controls::placeViewAndTemplates() {
    for (int i = 1; i <= 72; ++i)
        place(imgSprite(i), 0, i == 72 ? 360 : 0, 1575, 1215);
    for (int i = 1; i <= 8; ++i) {
        place(imgPerso(i), 0, 0, 750, 750, false);
        imgPerso(i).setPicture(persoArt(i));
    }
    struct Hero {
        Picture* p;
        int left, top;
        Art art;
    };
    for (Hero h :
         {Hero{&imgBas, 720, 2280, Art::Bas}, Hero{&imgHaut, 720, 3840, Art::Haut},
          Hero{&imgDroit, 840, 2280, Art::Droit}, Hero{&imgGauche, 360, 2640, Art::Gauche}}) {
        h.p->stretch = true;
        place(*h.p, h.left, h.top, 1455, 1455, false);
        h.p->setPicture(h.art);
    }
    const int cursor[4][4] = {{1080, 1680, 735, 855},
                              {1080, 600, 855, 975},
                              {2040, 600, 735, 855},
                              {3240, 960, 735, 855}};
    for (int k = 0; k <= 3; ++k) {
        imgCurseur(k).stretch = true;
        place(imgCurseur(k), cursor[k][0], cursor[k][1], cursor[k][2], cursor[k][3], false);
        imgCurseur(k).setPicture(static_cast<Art>(static_cast<int>(Art::Curseur0) + k));
    }
    struct Template {
        Picture* p;
        Art art;
    };
    for (Template t : {Template{&imgGazon, Art::Gazon},
                       {&imgAsphalte, Art::Asphalte},
                       {&imgArbre, Art::Arbre},
                       {&imgTronc, Art::Tronc},
                       {&imgMur, Art::Mur},
                       {&imgMur2, Art::Mur2},
                       {&imgMurMaison, Art::MurMaison},
                       {&imgToit, Art::Toit},
                       {&imgPorte, Art::Porte},
                       {&imgPorte2, Art::Porte2},
                       {&imgCoffre, Art::Coffre},
                       {&imgCoffre2, Art::Coffre2},
                       {&imgCoffreOuvert, Art::CoffreOuvert},
                       {&imgCoffreOuvert2, Art::CoffreOuvert2},
                       {&imgSwitche, Art::Switche},
                       {&imgSwitche2, Art::Switche2},
                       {&imgEau, Art::Eau},
                       {&imgEau2, Art::Eau2},
                       {&imgMage, Art::Mage},
                       {&imgSceau, Art::Sceau},
                       {&imgGate, Art::Gate},
                       {&imgOrbe, Art::Orbe},
                       {&imgOrbe2, Art::Orbe2},
                       {&imgGrotte, Art::Grotte},
                       {&imgSable, Art::Sable},
                       {&imgEscalier, Art::Escalier}})
        hiddenTemplate(*t.p, t.art);
    // The empty picture: visible, but it has nothing to draw.
    imgVide.visible = true;
}

void Controls::stack() {
    std::vector<const Element*> top; // topmost first, as the window lists them
    auto add = [&](std::initializer_list<const Element*> list) {
        top.insert(top.end(), list.begin(), list.end());
    };
    // Panels lie above every picture and label of the window.
    add({&fraAide, &fraLieu2, &fraLieu, &fraNom, &fra1(1), &fra1(0)});
    add({&imgOrbe2, &imgOrbe, &lblFocus(0), &lblMessage, &lblFont});
    for (int k = 0; k <= 3; ++k)
        add({&imgCurseur(k)});
    add({&imgEau2, &imgEscalier, &imgCoffreOuvert2, &imgCoffre2, &imgGrotte, &imgSable});
    for (int i = 8; i >= 1; --i)
        add({&imgPerso(i)});
    add({&imgMur2, &imgSwitche2, &imgBas, &imgHaut, &imgDroit, &imgGauche, &lblNom(8)});
    for (int i = 1; i <= 5; ++i)
        add({&lblNom(i)});
    add({&lblNom(0), &lblTouche, &imgVyr, &lblAuteur, &lblNom(13), &lblNom(6)});
    for (int i = 1; i <= 48; ++i)
        add({&imgSprite(i)});
    add({&imgGazon, &imgAsphalte, &imgArbre, &imgMur, &imgMurMaison, &imgToit, &imgTronc, &imgVide,
         &imgPorte});
    for (int i = 49; i <= 72; ++i)
        add({&imgSprite(i)});
    add({&imgCoffre, &imgSwitche, &imgEau, &imgMage, &imgPorte2, &imgSceau, &imgCoffreOuvert,
         &imgGate});
    stacking.assign(top.rbegin(), top.rend());
}
