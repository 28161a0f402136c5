// The action key: the show and dismiss rule, and what each tile says where the quest
// playthrough does not hear it: locked, without the item, used up or indoors.
#include "QuestScene.h"
#include "WorldPlay.h"

TEST(Interactions, APressShowsTheNextHidesAndNeitherActsDuringTheMenuOrAStep) {
    Player p;
    faceTile(p, 'V');
    p->fraAide.visible = true;
    p.press(Key::Space);
    p->fraAide.visible = false;
    p->tmrI.setEnabled(true);
    p.press(Key::Enter);
    EXPECT_FALSE(p->lblMessage.visible);
    p->tmrI.setEnabled(false);
    p.press(Key::Enter);
    EXPECT_TRUE(p->lblMessage.visible && p->lblFont.visible);
    EXPECT_EQ(p->lblMessage.caption, "Hero  : Un passage secret!!");
    p.press(Key::Enter);
    EXPECT_FALSE(p->lblMessage.visible || p->lblFont.visible);
}

TEST(Interactions, LockedMissingOrUsedUpThingsSpeakAndChangeNothing) {
    const std::string chest = "Hero  : Le coffre est vérouillé. Je n'ai pas la clé.";
    const std::string strange = chest + " En plus, il est bizzare.";
    const std::string door = "Hero  : La porte est barrée. Il me faut une clé pour l'ouvrir.";
    const std::string orb = "Hero  : C'est ici que l'on place l'orbe légendaire.";
    const std::string water = "Hero  : C'est la place idéale pour rammasser de l'eau. Seulement, "
                              "il me faudrait un sceau pour la rammasser.";
    const std::string button = "Hero  : Une switche! Je devrais aller dessus pour l'activer ou "
                               "mettre quelque chose dessus.";
    const Flags none, all = allBut(nullptr), bucket{&GameState::varSceau},
                      filled{&GameState::varSceau, &GameState::varEau},
                      orbSet{&GameState::varCoffre8, &GameState::varOrbePlacee};
    const std::tuple<char, int16, Flags, std::string> rows[] = {
        {'5', 0, allBut(&GameState::varCleMage), chest},
        {'6', 0, allBut(&GameState::varCoffre5), chest},
        {'8', 0, allBut(&GameState::varCoffre6), strange},
        {'p', 0, allBut(&GameState::varCoffre4), door},
        {'9', 0, allBut(&GameState::varCoffre7), door},
        {'P', 1, none, ""},
        {'P', 2, none, ""},
        {'E', 0, none, water},
        {'E', 0, filled, ""},
        {'s', 0, bucket, button},
        {'S', 0, all, ""},
        {'O', 0, none, orb},
        {'O', 0, orbSet, orb},
        {'X', 0, all, ""},
        {'g', 0, none, ""}};
    for (const auto& [tile, lieu, held, said] : rows) {
        Player p;
        faceTile(p, tile);
        p->intLieu = lieu;
        hold(p.game(), held);
        const GameState before = p.game();
        EXPECT_EQ(messageAfterSpace(p), said) << tile;
        p.press(Key::Space);
        EXPECT_FALSE(p->lblMessage.visible);
        for (auto flag : kQuestFlags)
            EXPECT_EQ(p.game().*flag, before.*flag) << tile;
    }
}

TEST(Interactions, NothingComesBackOnTheScreenDuringTheQuitFade) {
    Player p;
    startWalking(p);
    walkTo(p, {0, 284});
    step(p, Key::Up); // the gold-key chest
    p.press({Key::M, Key::Esc, Key::Space, Key::Right});
    p.ticks(p->tmrFermer9, 3);
    for (const DrawItem& item : p.screen()) {
        const TwipRect& box = item.box;
        const bool inPlayArea = box.right() > kPlayArea.left && box.left < kPlayArea.right() &&
                                box.bottom() > 0 && box.top < kPlayArea.bottom();
        EXPECT_FALSE(inPlayArea && item.kind != DrawItem::Kind::Fill)
            << item.text << " art " << static_cast<int>(item.art);
    }
    EXPECT_EQ(p->varCoffre7, 0);
}
