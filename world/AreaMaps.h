// The row texts of the four areas, joined into one map string for the flags as they
// stand. Each area's rows live in their own file, one row a line.
#pragma once
#include "shell/GameState.h"

#include <string>

std::string forestRows(const GameState& s);
std::string corridorRows(const GameState& s);
std::string caveRows(const GameState& s);
std::string roomRows(const GameState& s);
