// The element set of the game window: every panel, label, picture and timer,
// created once with its start properties and stacking order, never destroyed.
#pragma once
#include "Elements.h"
#include "TimerService.h"

#include <string>
#include <vector>

struct Controls {
    Controls();
    Controls(const Controls&) = delete;
    Controls& operator=(const Controls&) = delete;

    // The window itself.
    static constexpr char caption[] = "Form1";
    Color backColor; // shows wherever nothing covers it
    static constexpr int clientWidth = 19200, clientHeight = 15360;

    // Masks, curtains and the pointer carriers.
    ElementArray<Panel, 0, 1> fra1;
    Panel fraLieu, fraLieu2;
    ElementArray<Label, 0, 1> lblFocus;

    // The menu.
    Panel fraAide;
    Label lblItem, lblSépar, lblSepar, lblSepare;
    ElementArray<Label, 0, 7> lblObjet;
    ElementArray<Label, 0, 8> lblAide;
    Picture imgÉpée;

    // Name entry.
    Panel fraNom;
    ElementArray<Label, 0, 13> lblNom;
    Picture imgPont, imgAsphalte2;

    // Title.
    Picture imgVyr;
    Label lblAuteur, lblTouche;

    // Messages.
    Label lblMessage, lblFont;

    // Tile view, hero and cursor.
    ElementArray<Picture, 1, 72> imgSprite;
    ElementArray<Picture, 1, 8> imgPerso;
    Picture imgBas, imgHaut, imgDroit, imgGauche;
    ElementArray<Picture, 0, 3> imgCurseur;

    // Picture templates the tile view copies from.
    Picture imgGazon, imgAsphalte, imgArbre, imgTronc, imgMur, imgMur2, imgMurMaison, imgToit,
        imgPorte, imgPorte2, imgCoffre, imgCoffre2, imgCoffreOuvert, imgCoffreOuvert2, imgSwitche,
        imgSwitche2, imgEau, imgEau2, imgMage, imgSceau, imgGate, imgOrbe, imgOrbe2, imgGrotte,
        imgSable, imgEscalier, imgVide;

    // Timers, in the order their ticks are taken when due together; each one also has its
    // line in the timer table (WindowTimers.h), which wires it to its handler.
    TimerService timers;
    Timer tmrOuvrir{timers, 1, true};
    Timer tmrOuvrir2{timers, 1, false};
    Timer tmrTouche{timers, 500, false};
    Timer tmrFermer{timers, 1, false};
    Timer tmrFermer3{timers, 1, false};
    Timer tmrLblNom{timers, 1, false};
    Timer tmrLblNom2{timers, 1, false};
    Timer tmrLblNom3{timers, 1, false};
    Timer tmrFermer2{timers, 1, false};
    Timer tmrFermer9{timers, 1, false};
    Timer tmrI{timers, 20, false};
    Timer tmrCurseur{timers, 1, false};
    Timer tmrChangeLieu{timers, 100, false};
    Timer tmrChangeLieu2{timers, 100, false};
    Timer tmrRéussi{timers, 1, false};

    // Window-level elements, bottom first; panels come last since they lie above
    // every picture and label of the window.
    std::vector<const Element*> stacking;

  private:
    void placeMasks();
    void placeMenu();
    void placeNameEntry();
    void placeTitleAndMessages();
    void placeViewAndTemplates();
    void stack();
};
