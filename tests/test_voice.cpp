// The player's speech keys and switch as the window takes them: turned on it says so and
// reads the screen, F1 describes the hero's place from the map, F2 says the last texts
// again, turned off it goes quiet while the log goes on; the setting is remembered.
#include "Listener.h"
#include "Recorded.h"
#include "platform/Voice.h"
#include "world/Legend.h"

#include <gtest/gtest.h>

namespace {
// Keeps what reaches it.
struct Recorder : SpeechOutput {
    std::vector<Utterance>* said;
    explicit Recorder(std::vector<Utterance>* into) : said(into) {}
    void say(const Utterance& u) override { said->push_back(u); }
};

std::vector<std::string> textsOf(const std::vector<Utterance>& said) {
    std::vector<std::string> texts;
    for (const Utterance& u : said)
        texts.push_back(u.text);
    return texts;
}
} // namespace

TEST(Voice, TurnedOnItSaysSoReadsTheScreenRepeatsAndTurnedOffGoesQuiet) {
    std::vector<Utterance> spoken, logged;
    Voice voice(false, std::make_unique<Recorder>(&logged));
    voice.useOutput(std::make_unique<Recorder>(&spoken));
    Listener listener;
    listener.play(questUpTo(2600)); // the name entry
    const FrmIntro& game = listener.game();

    voice.look(game);
    EXPECT_TRUE(spoken.empty()) << "off, yet it spoke";
    EXPECT_FALSE(logged.empty()) << "the log hears all the same";

    voice.toggle(game);
    ASSERT_GE(spoken.size(), 4u);
    EXPECT_EQ(spoken[0], (Utterance{"Lecture à voix haute activée", true}));
    const std::vector<std::string> screen = {
        "Écrivez le nom du héro. Sélectionnez une lettre et appuyez sur space pour l'écrire.",
        "Hero", "A"};
    EXPECT_EQ(textsOf({spoken.begin() + 1, spoken.end()}), screen);
    for (std::size_t i = 1; i < spoken.size(); ++i)
        EXPECT_FALSE(spoken[i].interrupt) << "the screen read behind the news cuts it off";

    spoken.clear();
    voice.repeatLast();
    EXPECT_EQ(textsOf(spoken), screen);
    EXPECT_TRUE(spoken[0].interrupt);

    spoken.clear();
    voice.toggle(game);
    EXPECT_EQ(spoken, (std::vector<Utterance>{{"Lecture à voix haute désactivée", true}}));
    EXPECT_FALSE(voice.on());
    voice.repeatLast();
    EXPECT_EQ(spoken.size(), 1u);
}

// F1 on the island, then again once the blue key is held: the four tiles around from the
// map (tiles drawn alike named alike, and apart otherwise), and what he holds.
TEST(Voice, DescribesTheFourTilesAroundAndWhatTheHeroHolds) {
    std::vector<Utterance> spoken;
    Voice voice(true, nullptr);
    voice.useOutput(std::make_unique<Recorder>(&spoken));
    Listener listener;
    std::map<Art, std::string> nameOf;
    std::map<std::string, Art> artOf;
    auto describe = [&] {
        const FrmIntro& g = listener.game();
        spoken.clear();
        voice.describeSurroundings(g);
        EXPECT_EQ(spoken.size(), 2u);
        EXPECT_TRUE(spoken.at(0).interrupt);
        const std::optional<Description> heard = readDescription(spoken.at(0).text);
        EXPECT_TRUE(heard) << spoken.at(0).text;
        const int rows[] = {-1, 1, 0, 0}, columns[] = {0, 0, -1, 1};
        for (std::size_t i = 0; heard && i < 4; ++i) {
            const std::string& name = heard->around[i];
            const Picture* drawn =
                tileTemplate(g, viewTile(g, g.intLigne + rows[i], g.intColonne + columns[i]));
            const Art art = drawn ? drawn->picture : Art::None;
            EXPECT_EQ(nameOf.emplace(art, name).first->second, name) << spoken.at(0).text;
            EXPECT_EQ(artOf.emplace(name, art).first->second, art) << spoken.at(0).text;
        }
        return spoken.at(1).text;
    };
    voice.begin(listener.game());
    EXPECT_EQ(spoken.at(0), (Utterance{"Lecture à voix haute activée", true}));
    listener.play(questUpTo(7660)); // the island, its opening message
    EXPECT_EQ(describe(), "Vous ne tenez rien.");
    EXPECT_TRUE(spoken.at(0).text.starts_with("L'île. En haut : "));
    listener.play(questUpTo(52100)); // the blue key in the corridor
    EXPECT_EQ(describe(), "Vous tenez : Clé bleue, Clé mage.");
    EXPECT_TRUE(spoken.at(0).text.starts_with("Le couloir. "));
    EXPECT_GE(nameOf.size(), 3u);
}
