// Walks the whole game-state record by name, so that digests and checks see every
// variable; the timers by name are in shell/WindowTimers.h.
#pragma once
#include "shell/WindowTimers.h"

#include <string_view>

// The twelve quest flags, which only ever go from 0 to 1.
template <class F> void forEachQuestFlag(const GameState& s, F&& f) {
    f("varSceau", s.varSceau);
    f("varEau", s.varEau);
    f("varSwitche", s.varSwitche);
    f("varCleMage", s.varCleMage);
    f("varCoffre4", s.varCoffre4);
    f("varCoffre5", s.varCoffre5);
    f("varCoffre6", s.varCoffre6);
    f("varCoffre7", s.varCoffre7);
    f("varCoffre8", s.varCoffre8);
    f("varPorteForet", s.varPorteForet);
    f("varPorteGrotte", s.varPorteGrotte);
    f("varOrbePlacee", s.varOrbePlacee);
}

// Calls f(name, value) for every variable of the record, in declaration order;
// value is an int16 or a std::string.
template <class F> void forEachVariable(const GameState& s, F&& f) {
    f("intMode", s.intMode);
    f("strLettre1", s.strLettre1);
    f("strLettre2", s.strLettre2);
    f("strLettre3", s.strLettre3);
    f("strLettre4", s.strLettre4);
    f("strLettre5", s.strLettre5);
    f("strLettre6", s.strLettre6);
    f("intPosLettre", s.intPosLettre);
    f("intGrilleLigne", s.intGrilleLigne);
    f("intGrilleColonne", s.intGrilleColonne);
    f("strLettres", s.strLettres);
    f("strNom", s.strNom);
    f("intLigne", s.intLigne);
    f("intColonne", s.intColonne);
    f("intMapOffset", s.intMapOffset);
    f("strMap", s.strMap);
    f("intLieu", s.intLieu);
    f("intFondR", s.intFondR);
    f("intFondV", s.intFondV);
    f("intFondB", s.intFondB);
    f("intDirY", s.intDirY);
    f("intDirX", s.intDirX);
    f("intPasY", s.intPasY);
    f("intPasX", s.intPasX);
    f("intDeplY", s.intDeplY);
    f("intDeplX", s.intDeplX);
    f("varPas", s.varPas);
    f("intEtat", s.intEtat);
    forEachQuestFlag(s, f);
    f("varAction", s.varAction);
    f("intMenuR", s.intMenuR);
    f("intMenuV", s.intMenuV);
    f("intMenuB", s.intMenuB);
}
