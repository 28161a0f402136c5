// The recorded games, read from the source tree: only this file is told where it is.
#include "Recorded.h"

#include <fstream>

namespace {
std::string recordedFile(const std::string& name, const char* extension) {
    return std::string(EPEE_SOURCE_DIR) + "/tests/replays/" + name + extension;
}
} // namespace

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
