// The cue table: every word the narrator adds to the game's own texts.
#include "Cues.h"

namespace Cue {

std::string_view areaName(Area area) {
    switch (area) {
    case Area::Island:
        return "L'île";
    case Area::Corridor:
        return "Le couloir";
    case Area::Cave:
        return "La grotte";
    case Area::Room:
        return "La salle de l'épée";
    }
    return "";
}

// Tiles drawn alike are named alike: a cue tells no more than the picture shows.
std::string_view tileName(char tile) {
    switch (tile) {
    case 'Y':
        return "un arbre";
    case 't':
        return "un tronc d'arbre";
    case 'g':
        return "de l'herbe";
    case 'a':
        return "des dalles";
    case 'A':
        return "un chemin sous l'eau";
    case 'e':
    case 'E':
        return "de l'eau";
    case 'k':
        return "de l'eau peu profonde";
    case 'n':
        return "du sable";
    case 'o':
        return "un pont";
    case 'M':
        return "un mur de maison";
    case 'T':
        return "un toit";
    case 'm':
        return "un mur de briques";
    case 'W':
        return "un mur de pierres";
    case 'N':
        return "des rochers";
    case 'i':
        return "un escalier";
    case 'G':
        return "un passage";
    case 'P':
    case 'p':
    case '9':
        return "une porte";
    case '1':
        return "le mage";
    case 'c':
    case '4':
    case '5':
    case '6':
    case '7':
        return "un coffre fermé";
    case '8':
        return "un coffre de fer fermé";
    case 'C':
    case 'F':
        return "un coffre ouvert";
    case 's':
        return "une switche";
    case 'S':
        return "une switche enfoncée";
    case '2':
        return "un seau";
    case 'O':
        return "un socle vide";
    case 'X':
        return "l'orbe sur son socle";
    case 'H':
        return "l'épée";
    // The empty picture lets the black background show.
    case 'v':
    case 'V':
        return "le noir";
    default:
        return "rien";
    }
}

std::string inFront(char tile, bool bumped) {
    return (bumped ? "Bloqué. Devant : " : "Devant : ") + std::string(tileName(tile));
}

std::string letter(const std::string& shown) {
    return shown == " " ? "espace" : shown;
}

std::string surroundings(Area area, char up, char down, char left, char right) {
    return std::string(areaName(area)) + ". En haut : " + std::string(tileName(up)) +
           ". En bas : " + std::string(tileName(down)) +
           ". À gauche : " + std::string(tileName(left)) +
           ". À droite : " + std::string(tileName(right)) + ".";
}

std::string held(const std::vector<std::string>& items) {
    if (items.empty()) return "Vous ne tenez rien.";
    std::string list;
    for (const std::string& item : items)
        list += (list.empty() ? "" : ", ") + item;
    return "Vous tenez : " + list + ".";
}

} // namespace Cue
