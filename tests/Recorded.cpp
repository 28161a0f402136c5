// The recorded games, read from the source tree: only this file is told where it is.
#include "Recorded.h"

#include <filesystem>
#include <fstream>
#include <set>

namespace {
const std::filesystem::path kReplays = std::filesystem::path(EPEE_SOURCE_DIR) / "tests/replays";

std::filesystem::path recordedFile(const std::string& name, const char* extension) {
    return kReplays / (name + extension);
}
} // namespace

std::vector<std::string> recordedNames() {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(kReplays))
        if (entry.path().extension() == ".replay") names.insert(entry.path().stem().string());
    return {names.begin(), names.end()};
}

std::vector<ReplayEvent> recordedGame(const std::string& name) {
    std::ifstream in(recordedFile(name, ".replay"));
    return parseReplay(in);
}

std::vector<ReplayEvent> questUpTo(std::int64_t ms) {
    std::vector<ReplayEvent> events = recordedGame("quest");
    std::erase_if(events, [&](const ReplayEvent& e) { return e.ms > ms; });
    return events;
}

std::string recordedDigest(const std::string& name) {
    std::string digest;
    std::ifstream(recordedFile(name, ".digest")) >> digest;
    return digest;
}
