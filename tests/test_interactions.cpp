// The action key: what the hero says about each tile, the items handed over, the
// show and dismiss rule, and the victory.
#include "QuestScene.h"
#include "WorldPlay.h"

#include <set>

namespace {
// Shows the message for the faced tile and dismisses it again; returns the message.
std::string lookAt(Player& p, char tile) {
    faceTile(p, tile);
    std::string said = messageAfterSpace(p);
    p.press(Key::Space);
    return said;
}
} // namespace

TEST(Interactions, APressShowsWhatIsFoundAndTheNextHidesIt) {
    Player p;
    faceTile(p, 'V');
    p.press(Key::Space);
    EXPECT_TRUE(p->lblMessage.visible);
    EXPECT_TRUE(p->lblFont.visible);
    EXPECT_EQ(p->lblMessage.caption, "Hero  : Un passage secret!!");
    EXPECT_EQ(p->intEtat, 2);
    p.press(Key::Space);
    EXPECT_FALSE(p->lblMessage.visible);
    EXPECT_FALSE(p->lblFont.visible);
    EXPECT_EQ(p->intEtat, 1);
    // Facing nothing of interest says nothing and only hides a message.
    faceTile(p, 'g');
    EXPECT_EQ(messageAfterSpace(p), "");
    EXPECT_EQ(p->intEtat, 1);
    // Enter acts like space.
    faceTile(p, 'C');
    p.press(Key::Enter);
    EXPECT_EQ(p->lblMessage.caption, "Hero  : Il n'y a plus rien dans le coffre.");
    EXPECT_TRUE(p->lblMessage.visible);
    p.press(Key::Enter);
    EXPECT_FALSE(p->lblMessage.visible);
    // Neither acts while the menu is open or during a step.
    faceTile(p, 'C');
    p->fraAide.visible = true;
    p.press({Key::Space, Key::Enter});
    EXPECT_FALSE(p->lblMessage.visible);
    p->fraAide.visible = false;
    p->tmrI.setEnabled(true);
    p.press({Key::Space, Key::Enter});
    EXPECT_FALSE(p->lblMessage.visible);
}

TEST(Interactions, ChestsOpenWithTheirKeysAndHandOverTheNextItem) {
    Player p;
    faceTile(p, '7');
    p->strNom = "Jean  "; // a four-letter name keeps its two trailing spaces
    EXPECT_EQ(messageAfterSpace(p), "Jean  : Une clé en or!");
    EXPECT_EQ(p->varCoffre7, 1);
    EXPECT_TRUE(p->lblObjet(3).visible); // listed from that press on
    EXPECT_EQ(lookAt(p, '4'), "Hero  : IL Y A UNE CLÉ BLEUE DANS LE COFFRE!!!");
    EXPECT_EQ(p->varCoffre4, 1);

    // Each locked chest opens with the key found before it.
    struct Chest {
        char tile;
        int16 GameState::*key;
        int16 GameState::*opened;
        std::string locked, found;
    };
    const std::string locked = "Hero  : Le coffre est vérouillé. Je n'ai pas la clé.";
    const Chest chests[] = {
        {'5', &GameState::varCleMage, &GameState::varCoffre5, locked, "Hero  : UNE CLÉ ROUGE!"},
        {'6', &GameState::varCoffre5, &GameState::varCoffre6, locked,
         "Hero  : Il y a une clé en adamantium dans le coffre! étrange."},
        {'8', &GameState::varCoffre6, &GameState::varCoffre8, locked + " En plus, il est bizzare.",
         "Hero  : CE CRISTAL...  C'EST L'ORBE LÉGENDAIRE. L'ÉPÉE N'EST PAS LOIN!"},
    };
    for (const Chest& chest : chests) {
        GameState& g = p.game();
        g.*chest.key = 0;
        EXPECT_EQ(lookAt(p, chest.tile), chest.locked);
        EXPECT_EQ(g.*chest.opened, 0) << chest.tile;
        g.*chest.key = 1;
        EXPECT_EQ(lookAt(p, chest.tile), chest.found);
        EXPECT_EQ(g.*chest.opened, 1) << chest.tile;
    }
}

TEST(Interactions, DoorsOpenWithTheirKeys) {
    Player p;
    const std::string locked = "Hero  : La porte est barrée. Il me faut une clé pour l'ouvrir.";
    EXPECT_EQ(lookAt(p, 'p'), locked);
    EXPECT_EQ(lookAt(p, '9'), locked);
    EXPECT_EQ(p->varPorteForet + p->varPorteGrotte, 0);
    p->varCoffre4 = 1;
    EXPECT_EQ(lookAt(p, 'p'), "Hero  : La clé bleu fonctionne dans la serrure.");
    EXPECT_EQ(p->varPorteForet, 1);
    p->varCoffre7 = 1;
    EXPECT_EQ(lookAt(p, '9'), "Hero  : La clé en or fonctionne dans la serrure.");
    EXPECT_EQ(p->varPorteGrotte, 1);
    // An open door speaks only on the island.
    for (int16 lieu : {1, 2, 3}) {
        p->intLieu = lieu;
        EXPECT_EQ(lookAt(p, 'P'), "") << "area " << lieu;
    }
    p->intLieu = 0;
    EXPECT_EQ(lookAt(p, 'P'), "Hero  : La porte est débarrée. Je peux entrer!");
}

