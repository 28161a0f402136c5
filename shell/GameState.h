// The game-state record: every variable of a run, with its start value.
// The window owns it; handlers read and write the variables in place.
#pragma once
#include "Vocabulary.h"

#include <string>

// The screen modes held in intMode; a run only goes forward through them.
namespace Mode {
inline constexpr int16 Title = 0;
inline constexpr int16 NameEntry = 1;
inline constexpr int16 Game = 2;
} // namespace Mode

// What the last press of the action key calls for, held in varAction: the item handed over
// or the lock opened once its message is dismissed, or the sword that ends the quest.
namespace Action {
inline constexpr int16 None = 0;
inline constexpr int16 TakeBucket = 1;
inline constexpr int16 FillBucket = 2;
inline constexpr int16 UnlockForestDoor = 3;
inline constexpr int16 TakeBlueKey = 4;
inline constexpr int16 TakeRedKey = 5;
inline constexpr int16 TakeAdamantiumKey = 6;
inline constexpr int16 TakeGoldenKey = 7;
inline constexpr int16 TakeOrb = 8;
inline constexpr int16 UnlockCaveDoor = 9;
inline constexpr int16 PlaceOrb = 10;
inline constexpr int16 FindSword = 99;
} // namespace Action

struct GameState {
    // Screen mode (Mode::); it only goes forward.
    int16 intMode = Mode::Title;

    // Name entry.
    std::string strLettre1, strLettre2, strLettre3, strLettre4, strLettre5, strLettre6;
    int16 intPosLettre = 0;
    int16 intGrilleLigne = 0;
    int16 intGrilleColonne = 0;
    std::string strLettres;
    std::string strNom;

    // Before the game the shared fade level; from the game set-up on the hero's view row.
    int16 intLigne = 0;
    int16 intColonne = 0;
    int16 intMapOffset = 0;
    std::string strMap;
    int16 intLieu = 0;
    int16 intFondR = 0, intFondV = 0, intFondB = 0;

    // Movement.
    int16 intDirY = 0, intDirX = 0;
    int16 intPasY = 0, intPasX = 0;
    int16 intDeplY = 0, intDeplX = 0;
    int16 varPas = 0;
    int16 intEtat = 0;

    // Quest flags: unset (0) until set to 1, never back.
    int16 varSceau = 0;
    int16 varEau = 0;
    int16 varSwitche = 0;
    int16 varCleMage = 0;
    int16 varCoffre4 = 0;
    int16 varCoffre5 = 0;
    int16 varCoffre6 = 0;
    int16 varCoffre7 = 0;
    int16 varCoffre8 = 0;
    int16 varPorteForet = 0;
    int16 varPorteGrotte = 0;
    int16 varOrbePlacee = 0;
    int16 varAction = 0;

    // Menu colour.
    int16 intMenuR = 0, intMenuV = 0, intMenuB = 0;

    // The name slot numbered 1 to 6.
    std::string& strLettre(int slot);
    const std::string& strLettre(int slot) const;
};
