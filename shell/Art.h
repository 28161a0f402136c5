// The game's pictures: one identifier per picture file, with its fixed pixel size
// and whether it has a transparent colour.
#pragma once
#include <array>
#include <cstdint>
#include <string_view>

enum class Art : std::uint8_t {
    None,
    Gazon,
    Asphalte,
    Asphalte2,
    Arbre,
    Tronc,
    Mur,
    Mur2,
    MurMaison,
    Toit,
    Porte,
    Porte2,
    Coffre,
    Coffre2,
    CoffreOuvert,
    CoffreOuvert2,
    Switche,
    Switche2,
    Eau,
    Eau2,
    Mage,
    Sceau,
    Gate,
    Orbe,
    Orbe2,
    Grotte,
    Sable,
    Escalier,
    Pont,
    Epee,
    Perso1,
    Perso2,
    Perso3,
    Perso4,
    Perso5,
    Perso6,
    Perso7,
    Perso8,
    Bas,
    Haut,
    Droit,
    Gauche,
    Curseur0,
    Curseur1,
    Curseur2,
    Curseur3,
    Vyr,
    Count
};

struct ArtInfo {
    std::string_view file; // name of the GIF in assets/
    int width, height;     // pixels
    bool transparent;
};

const ArtInfo& artInfo(Art art);

// Every picture that has a file, in enumeration order.
std::array<Art, static_cast<int>(Art::Count) - 1> allArt();

// The hero's looks: 1 up, 2 down, 3 left, 4 right, then the same four wading.
Art persoArt(int index);