TEST(Interactions, TheBucketWaterAndSwitch) {
    Player p;
    const std::string switchHint = "Hero  : Une switche! Je devrais aller dessus pour l'activer ou "
                                   "mettre quelque chose dessus.";
    EXPECT_EQ(lookAt(p, 'E'), "Hero  : C'est la place idéale pour rammasser de l'eau. "
                              "Seulement, il me faudrait un sceau pour la rammasser.");
    EXPECT_EQ(lookAt(p, 's'), switchHint);
    EXPECT_EQ(p->varSwitche, 0);
    EXPECT_EQ(lookAt(p, '2'), "Hero  : J'ai trouvé un sceau! Je peux m'en servir pour rammasser "
                              "de l'eau dans le lac à l'ouest.");
    EXPECT_EQ(p->varSceau, 1);
    EXPECT_TRUE(p->lblObjet(6).visible);
    faceTile(p, 'E');
    EXPECT_EQ(messageAfterSpace(p), "Hero  : Je vais rammasser de l'eau avec le sceau.");
    EXPECT_EQ(p->varEau, 1);
    EXPECT_TRUE(p->lblObjet(7).visible);
    p.press(Key::Space);
    // With the bucket full the water says nothing more.
    EXPECT_EQ(lookAt(p, 'E'), "");
    EXPECT_EQ(lookAt(p, 's'), "Hero  : Et voila! je me demande à quoi elle sert.");
    EXPECT_EQ(p->varSwitche, 1);
    EXPECT_FALSE(p->lblObjet(6).visible);
    EXPECT_FALSE(p->lblObjet(7).visible);
    EXPECT_EQ(lookAt(p, 'S'), "");
}

TEST(Interactions, TheMageGivesHisKeyThenAHint) {
    Player p;
    EXPECT_EQ(lookAt(p, '1'), "Mage: Je suis le magicien Oldavir. Prenez cette clé, elle vous "
                              "sera utile pour ouvrir le coffre bloqué par un buisson.");
    EXPECT_EQ(p->varCleMage, 1);
    EXPECT_TRUE(p->lblObjet(1).visible);
    EXPECT_EQ(lookAt(p, '1'), "Mage: Il faut faire disparaître le buisson bloquant le coffre.");
}

TEST(Interactions, TheOrbPlace) {
    Player p;
    const std::string place = "Hero  : C'est ici que l'on place l'orbe légendaire.";
    EXPECT_EQ(lookAt(p, 'O'), place);
    p->varCoffre8 = 1;
    EXPECT_EQ(lookAt(p, 'O'), "Hero  : Un passage s'est ouvert en haut!");
    EXPECT_EQ(p->varOrbePlacee, 1);
    EXPECT_EQ(lookAt(p, 'O'), place);
    EXPECT_TRUE(p->lblObjet(5).visible); // the orb stays listed
    EXPECT_EQ(lookAt(p, 'X'), "");
}

TEST(Interactions, TheSwordEndsTheQuestOnTheNextPress) {
    Player p;
    p->varPas = 3;
    faceTile(p, 'H');
    EXPECT_EQ(messageAfterSpace(p), "VOUS AVEZ TROUVÉ L'ÉPÉE! VOUS AVEZ RÉUSSI LA QUÊTE!");
    ASSERT_TRUE(p->tmrRéussi.enabled());
    // The text flickers: its colour changes from tick to tick.
    std::set<std::tuple<int, int, int>> colours;
    for (int i = 0; i < 10; ++i) {
        p.ticks(p->tmrRéussi, 1);
        const Color c = p->lblMessage.foreColor;
        colours.insert({c.r, c.g, c.b});
    }
    EXPECT_GE(colours.size(), 9u);
    p.press({Key::Left, Key::M, Key::M});
    EXPECT_FALSE(p->ended());
    p.press(Key::Space);
    EXPECT_TRUE(p->ended());
}

TEST(Interactions, NothingComesBackOnTheScreenDuringTheQuitFade) {
    Player p;
    startWalking(p);
    walkTo(p, {0, 284});
    step(p, Key::Up); // the gold-key chest
    p.press(Key::Esc);
    p.press(Key::Space);
    p.press(Key::Right);
    p.ticks(p->tmrFermer9, 3);
    for (const DrawItem& item : p.screen()) {
        const bool inPlayArea = item.box.right() > kPlayArea.left &&
                                item.box.left < kPlayArea.right() && item.box.bottom() > 0 &&
                                item.box.top < kPlayArea.bottom();
        EXPECT_FALSE(inPlayArea && item.kind != DrawItem::Kind::Fill)
            << item.text << " art " << static_cast<int>(item.art);
    }
    EXPECT_EQ(p->varCoffre7, 0);
}

TEST(Interactions, TheChestOpensBehindItsMessageAndThenHasNothingMore) {
    Player p;
    startWalking(p);
    walkTo(p, {0, 284});
    step(p, Key::Up);
    const Picture& chest = p->imgSprite((p->intLigne - 2) * 9 + p->intColonne);
    EXPECT_EQ(chest.picture, p->imgCoffre.picture);
    p.press(Key::Space);
    EXPECT_EQ(p->lblMessage.caption, "Hero  : Une clé en or!");
    EXPECT_EQ(chest.picture, p->imgCoffreOuvert.picture);
    EXPECT_TRUE(p->lblObjet(3).visible);
    // The dismissing press finds the open chest and keeps quiet about it.
    p.press(Key::Space);
    EXPECT_FALSE(p->lblMessage.visible);
    EXPECT_EQ(p->lblMessage.caption, "Hero  : Il n'y a plus rien dans le coffre.");
    p.press(Key::Space);
    EXPECT_TRUE(p->lblMessage.visible);
}
