// The whole quest from power-on, played by keys alone: title, name entry, every item
// in an order the quest allows, through doors and the cave passage, to the sword.
#include "QuestScene.h"
#include "WorldPlay.h"

#include <string_view>

namespace {
// Types the name on the grid, picks "FIN" and plays on into the game.
void enterName(Player& p, std::string_view name) {
    reachNameEntry(p);
    for (std::size_t i = 0; i <= name.size(); ++i) {
        const std::size_t cell = i < name.size() ? p->strLettres.find(name[i]) : 54; // "FIN"
        while (p->intGrilleLigne != int(cell / 11 + 1))
            p.press(Key::Down);
        while (p->intGrilleColonne != int(cell % 11 + 1))
            p.press(Key::Right);
        p.press(Key::Space);
    }
    p.ticksUntilStopped(p->tmrLblNom2);
    p.ticksUntilStopped(p->tmrFermer2);
}

// The items listed in the menu, by label number.
std::string inventory(Player& p) {
    std::string listed;
    for (int i = 0; i <= 7; ++i)
        if (p->lblObjet(i).visible) listed += static_cast<char>('0' + i);
    return listed;
}
} // namespace

TEST(Quest, APlayerWinsFromPowerOnWithKeysAlone) {
    Player p;
    enterName(p, "Jean");
    const std::string nom = "Jean  ";
    ASSERT_EQ(p->strNom, nom);
    EXPECT_EQ(p->lblMessage.caption, "L'épée légendaire se trouve sur cette île. Vous devez la "
                                     "trouver! Pour accéder au menu, appuyez sur <<M>>.");
    p.press(Key::Space);
    ASSERT_FALSE(p->lblMessage.visible);

    const std::string empty = ": Il n'y a plus rien dans le coffre.";
    // One find: where the hero stands, the arrow that turns him toward it (toward the
    // switch, which does not stop him, it takes a last step), the items then listed, what
    // he says and what he says on looking again. Captions from ":" on follow the name.
    const std::tuple<int, int, int16, std::string, std::string, std::string> quest[] = {
        {1, 923, Key::Up, "0", ": IL Y A UNE CLÉ BLEUE DANS LE COFFRE!!!", empty},
        {0, 552, Key::Up, "0", ": La clé bleu fonctionne dans la serrure.",
         ": La porte est débarrée. Je peux entrer!"},
        {0, 417, Key::Down, "06",
         ": J'ai trouvé un sceau! Je peux m'en servir pour rammasser de l'eau dans le lac à "
         "l'ouest.",
         ""},
        {0, 199, Key::Left, "067", ": Je vais rammasser de l'eau avec le sceau.", ""},
        {0, 776, Key::Left, "0", ": Et voila! je me demande à quoi elle sert.", ""},
        {1, 610, Key::Left, "01",
         "Mage: Je suis le magicien Oldavir. Prenez cette clé, elle vous sera utile pour ouvrir "
         "le coffre bloqué par un buisson.",
         "Mage: Il faut faire disparaître le buisson bloquant le coffre."},
        {0, 1005, Key::Right, "012", ": UNE CLÉ ROUGE!", empty},
        {0, 1131, Key::Left, "0124", ": Il y a une clé en adamantium dans le coffre! étrange.",
         empty},
        {0, 284, Key::Up, "01234", ": Une clé en or!", empty},
        {2, 311, Key::Up, "012345",
         ": CE CRISTAL...  C'EST L'ORBE LÉGENDAIRE. L'ÉPÉE N'EST PAS LOIN!", ""},
        {2, 948, Key::Up, "012345", ": La clé en or fonctionne dans la serrure.", ""},
        {3, 654, Key::Up, "012345", ": Un passage s'est ouvert en haut!", ""},
    };
    auto caption = [&](const std::string& text) { return text[0] == ':' ? nom + text : text; };
    for (const auto& [area, position, turn, listed, said, afterwards] : quest) {
        walkTo(p, {area, position});
        step(p, turn);
        EXPECT_EQ(messageAfterSpace(p), caption(said));
        EXPECT_EQ(inventory(p), listed) << said;
        p.press(Key::Space); // finds what is left and keeps quiet about it
        EXPECT_FALSE(p->lblMessage.visible);
        EXPECT_EQ(messageAfterSpace(p), caption(afterwards)) << said;
        if (p->lblMessage.visible) p.press(Key::Space);
    }

    walkTo(p, {3, 262});
    step(p, Key::Up);
    EXPECT_EQ(messageAfterSpace(p), "VOUS AVEZ TROUVÉ L'ÉPÉE! VOUS AVEZ RÉUSSI LA QUÊTE!");
    p.press({Key::Left, Key::Down});
    p.waitMs(200);
    EXPECT_EQ(heroPlace(p.game()), (Place{3, 262}));
    EXPECT_FALSE(p->ended());
    p.press(Key::Space);
    EXPECT_TRUE(p->ended());
}
