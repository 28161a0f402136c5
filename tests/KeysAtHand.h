// For tests that play through the player's keys: the bindings a [touches] section makes
// (it must read without a warning), and the recorded games to play through them.
#pragma once
#include "Recorded.h"
#include "platform/KeyBindings.h"

#include <gtest/gtest.h>

#include <string>

inline KeyBindings boundBy(const std::string& section) {
    const ReadBindings read = readBindings(parseSettings("[touches]\n" + section).touches);
    EXPECT_EQ(read.warnings, std::vector<std::string>{}) << section;
    return read.bindings;
}
