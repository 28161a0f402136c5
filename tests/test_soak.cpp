// A million random events (keys weighted toward the arrows and space, random lapses of
// time) with every rule of the game checked after each key and tick. Episodes start from
// the title or from any point of the recorded games, so that every screen from the title
// to the victory gets its share. EPEE_SOAK_EVENTS sets another count.
#include "Recorded.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <random>

namespace {
enum Phase { Title, NameEntry, Play, Victory, PhaseCount };

Phase phaseOf(const FrmIntro& g) {
    return g.intMode < Mode::Game             ? Phase(g.intMode)
           : g.varAction == Action::FindSword ? Victory
                                              : Play;
}
} // namespace

TEST(Soak, MillionRandomEventsKeepEveryRuleOnEveryScreen) {
    const char* count = std::getenv("EPEE_SOAK_EVENTS");
    const long events = count ? std::atol(count) : 1'000'000;
    std::vector<std::vector<ReplayEvent>> games;
    for (const std::string& name : recordedNames())
        games.push_back(recordedGame(name));
    std::mt19937 random(20261206);
    auto pick = [&](std::size_t n) {
        return std::uniform_int_distribution<std::size_t>(0, n - 1)(random);
    };
    auto chance = [&](int percent) { return int(pick(100)) < percent; };
    // Mostly key-repeat speed, sometimes a pause, now and then a long wait.
    auto lapseMs = [&] {
        if (chance(70)) return std::int64_t(pick(41));
        return chance(85) ? 40 + std::int64_t(pick(261)) : 300 + std::int64_t(pick(1701));
    };
    // Weighted: eight of each arrow and of space, fewer of the rest.
    std::vector<int16> keys;
    for (int16 key : {Key::Left, Key::Up, Key::Right, Key::Down, Key::Space})
        keys.insert(keys.end(), 8, key);
    keys.insert(keys.end(), {Key::Enter, Key::Enter, Key::M, Key::M, Key::R, Key::V, Key::B,
                             Key::Esc, Key::Other, Key::Left});
    std::array<long, PhaseCount> perPhase{};
    std::array<bool, PhaseCount> recorded{true}; // the title and the screens recorded games reach
    for (long episode = 0, played = 0; played < events; ++episode) {
        ReplaySession session(false);
        std::vector<ReplayEvent> history;
        // Three episodes in four start from a point of a recorded game.
        if (!games.empty() && chance(75)) {
            const auto& game = games[pick(games.size())];
            history.assign(game.begin(), game.begin() + std::ptrdiff_t(pick(game.size() + 1)));
        }
        for (const ReplayEvent& event : history) {
            session.play(event);
            recorded[phaseOf(session.game())] = true;
        }
        // Ends an ended recording at once.
        const long length = 200 + long(pick(5000));
        for (long n = 0; n < length && !session.game().ended(); ++n, ++played) {
            ReplayEvent& event =
                history.emplace_back(session.nowMs() + lapseMs(), ReplayEvent::Kind::Key, 0);
            if (chance(10))
                event.kind = ReplayEvent::Kind::Wait;
            else
                event.key = keys[pick(keys.size())];
            // After the victory most presses that would end the game are held back, so
            // that the victory screen gets its share of keys and ticks.
            if (phaseOf(session.game()) == Victory &&
                (event.key == Key::Space || event.key == Key::Enter || event.key == Key::Esc) &&
                chance(95))
                event.key = Key::Other;
            session.play(event);
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
    const long floor = std::min(1000L, events / 100);
    for (int phase = Title; phase < PhaseCount; ++phase)
        if (recorded[phase]) {
            EXPECT_GE(perPhase[phase], floor) << "screen " << phase;
        }
}
