// libFuzzer target: every input is a stream of key presses, lapses of time and window
// closes played on the game from its start; any broken rule of the game is a crash.
#include "proof/Replay.h"

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<ReplayEvent> events = eventsFromBytes(data, size);
    ReplaySession session(false);
    for (const ReplayEvent& event : events) {
        session.play(event);
        const std::vector<std::string> broken = session.takeViolations();
        if (broken.empty()) continue;
        // The replay that shows the fault, ready for epee_replay --trace.
        for (const ReplayEvent& e : events) {
            std::printf("%s\n", formatEvent(e).c_str());
            if (&e == &event) break;
        }
        for (const std::string& rule : broken)
            std::fprintf(stderr, "broken: %s\n", rule.c_str());
        std::abort();
    }
    return 0;
}
