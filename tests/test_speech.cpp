// Speech: what a player who cannot see hears, over the recorded games and at the keys,
// checked against what the window shows and what the maps hold.
#include "Listener.h"
#include "Recorded.h"
#include "world/Legend.h"

#include <gtest/gtest.h>

#include <map>

namespace {
// A text as a reader says it: its words, one blank apart.
std::string words(const std::string& text) {
    std::istringstream in(text);
    std::string word, out;
    while (in >> word)
        out += (out.empty() ? "" : " ") + word;
    return out;
}

// A text and when the window shows it.
using Expected = std::pair<Micros, std::string>;

// What the window shows as the quest goes, and when: what the log must hold.
struct QuestWatcher {
    std::vector<Expected> messages, letters, colours;
    int cuesAfterSteps = 0;
    struct Faced {
        Micros at;
        char tile;
        Art drawnAs;
    };
    std::vector<Faced> tilesInFront; // after a turn or a bump
    std::vector<Micros> bumps;
    std::vector<std::pair<Micros, int>> areasEntered;

    void operator()(const FrmIntro& g) {
        const Micros now = g.timers.now();
        watchMessage(g, now);
        watchGrid(g, now);
        watchColours(g, now);
        watchSteps(g, now);
    }

    void watchMessage(const FrmIntro& g, Micros now) {
        const std::string caption = g.lblMessage.visible ? words(g.lblMessage.caption) : "";
        if (!caption.empty() && caption != message) messages.push_back({now, caption});
        message = caption;
    }
    void watchGrid(const FrmIntro& g, Micros now) {
        const std::pair<int, int> cell{g.intGrilleLigne, g.intGrilleColonne};
        if (g.lblNom(7).visible && !g.lblNom(7).cells.empty() && cell != gridCell)
            letters.push_back(
                {now,
                 g.lblNom(7).cells.at(std::size_t((cell.first - 1) * 11 + cell.second - 1)).text});
        gridCell = cell;
    }
    void watchColours(const FrmIntro& g, Micros now) {
        const std::string shown[] = {g.lblAide(6).caption, g.lblAide(7).caption,
                                     g.lblAide(8).caption};
        const char* signs[] = {"R= ", "V= ", "B= "};
        for (int i = 0; i < 3; ++i) {
            if (g.fraAide.visible && menuOpen && shown[i] != colour[i])
                colours.push_back({now, signs[i] + shown[i]});
            colour[i] = shown[i];
        }
        menuOpen = g.fraAide.visible;
    }
    // A step ends when the hero's timers have all stopped; a turn or a bump calls for a cue.
    void watchSteps(const FrmIntro& g, Micros now) {
        if (g.intMode != 2 || g.strMap.empty()) return;
        if (area != g.intLieu) areasEntered.push_back({now, g.intLieu});
        area = g.intLieu;
        const bool moving =
            g.tmrI.enabled() || g.tmrChangeLieu.enabled() || g.tmrChangeLieu2.enabled();
        const int place = viewPosition(g, g.intLigne, g.intColonne);
        if (!moving && wasMoving) {
            const bool turned = g.intDirY != restDirY || g.intDirX != restDirX;
            const bool bumped = place == restPlace && g.intLieu == restArea;
            if (turned || bumped) {
                const char tile = viewTile(g, g.intLigne + g.intDirY, g.intColonne + g.intDirX);
                const Picture* drawn = tileTemplate(g, tile);
                tilesInFront.push_back({now, tile, drawn ? drawn->picture : Art::None});
            }
            if (bumped) bumps.push_back(now);
        }
        if (!moving) {
            restDirY = g.intDirY, restDirX = g.intDirX, restPlace = place, restArea = g.intLieu;
        }
        wasMoving = moving;
    }

