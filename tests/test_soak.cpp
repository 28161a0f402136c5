// A million random events (keys weighted toward the arrows and space, random lapses of
// time) with every rule of the game checked after each key and tick. Episodes start from
// the title or from any point of the recorded games, so that every screen from the title
// to the victory gets its share. EPEE_SOAK_EVENTS sets another count.
#include "shell/Replay.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>

namespace fs = std::filesystem;

namespace {
enum Phase { Title, NameEntry, Play, Victory, PhaseCount };

Phase phaseOf(const FrmIntro& g) {
    if (g.intMode == 0) return Title;
    if (g.intMode == 1) return NameEntry;
    return g.varAction == 99 ? Victory : Play;
}

std::vector<std::vector<ReplayEvent>> recordedGames() {
    std::vector<std::vector<ReplayEvent>> games;
    for (const auto& entry : fs::directory_iterator(fs::path(EPEE_SOURCE_DIR) / "tests/replays")) {
        if (entry.path().extension() != ".replay") continue;
        std::ifstream in(entry.path());
        games.push_back(parseReplay(in));
    }
    return games;
}

class RandomPlayer {
  public:
    explicit RandomPlayer(std::uint32_t seed) : random_(seed) {}

    ReplayEvent next(std::int64_t nowMs) {
        ReplayEvent event{nowMs + lapseMs(), ReplayEvent::Kind::Key, 0};
        if (chance(10))
            event.kind = ReplayEvent::Kind::Wait;
        else
            event.key = keys_[pick(keys_.size())];
        return event;
    }

    std::size_t pick(std::size_t n) {
        return std::uniform_int_distribution<std::size_t>(0, n - 1)(random_);
    }
    bool chance(int percent) { return int(pick(100)) < percent; }

  private:
    // Mostly key-repeat speed, sometimes a pause, now and then a long wait.
    std::int64_t lapseMs() {
        if (chance(70)) return std::int64_t(pick(41));
        if (chance(85)) return 40 + std::int64_t(pick(261));
        return 300 + std::int64_t(pick(1701));
    }

    std::mt19937 random_;
    // Weighted: eight of each arrow and of space, fewer of the rest.
    static constexpr std::array<int16, 50> keys_ = [] {
        std::array<int16, 50> k{};
        std::size_t i = 0;
        for (int16 key : {Key::Left, Key::Up, Key::Right, Key::Down, Key::Space})
            for (int n = 0; n < 8; ++n)
                k[i++] = key;
        for (int16 key : {Key::Enter, Key::Enter, Key::M, Key::M, Key::R, Key::V, Key::B, Key::Esc,
                          Key::Other, Key::Left})
            k[i++] = key;
        return k;
    }();
};

long eventCount() {
    const char* text = std::getenv("EPEE_SOAK_EVENTS");
    return text ? std::atol(text) : 1'000'000;
}
} // namespace

TEST(Soak, MillionRandomEventsKeepEveryRuleOnEveryScreen) {
    const auto games = recordedGames();
    RandomPlayer player(20261206);
    std::array<long, PhaseCount> perPhase{};
    std::array<bool, PhaseCount> recorded{}; // screens the recorded games reach
    long played = 0;
    for (long episode = 0; played < eventCount(); ++episode) {
        ReplaySession session(false);
        std::vector<ReplayEvent> history;
        // Three episodes in four start from a point of a recorded game.
        if (!games.empty() && player.chance(75)) {
            const auto& game = games[player.pick(games.size())];
            history.assign(game.begin(),
                           game.begin() + std::ptrdiff_t(player.pick(game.size() + 1)));
        }
        for (const ReplayEvent& event : history) {
            session.play(event);
            recorded[phaseOf(session.game())] = true;
        }
        // Ends an ended recording at once.
        const long length = 200 + long(player.pick(5000));
        for (long n = 0; n < length && !session.game().ended(); ++n, ++played) {
            history.push_back(player.next(session.nowMs()));
            // After the victory most presses that would end the game are held back, so
            // that the victory screen gets its share of keys and ticks.
            const int16 key = history.back().key;
            if (phaseOf(session.game()) == Victory &&
                (key == Key::Space || key == Key::Enter || key == Key::Esc) && player.chance(95))
                history.back().key = Key::Other;
            session.play(history.back());
            ++perPhase[phaseOf(session.game())];
            const auto broken = session.takeViolations();
            if (broken.empty()) continue;
            std::string replay;
            for (const ReplayEvent& e : history)
                replay += formatEvent(e) + '\n';
            FAIL() << "episode " << episode << ": " << broken.front() << "\nreplay:\n" << replay;
        }
    }
    // The random player must get at least wherever the recorded games go.
    const long floor = std::min(1000L, eventCount() / 100);
    EXPECT_GE(perPhase[Title], floor);
    for (int phase = NameEntry; phase < PhaseCount; ++phase)
        if (recorded[phase]) {
            EXPECT_GE(perPhase[phase], floor) << "screen " << phase;
        }
    std::printf("events: title %ld, name entry %ld, play %ld, victory %ld\n", perPhase[Title],
                perPhase[NameEntry], perPhase[Play], perPhase[Victory]);
}
