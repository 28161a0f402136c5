// The game's command line: what the player asked for before the window opens.
#pragma once
#include <optional>
#include <string>
#include <vector>

struct CommandLine {
    enum class Action { Play, Help, Version, Misuse };
    Action action = Action::Play;
    std::optional<bool> fullscreen;
    std::optional<double> scale;
    bool speech = false;
    std::string problem; // with Misuse: what was wrong
};

CommandLine parseCommandLine(const std::vector<std::string>& arguments);
std::string usage();
std::string versionLine();