    std::string message;
    std::pair<int, int> gridCell{0, 0};
    std::string colour[3];
    bool menuOpen = false;
    bool wasMoving = false;
    int area = -1;
    int restDirY = 0, restDirX = 0, restPlace = 0, restArea = 0;
};

std::vector<Heard> heardAt(const std::vector<Heard>& log, Micros at) {
    std::vector<Heard> lines;
    for (const Heard& h : log)
        if (h.at == at) lines.push_back(h);
    return lines;
}

bool saidAt(const std::vector<Heard>& log, Micros at, const std::string& text) {
    return std::ranges::any_of(heardAt(log, at), [&](const Heard& h) { return h.text == text; });
}

// "Devant : x" or "Bloqué. Devant : x": what is named, and whether the hero bumped.
std::optional<std::pair<std::string, bool>> cueInFront(const std::string& text) {
    for (const char* prefix : {"Devant : ", "Bloqué. Devant : "})
        if (text.starts_with(prefix))
            return std::pair{text.substr(std::string(prefix).size()), prefix[0] == 'B'};
    return std::nullopt;
}
} // namespace

TEST(Speech, TheQuestIsHeardAsTheWindowShowsIt) {
    QuestWatcher watcher;
    Listener listener([&](const FrmIntro& g) { watcher(g); });
    listener.play(recordedGame("quest"));
    const std::vector<Heard> log = listener.heard();

    // Every message once, when it opens, in order, word for word as drawn.
    std::set<std::string> messageTexts;
    for (const auto& [at, text] : watcher.messages)
        messageTexts.insert(text);
    std::vector<Expected> messagesHeard;
    for (const Heard& h : log)
        if (messageTexts.count(h.text)) messagesHeard.push_back({h.at, h.text});
    EXPECT_GE(watcher.messages.size(), 14u);
    EXPECT_EQ(messagesHeard, watcher.messages);

    // Each cell the name entry's red box lands on, as the grid draws it.
    EXPECT_GE(watcher.letters.size(), 20u);
    for (const auto& [at, letter] : watcher.letters)
        EXPECT_TRUE(saidAt(log, at, letter == " " ? "espace" : letter))
            << "the box on \"" << letter << "\" at " << at;

    // The area's name each time the hero enters one: one name for each area, four in all.
    std::map<int, std::string> areaNames;
    for (auto [at, area] : watcher.areasEntered) {
        std::vector<Heard> cues = heardAt(log, at);
        std::erase_if(cues, [](const Heard& h) { return h.interrupt || cueInFront(h.text); });
        ASSERT_EQ(cues.size(), 1u) << "entering area " << area << " at " << at;
        EXPECT_EQ(areaNames.emplace(area, cues[0].text).first->second, cues[0].text) << at;
    }
    EXPECT_EQ(areaNames.size(), 4u);
    EXPECT_EQ(
        std::set<std::string>({areaNames[0], areaNames[1], areaNames[2], areaNames[3]}).size(), 4u);

    // The colour values the menu shows after R, V and B.
    EXPECT_FALSE(watcher.colours.empty());
    for (const auto& [at, value] : watcher.colours)
        EXPECT_TRUE(saidAt(log, at, value)) << value << " at " << at;

    // After each turn and each bump, the tile the map holds in front: one name for each
    // picture (the two doors' pictures may share theirs), and a bump only against a tile
    // that stops.
    std::map<Art, std::string> nameOf;
    std::set<std::string> names;
    std::size_t cues = 0;
    for (const Heard& h : log)
        cues += cueInFront(h.text).has_value();
    EXPECT_EQ(cues, watcher.tilesInFront.size());
    for (auto [at, tile, art] : watcher.tilesInFront) {
        std::optional<std::pair<std::string, bool>> cue;
        for (const Heard& h : heardAt(log, at))
            if (!cue) cue = cueInFront(h.text);
        ASSERT_TRUE(cue) << "no cue at " << at;
        auto [name, bumped] = *cue;
        EXPECT_EQ(nameOf.emplace(art, name).first->second, name) << "tile " << tile << " at " << at;
        names.insert(name);
        EXPECT_EQ(bumped, std::count(watcher.bumps.begin(), watcher.bumps.end(), at) > 0) << at;
        if (bumped) {
            EXPECT_TRUE(blocksStep(tile)) << name << " at " << at;
        }
    }
    EXPECT_GE(names.size(), 8u);
}

TEST(Speech, TheRecordedGamesKeepTheirDigestsWhileSpoken) {
    for (const char* name : {"doors", "mashing", "quest"}) {
        SCOPED_TRACE(name);
        Listener listener;
        listener.play(recordedGame(name));
        EXPECT_EQ(listener.session().digest(), recordedDigest(name));
        EXPECT_FALSE(listener.heard().empty());
    }
}
