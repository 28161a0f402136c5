// Walks the whole game-state record by name, so that digests and checks see every
// variable; the timers by name are in shell/WindowTimers.h.
#pragma once
#include "shell/GameState.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <tuple>

template <class T> struct RecordField {
    std::string_view name;
    T GameState::*member;
};

template <class T>
constexpr RecordField<T> recordField(std::string_view name, T GameState::*member) {
    return {name, member};
}

// The twelve quest flags, which only ever go from 0 to 1.
inline constexpr std::array<RecordField<int16>, 12> kQuestFlagFields{{
    {"varSceau", &GameState::varSceau},
    {"varEau", &GameState::varEau},
    {"varSwitche", &GameState::varSwitche},
    {"varCleMage", &GameState::varCleMage},
    {"varCoffre4", &GameState::varCoffre4},
    {"varCoffre5", &GameState::varCoffre5},
    {"varCoffre6", &GameState::varCoffre6},
    {"varCoffre7", &GameState::varCoffre7},
    {"varCoffre8", &GameState::varCoffre8},
    {"varPorteForet", &GameState::varPorteForet},
    {"varPorteGrotte", &GameState::varPorteGrotte},
    {"varOrbePlacee", &GameState::varOrbePlacee},
}};

// Every variable of the record, in declaration order: the order the digests take them in.
inline constexpr auto kRecordFields =
    std::tuple_cat(std::tuple{recordField("intMode", &GameState::intMode),
                              recordField("strLettre1", &GameState::strLettre1),
                              recordField("strLettre2", &GameState::strLettre2),
                              recordField("strLettre3", &GameState::strLettre3),
                              recordField("strLettre4", &GameState::strLettre4),
                              recordField("strLettre5", &GameState::strLettre5),
                              recordField("strLettre6", &GameState::strLettre6),
                              recordField("intPosLettre", &GameState::intPosLettre),
                              recordField("intGrilleLigne", &GameState::intGrilleLigne),
                              recordField("intGrilleColonne", &GameState::intGrilleColonne),
                              recordField("strLettres", &GameState::strLettres),
                              recordField("strNom", &GameState::strNom),
                              recordField("intLigne", &GameState::intLigne),
                              recordField("intColonne", &GameState::intColonne),
                              recordField("intMapOffset", &GameState::intMapOffset),
                              recordField("strMap", &GameState::strMap),
                              recordField("intLieu", &GameState::intLieu),
                              recordField("intFondR", &GameState::intFondR),
                              recordField("intFondV", &GameState::intFondV),
                              recordField("intFondB", &GameState::intFondB),
                              recordField("intDirY", &GameState::intDirY),
                              recordField("intDirX", &GameState::intDirX),
                              recordField("intPasY", &GameState::intPasY),
                              recordField("intPasX", &GameState::intPasX),
                              recordField("intDeplY", &GameState::intDeplY),
                              recordField("intDeplX", &GameState::intDeplX),
                              recordField("varPas", &GameState::varPas),
                              recordField("intEtat", &GameState::intEtat)},
                   kQuestFlagFields,
                   std::tuple{recordField("varAction", &GameState::varAction),
                              recordField("intMenuR", &GameState::intMenuR),
                              recordField("intMenuV", &GameState::intMenuV),
                              recordField("intMenuB", &GameState::intMenuB)});

namespace record_detail {
// Stands for a value of any type, to count the record's fields by how many values can
// initialise it.
struct AnyValue {
    template <class T> operator T() const;
};

template <class... Values> constexpr std::size_t fieldCount() {
    if constexpr (requires { GameState{Values{}..., AnyValue{}}; })
        return fieldCount<Values..., AnyValue>();
    else
        return sizeof...(Values);
}
} // namespace record_detail

// A variable added to the record and not to the list above would escape the digests.
static_assert(std::tuple_size_v<decltype(kRecordFields)> == record_detail::fieldCount(),
              "kRecordFields must list every variable of GameState");

template <class F> void forEachQuestFlag(const GameState& s, F&& f) {
    for (const RecordField<int16>& flag : kQuestFlagFields)
        f(flag.name, s.*flag.member);
}

// Calls f(name, value) for every variable of the record, in declaration order;
// value is an int16 or a std::string.
template <class F> void forEachVariable(const GameState& s, F&& f) {
    std::apply([&](const auto&... fields) { (f(fields.name, s.*fields.member), ...); },
               kRecordFields);
}
