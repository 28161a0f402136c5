// The recorded games, for tests that play them: their events and the digests recorded
// beside them.
#pragma once
#include "proof/Replay.h"

#include <string>
#include <vector>

// The names of the recorded games, as their files are named.
std::vector<std::string> recordedNames();
std::vector<ReplayEvent> recordedGame(const std::string& name);
// The recorded quest's events up to the moment `ms`.
std::vector<ReplayEvent> questUpTo(std::int64_t ms);
std::string recordedDigest(const std::string& name);
