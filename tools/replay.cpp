// epee_replay: plays recorded games on the virtual clock and prints their digests.
//   epee_replay FILE...            digest of each replay
//   epee_replay --trace FILE       every event with the state it leads to
//   epee_replay --update FILE...   writes each digest beside its replay (FILE.digest)
//   epee_replay --seeds DIR FILE...  also writes each replay as fuzzer bytes into DIR
//   epee_replay --timing FILE...  how long each handler takes: calls, mean, slowest
// Exits 1 when a replay cannot be read or breaks a rule of the game.
#include "proof/Replay.h"
#include "game/CorePort.h"
#include "proof/GameRecord.h"
#include "shell/WindowTimers.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <string_view>

namespace {
void printState(const FrmIntro& g) {
    std::cout << "  mode " << g.intMode << " lieu " << g.intLieu << " cell " << g.intLigne << ','
              << g.intColonne << " offset " << g.intMapOffset << " etat " << g.intEtat << " pas "
              << g.varPas << " flags ";
    forEachQuestFlag(g, [](std::string_view, int16 v) { std::cout << v; });
    std::cout << " timers";
    for (const auto& [name, timer] : namedTimers(g))
        if (timer->enabled()) std::cout << ' ' << name;
    if (g.ended()) std::cout << " ENDED";
    std::cout << '\n';
}

// Plays one file; returns whether it was read and kept every rule.
struct Options {
    bool trace = false, update = false, timing = false;
    std::filesystem::path seeds;
};

bool play(const std::filesystem::path& file, const Options& options) {
    std::ifstream in(file);
    if (!in) {
        std::cerr << file.string() << ": cannot read\n";
        return false;
    }
    ReplaySession session;
    bool sound = true;
    const bool trace = options.trace;
    try {
        const std::vector<ReplayEvent> events = parseReplay(in);
        if (!options.seeds.empty())
            std::ofstream(options.seeds / file.stem(), std::ios::binary) << bytesFromEvents(events);
        for (const ReplayEvent& event : events) {
            session.play(event);
            if (trace) std::cout << formatEvent(event) << "  " << session.digest() << '\n';
            if (trace) printState(session.game());
            for (const std::string& v : session.takeViolations()) {
                std::cerr << file.string() << ": " << formatEvent(event) << ": " << v << '\n';
                sound = false;
            }
        }
    } catch (const ReplayError& e) {
        std::cerr << file.string() << ": " << e.what() << '\n';
        return false;
    }
    std::cout << session.digest() << "  " << file.string() << '\n';
    if (options.update)
        std::ofstream(std::filesystem::path(file).replace_extension(".digest"))
            << session.digest() << '\n';
    return sound;
}
template <class F> double microseconds(F&& f) {
    const auto start = std::chrono::steady_clock::now();
    f();
    return std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start)
        .count();
}

// Every handler call of the replays in the order played, each with how long it took.
using Calls = std::map<std::string, std::vector<double>>;

Calls timeOnce(const std::vector<std::filesystem::path>& files) {
    Calls calls;
    for (const auto& file : files) {
        std::ifstream in(file);
        FrmIntro game;
        game.Form_Load();
        aroundEachTick(game, [&](std::string_view timer, const std::function<void()>& tick) {
            calls[std::string(timer)].push_back(microseconds(tick));
        });
        for (const ReplayEvent& event : parseReplay(in)) {
            game.timers.advance(std::max<Micros>(0, event.ms * 1000 - game.timers.now()));
            if (event.kind != ReplayEvent::Kind::Key) continue;
            const std::string name = "key " +
                                     formatEvent(event).substr(formatEvent(event).find(' ') + 1) +
                                     " (mode " + std::to_string(game.intMode) + ")";
            calls[name].push_back(microseconds([&] { game.Form_KeyDown(event.key); }));
        }
    }
    return calls;
}

// The time that this share of the calls stays within.
double within(std::vector<double> us, double share) {
    std::sort(us.begin(), us.end());
    return us[std::min(us.size() - 1, std::size_t(share * double(us.size())))];
}

// Times every tick and key handler of the replays, on the game alone (no rule checks).
// The games are played several times and each call keeps its best time: what is left is
// the handler's own cost, without the moments the system took the processor away. The
// first play's slowest call is printed too: code run for the first time in the process
// waits for the system to map it in.
bool timeHandlers(const std::vector<std::filesystem::path>& files) {
    constexpr int kPlays = 5;
    const Calls first = timeOnce(files);
    Calls best = first;
    for (int play = 1; play < kPlays; ++play) {
        const Calls again = timeOnce(files);
        for (auto& [name, us] : best)
            for (std::size_t i = 0; i < us.size(); ++i)
                us[i] = std::min(us[i], again.at(name)[i]);
    }
    std::printf("%-26s %8s %9s %9s %11s %11s\n", "handler", "calls", "mean us", "99% us",
                "slowest us", "first play");
    for (const auto& [name, us] : best) {
        double total = 0;
        for (double u : us)
            total += u;
        std::printf("%-26s %8zu %9.3f %9.3f %11.3f %11.3f\n", name.c_str(), us.size(),
                    total / double(us.size()), within(us, 0.99), within(us, 1.0),
                    within(first.at(name), 1.0));
    }
    return true;
}
} // namespace

int main(int argc, char** argv) {
    Options options;
    std::vector<std::filesystem::path> timed;
    bool ok = true;
    int files = 0;
    for (int i = 1; i < argc; ++i) {
        std::string_view arg = argv[i];
        if (arg == "--trace") {
            options.trace = true;
        } else if (arg == "--update") {
            options.update = true;
        } else if (arg == "--timing") {
            options.timing = true;
        } else if (arg == "--seeds" && i + 1 < argc) {
            options.seeds = argv[++i];
            std::filesystem::create_directories(options.seeds);
        } else if (options.timing) {
            timed.push_back(argv[i]);
            ++files;
        } else {
            ok = play(argv[i], options) && ok;
            ++files;
        }
    }
    if (!timed.empty()) ok = timeHandlers(timed);
    if (files == 0) {
        std::cerr
            << "usage: epee_replay [--trace] [--update] [--seeds DIR] [--timing] FILE.replay...\n";
        return 2;
    }
    return ok ? 0 : 1;
}
