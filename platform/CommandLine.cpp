#include "CommandLine.h"

#ifndef EPEE_VERSION
#define EPEE_VERSION "0.0.0"
#endif

namespace {
std::optional<double> parseScale(const std::string& text) {
    if (text == "1") return 1.0;
    if (text == "1.5") return 1.5;
    if (text == "2") return 2.0;
    if (text == "3") return 3.0;
    return std::nullopt;
}

CommandLine only(CommandLine::Action action, std::string problem = {}) {
    CommandLine line;
    line.action = action;
    line.problem = std::move(problem);
    return line;
}

CommandLine misuse(std::string problem) {
    return only(CommandLine::Action::Misuse, std::move(problem));
}
} // namespace

CommandLine parseCommandLine(const std::vector<std::string>& arguments) {
    CommandLine line;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "--help" || argument == "-h") return only(CommandLine::Action::Help);
        if (argument == "--version") return only(CommandLine::Action::Version);
        if (argument == "--parole") {
            line.speech = true;
        } else if (argument == "--fullscreen" || argument == "--window") {
            line.fullscreen = argument == "--fullscreen";
        } else if (argument == "--scale" || argument.starts_with("--scale=")) {
            std::string value;
            if (argument != "--scale")
                value = argument.substr(8);
            else if (i + 1 < arguments.size())
                value = arguments[++i];
            else
                return misuse("--scale needs a value");
            line.scale = parseScale(value);
            if (!line.scale) return misuse("--scale takes 1, 1.5, 2 or 3, not '" + value + "'");
        } else {
            return misuse("unknown option '" + argument + "'");
        }
    }
    return line;
}

std::string usage() {
    return "Usage: epee [OPTION]...\n"
           "L'Épée légendaire, a small adventure game in French.\n"
           "\n"
           "  --fullscreen   start fullscreen\n"
           "  --window       start in a window\n"
           "  --scale S      start with a window S times the play area: 1, 1.5, 2 or 3\n"
           "  --parole       read every text aloud and describe the hero's surroundings\n"
           "  --help         show this help and quit\n"
           "  --version      show the version and quit\n"
           "\n"
           "Without options the game opens as it was last left: fullscreen or in a\n"
           "window of the same size, speaking if it spoke.\n";
}

std::string versionLine() {
    return std::string("epee ") + EPEE_VERSION + "\n";
}
