// The game window: its element set, its game-state record and every handler and
// procedure of the game, whose parts the floors below define (frontend/, world/, gameplay/).
#pragma once
#include "shell/Controls.h"
#include "shell/GameState.h"

#include <random>

class FrmIntro : public Controls, public GameState {
  public:
    FrmIntro();

    // Events; Form_Load sets up the name entry (frontend/NameEntry.cpp).
    void Form_Load();
    void Form_KeyDown(int16 keyCode);

    // Whether the program has ended; nothing is drawn or ticks after that.
    bool ended() const { return ended_; }
    // The window system closed the window.
    void closeWindow() { End(); }

    // Title (frontend/Title.cpp).
    void tmrOuvrir_Timer();
    void tmrOuvrir2_Timer();
    void tmrTouche_Timer();
    void tmrFermer_Timer();
    void tmrFermer3_Timer();

    // Name entry (frontend/NameEntry.cpp).
    void tmrLblNom_Timer();
    void tmrLblNom2_Timer();
    void tmrLblNom3_Timer();

    // World (world/).
    void procLoadForêt();
    void procLoadCouloir();
    void procLoadSalle();
    void procLoadGrotte();
    void procLoadMap();
    void procEffacer();

    // Gameplay (gameplay/).
    void tmrFermer2_Timer();
    void tmrFermer9_Timer();
    void tmrI_Timer();
    void tmrCurseur_Timer();
    void tmrChangeLieu_Timer();
    void tmrChangeLieu2_Timer();
    void tmrRéussi_Timer();

    // Seeded once when the sword is found; draws the victory colours.
    std::mt19937 victoryColours;

  private:
    // The parts of a key press, in the order Form_KeyDown takes them.
    void nameEntryKeys(int16 keyCode);
    void titleKeys(int16 keyCode);
    void closingKeys(int16 keyCode);
    void gameKeys(int16 keyCode);
    void inventoryRefresh();

    // The game keys, in the order gameKeys takes them.
    void menuKeys(int16 keyCode);   // R, V, B, M and Esc (gameplay/Menu.cpp)
    void arrowKeys(int16 keyCode);  // gameplay/Movement.cpp
    void actionKeys(int16 keyCode); // space, and Enter alike (gameplay/Interactions.cpp)
    void quitKey();                 // Esc accepted in the game (gameplay/StartQuit.cpp)

    // Ends the program at once, from inside a handler.
    void End();

    bool ended_ = false;
};
