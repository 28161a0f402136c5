// epee_replay: plays recorded games on the virtual clock and prints their digests.
//   epee_replay FILE...            digest of each replay
//   epee_replay --trace FILE       every event with the state it leads to
//   epee_replay --update FILE...   writes each digest beside its replay (FILE.digest)
//   epee_replay --seeds DIR FILE...  also writes each replay as fuzzer bytes into DIR
// Exits 1 when a replay cannot be read or breaks a rule of the game.
#include "shell/Replay.h"
#include "shell/GameRecord.h"

#include <filesystem>
#include <fstream>
#include <iostream>
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
    bool trace = false, update = false;
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
} // namespace

int main(int argc, char** argv) {
    Options options;
    bool ok = true;
    int files = 0;
    for (int i = 1; i < argc; ++i) {
        std::string_view arg = argv[i];
        if (arg == "--trace") {
            options.trace = true;
        } else if (arg == "--update") {
            options.update = true;
        } else if (arg == "--seeds" && i + 1 < argc) {
            options.seeds = argv[++i];
            std::filesystem::create_directories(options.seeds);
        } else {
            ok = play(argv[i], options) && ok;
            ++files;
        }
    }
    if (files == 0) {
        std::cerr << "usage: epee_replay [--trace] [--update] [--seeds DIR] FILE.replay...\n";
        return 2;
    }
    return ok ? 0 : 1;
}
