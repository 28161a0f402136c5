#include "Art.h"

#include <stdexcept>

namespace {
constexpr int kCount = static_cast<int>(Art::Count);

constexpr std::array<ArtInfo, kCount> kTable{{
    {"", 0, 0, false},
    {"gazon.gif", 50, 50, true},
    {"asphalte.gif", 50, 50, false},
    {"asphalte2.gif", 50, 50, false},
    {"arbre.gif", 50, 50, true},
    {"tronc.gif", 50, 50, true},
    {"mur.gif", 25, 25, false},
    {"mur2.gif", 50, 50, false},
    {"murmaison.gif", 50, 50, false},
    {"toit.gif", 50, 50, false},
    {"porte.gif", 50, 50, false},
    {"porte2.gif", 3, 3, true},
    {"coffre.gif", 50, 50, false},
    {"coffre2.gif", 50, 50, false},
    {"coffreouvert.gif", 50, 50, false},
    {"coffreouvert2.gif", 50, 50, false},
    {"switche.gif", 50, 50, false},
    {"switche2.gif", 50, 50, false},
    {"eau.gif", 50, 50, false},
    {"eau2.gif", 50, 50, false},
    {"mage.gif", 50, 50, false},
    {"sceau.gif", 50, 50, false},
    {"gate.gif", 50, 50, false},
    {"orbe.gif", 50, 50, false},
    {"orbe2.gif", 50, 50, false},
    {"grotte.gif", 50, 50, false},
    {"sable.gif", 50, 50, false},
    {"escalier.gif", 3, 8, false},
    {"pont.gif", 50, 50, false},
    {"epee.gif", 50, 50, false},
    {"perso1.gif", 50, 50, true},
    {"perso2.gif", 50, 50, true},
    {"perso3.gif", 50, 50, true},
    {"perso4.gif", 50, 50, true},
    {"perso5.gif", 50, 50, true},
    {"perso6.gif", 50, 50, true},
    {"perso7.gif", 50, 50, true},
    {"perso8.gif", 50, 50, true},
    {"bas.gif", 50, 50, true},
    {"haut.gif", 50, 50, true},
    {"droit.gif", 50, 50, true},
    {"gauche.gif", 50, 50, true},
    {"curseur0.gif", 50, 50, true},
    {"curseur1.gif", 50, 50, true},
    {"curseur2.gif", 50, 50, true},
    {"curseur3.gif", 50, 50, true},
    {"vyr.gif", 400, 200, false},
}};
} // namespace

const ArtInfo& artInfo(Art art) {
    return kTable.at(static_cast<int>(art));
}

std::array<Art, kCount - 1> allArt() {
    std::array<Art, kCount - 1> all{};
    for (int i = 1; i < kCount; ++i)
        all[i - 1] = static_cast<Art>(i);
    return all;
}

Art persoArt(int index) {
    if (index < 1 || index > 8) throw std::out_of_range("hero look");
    return static_cast<Art>(static_cast<int>(Art::Perso1) + index - 1);
}
