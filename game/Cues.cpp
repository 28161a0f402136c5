// The cue table: every word the narrator adds to the game's own texts.
#include "Cues.h"

#include "world/Legend.h"

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

namespace {
// What each tile's picture shows, with its article. A tile is named by its picture, so
// tiles drawn alike are named alike: a cue tells no more than the eyes get.
struct PictureName {
    Picture Controls::*picture;
    std::string_view name;
};

constexpr PictureName kTileNames[] = {
    {&Controls::imgArbre, "un arbre"},
    {&Controls::imgTronc, "un tronc d'arbre"},
    {&Controls::imgGazon, "de l'herbe"},
    {&Controls::imgAsphalte, "des dalles"},
    {&Controls::imgAsphalte2, "un chemin sous l'eau"},
    {&Controls::imgEau, "de l'eau"},
    {&Controls::imgEau2, "de l'eau peu profonde"},
    {&Controls::imgSable, "du sable"},
    {&Controls::imgPont, "un pont"},
    {&Controls::imgMurMaison, "un mur de maison"},
    {&Controls::imgToit, "un toit"},
    {&Controls::imgMur, "un mur de briques"},
    {&Controls::imgMur2, "un mur de pierres"},
    {&Controls::imgGrotte, "des rochers"},
    {&Controls::imgEscalier, "un escalier"},
    {&Controls::imgGate, "un passage"},
    {&Controls::imgPorte, "une porte"},
    {&Controls::imgMage, "le mage"},
    {&Controls::imgCoffre, "un coffre fermé"},
    {&Controls::imgCoffre2, "un coffre de fer fermé"},
    {&Controls::imgCoffreOuvert, "un coffre ouvert"},
    {&Controls::imgCoffreOuvert2, "un coffre ouvert"},
    {&Controls::imgSwitche, "une switche"},
    {&Controls::imgSwitche2, "une switche enfoncée"},
    {&Controls::imgSceau, "un seau"},
    {&Controls::imgOrbe, "un socle vide"},
    {&Controls::imgOrbe2, "l'orbe sur son socle"},
    {&Controls::imgÉpée, "l'épée"},
    // The empty picture lets the black background show.
    {&Controls::imgVide, "le noir"},
};
} // namespace

std::string_view tileName(char tile) {
    const auto picture = tilePicture(tile);
    for (const PictureName& p : kTileNames)
        if (picture && p.picture == picture) return p.name;
    return "rien";
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
