// For tests that play through the player's keys: the bindings a [touches] section makes
// (it must read without a warning) and the recorded quest, to play through them.
#pragma once
#include "platform/KeyBindings.h"
#include "proof/Replay.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>

inline KeyBindings boundBy(const std::string& section) {
    const ReadBindings read = readBindings(parseSettings("[touches]\n" + section).touches);
    EXPECT_EQ(read.warnings, std::vector<std::string>{}) << section;
    return read.bindings;
}

inline std::vector<ReplayEvent> recordedQuest() {
    std::ifstream in(std::string(EPEE_SOURCE_DIR) + "/tests/replays/quest.replay");
    return parseReplay(in);
}

inline std::string recordedDigest(const char* game) {
    std::string digest;
    std::ifstream(std::string(EPEE_SOURCE_DIR) + "/tests/replays/" + game + ".digest") >> digest;
    return digest;
}
