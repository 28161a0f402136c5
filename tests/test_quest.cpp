// The whole quest from power-on, played by keys alone: title, name entry, every item
// in an order the quest allows, through doors and the cave passage, to the sword.
#include "FrontSteps.h"
#include "WorldPlay.h"

#include <string_view>

namespace {

// Moves the selection box to a letter of the grid with the arrows and writes it.
void writeLetter(Player& p, char letter) {
    const int index = static_cast<int>(p->strLettres.find(letter));
    const int row = index / 11 + 1, column = index % 11 + 1;
    while (p->intGrilleLigne != row)
        p.press(p->intGrilleLigne < row ? Key::Down : Key::Up);
    while (p->intGrilleColonne != column)
        p.press(p->intGrilleColonne < column ? Key::Right : Key::Left);
    p.press(Key::Space);
}

void enterName(Player& p, std::string_view name) {
    reachNameEntry(p);
    for (char letter : name)
        writeLetter(p, letter);
    while (p->intGrilleLigne != 5)
        p.press(Key::Down);
    while (p->intGrilleColonne != 11)
        p.press(Key::Right);
    p.press(Key::Space); // "FIN"
    p.ticksUntilStopped(p->tmrLblNom2);
    p.ticksUntilStopped(p->tmrFermer2);
}

// One find of the quest: where the hero stands (the way there may lead through doors
// and the passage), the arrow that leaves him facing what he finds (toward the switch,
// which does not stop him, it takes a last step), what he says, and what he says on
// looking again once it has been taken or used.
struct Find {
    Place stand;
    int16 turn;
    std::string said;
    std::string afterwards = "";
};

} // namespace

TEST(Quest, APlayerWinsFromPowerOnWithKeysAlone) {
    Player p;
    enterName(p, "Jean");
    const std::string nom = "Jean  ";
    ASSERT_EQ(p->strNom, nom);
    ASSERT_TRUE(p->lblMessage.visible);
    EXPECT_EQ(p->lblMessage.caption, "L'épée légendaire se trouve sur cette île. Vous devez la "
                                     "trouver! Pour accéder au menu, appuyez sur <<M>>.");
    p.press(Key::Space);
    ASSERT_FALSE(p->lblMessage.visible);

    const std::string emptyChest = nom + ": Il n'y a plus rien dans le coffre.";
    const std::string openDoor = nom + ": La porte est débarrée. Je peux entrer!";
    const Find quest[] = {
        {{1, 923}, Key::Up, nom + ": IL Y A UNE CLÉ BLEUE DANS LE COFFRE!!!", emptyChest},
        {{0, 552}, Key::Up, nom + ": La clé bleu fonctionne dans la serrure.", openDoor},
        {{0, 417},
         Key::Down,
         nom + ": J'ai trouvé un sceau! Je peux m'en servir pour rammasser de l'eau dans le lac "
               "à l'ouest."},
        {{0, 199}, Key::Left, nom + ": Je vais rammasser de l'eau avec le sceau."},
        {{0, 776}, Key::Left, nom + ": Et voila! je me demande à quoi elle sert."},
        {{1, 610},
         Key::Left,
         "Mage: Je suis le magicien Oldavir. Prenez cette clé, elle vous sera utile pour ouvrir "
         "le coffre bloqué par un buisson.",
         "Mage: Il faut faire disparaître le buisson bloquant le coffre."},
        {{0, 1005}, Key::Right, nom + ": UNE CLÉ ROUGE!", emptyChest},
        {{0, 1131},
         Key::Left,
         nom + ": Il y a une clé en adamantium dans le coffre! étrange.",
         emptyChest},
        {{0, 284}, Key::Up, nom + ": Une clé en or!", emptyChest},
        {{2, 311},
         Key::Up,
         nom + ": CE CRISTAL...  C'EST L'ORBE LÉGENDAIRE. L'ÉPÉE N'EST PAS LOIN!"},
        {{2, 948}, Key::Up, nom + ": La clé en or fonctionne dans la serrure."},
        {{3, 654}, Key::Up, nom + ": Un passage s'est ouvert en haut!"},
    };
    for (const Find& find : quest) {
        walkTo(p, find.stand);
        step(p, find.turn);
        p.press(Key::Space);
        ASSERT_TRUE(p->lblMessage.visible) << find.said;
        EXPECT_EQ(p->lblMessage.caption, find.said);
        p.press(Key::Space);
        EXPECT_FALSE(p->lblMessage.visible);
        // Looking again finds what is left.
        p.press(Key::Space);
        EXPECT_EQ(p->lblMessage.visible ? p->lblMessage.caption : "", find.afterwards) << find.said;
        if (p->lblMessage.visible) p.press(Key::Space);
    }
    // Every key and the orb are listed; the bucket and water stayed on the switch.
    for (int i = 0; i <= 5; ++i)
        EXPECT_TRUE(p->lblObjet(i).visible) << i;
    EXPECT_FALSE(p->lblObjet(6).visible);
    EXPECT_FALSE(p->lblObjet(7).visible);

    walkTo(p, {3, 262});
    step(p, Key::Up);
    p.press(Key::Space);
    ASSERT_TRUE(p->lblMessage.visible);
    EXPECT_EQ(p->lblMessage.caption, "VOUS AVEZ TROUVÉ L'ÉPÉE! VOUS AVEZ RÉUSSI LA QUÊTE!");
    p.press({Key::Left, Key::Down});
    p.waitMs(200);
    EXPECT_EQ(heroPlace(p.game()), (Place{3, 262}));
    EXPECT_FALSE(p->ended());
    p.press(Key::Space);
    EXPECT_TRUE(p->ended());
}
