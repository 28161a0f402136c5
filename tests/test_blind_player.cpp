// A player who cannot see: every key is decided from the speech log alone, never from the
// game's state or its pixels, from the title to the first chest he opens. That the cues
// carry enough to play is what it proves.
#include "Listener.h"

#include <gtest/gtest.h>

#include <map>
#include <queue>
#include <set>

namespace {
struct Step {
    int dx, dy;
    int16 key;
    int index; // in the description: up, down, left, right
};
constexpr Step kSteps[] = {
    {0, -1, Key::Up, 0}, {0, 1, Key::Down, 1}, {-1, 0, Key::Left, 2}, {1, 0, Key::Right, 3}};

using Place = std::pair<int, int>;

Place after(Place p, const Step& s) {
    return {p.first + s.dx, p.second + s.dy};
}

class BlindPlayer {
  public:
    // Waits, a tenth of a second at a time, for a line that satisfies the wish.
    template <class Wish> std::optional<std::string> waitFor(Wish wish, int limitMs = 10000) {
        for (int waited = 0; waited < limitMs; waited += 100) {
            for (const Heard& h : listener_.news())
                if (wish(h)) return h.text;
            listener_.waitMs(100);
        }
        return std::nullopt;
    }
    // Presses a key and listens until the game has done with it.
    std::vector<Heard> press(int16 key, int listenMs = 1500) {
        listener_.news();
        listener_.press(key);
        listener_.waitMs(listenMs);
        return listener_.news();
    }
    Description describe() {
        listener_.news();
        listener_.describe();
        for (const Heard& h : listener_.news())
            if (auto d = readDescription(h.text)) return *d;
        ADD_FAILURE() << "F1 said no description";
        return {};
    }

    // Along the map as he has heard it, the first step toward the nearest place he has not
    // stood on yet.
    std::optional<Step> towardsTheUnknown() const {
        const auto& known = map_.at(area_);
        std::map<Place, Step> firstStep;
        std::queue<Place> queue;
        queue.push(here_);
        firstStep[here_] = kSteps[0];
        while (!queue.empty()) {
            const Place p = queue.front();
            queue.pop();
            if (p != here_ && !visited_.count({area_, p})) return firstStep[p];
            for (const Step& s : kSteps) {
                const Place next = after(p, s);
                if (!known.count(next) || blocked_.count({area_, next}) || firstStep.count(next))
                    continue;
                firstStep[next] = p == here_ ? s : firstStep[p];
                queue.push(next);
            }
        }
        return std::nullopt;
    }

    // A closed chest beside him that he has not tried yet.
    std::optional<Step> chestBeside(const Description& d) const {
        for (const Step& s : kSteps)
            if (d.around[std::size_t(s.index)] == "un coffre fermé" &&
                !triedChests_.count({area_, after(here_, s)}))
                return s;
        return std::nullopt;
    }

    // Tries a chest: faces it, opens it, closes the message, and listens whether it stands
    // open now.
    bool tryChest(const Step& s) {
        press(s.key);
        std::vector<Heard> heard = press(Key::Space, 300);
        EXPECT_FALSE(heard.empty()) << "the chest said nothing";
        press(Key::Space, 300);
        triedChests_.insert({area_, after(here_, s)});
        return describe().around[std::size_t(s.index)] == "un coffre ouvert";
    }

    // One step; a bump is heard as such, and a door or a passage by the area's name.
    void walk(const Step& s) {
        const std::string from = area_;
        bool bumped = false;
        for (const Heard& h : press(s.key)) {
            bumped = bumped || h.text.starts_with("Bloqué");
            if (!h.interrupt && !h.text.starts_with("Devant") && !h.text.starts_with("Bloqué"))
                area_ = h.text;
        }
        if (bumped) {
            blocked_.insert({area_, after(here_, s)});
            return;
        }
        here_ = after(here_, s);
        // A door or a passage is one place in both areas it joins: gone through, it is known.
        visited_.insert({from, here_});
        visited_.insert({area_, here_});
    }

    void learn(const Description& d) {
        area_ = d.area;
        for (const Step& s : kSteps)
            map_[area_][after(here_, s)] = d.around[std::size_t(s.index)];
        visited_.insert({area_, here_});
    }

    Listener listener_;
    std::string area_;
    Place here_{0, 0};
    std::map<std::string, std::map<Place, std::string>> map_;
    std::set<std::pair<std::string, Place>> visited_, blocked_, triedChests_;
};
} // namespace

TEST(BlindPlayer, GoesFromTheTitleToTheFirstOpenChestByEarAlone) {
    BlindPlayer player;
    // The title says which key to press.
    ASSERT_TRUE(
        player.waitFor([](const Heard& h) { return h.text.find("space") != std::string::npos; }));
    // The name entry reads the letter under the box: up to the grid's last row, then left
    // until it says "FIN", and the name offered is taken.
    std::vector<Heard> heard = player.press(Key::Space);
    ASSERT_TRUE(
        std::any_of(heard.begin(), heard.end(), [](const Heard& h) { return h.text.size() == 1; }));
    player.press(Key::Up, 100);
    bool fin = false;
    for (int i = 0; i < 11 && !fin; ++i)
        for (const Heard& h : player.press(Key::Left, 100))
            fin = fin || h.text == "FIN";
    ASSERT_TRUE(fin);
    // The opening message, then away with it.
    heard = player.press(Key::Space, 3000);
    ASSERT_TRUE(
        std::any_of(heard.begin(), heard.end(), [](const Heard& h) { return h.text.size() > 20; }));
    player.press(Key::Space, 300);

    bool opened = false;
    for (int moves = 0; moves < 1500 && !opened; ++moves) {
        const Description around = player.describe();
        player.learn(around);
        if (auto chest = player.chestBeside(around)) {
            opened = player.tryChest(*chest);
            continue;
        }
        const std::optional<Step> step = player.towardsTheUnknown();
        ASSERT_TRUE(step) << "nowhere left to go after " << moves << " moves";
        player.walk(*step);
    }
    EXPECT_TRUE(opened) << player.listener_.log().substr(
        player.listener_.log().size() > 6000 ? player.listener_.log().size() - 6000 : 0);
    // What he heard, the game confirms: a chest open, its item held.
    const FrmIntro& game = player.listener_.game();
    EXPECT_EQ(
        game.varCoffre4 + game.varCoffre5 + game.varCoffre6 + game.varCoffre7 + game.varCoffre8, 1);
}
