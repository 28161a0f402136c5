// L'Épée légendaire: reads the command line and the remembered window, opens the game
// window and plays until the game ends.
#include "CommandLine.h"
#include "DesktopLoop.h"
#include "FailureMessage.h"
#include "ScreenReader.h"
#include "Settings.h"

#include <exception>
#include <iostream>

namespace {
// The remembered window; what cannot be used is said once and left to the defaults.
Settings rememberedWindow(const std::filesystem::path& path) {
    ReadSettings read = loadSettings(path);
    if (!read.problems.empty())
        std::cerr << "epee: " << path.string() << ": ignored " << read.problems << '\n';
    return read.settings;
}

int play(const CommandLine& line) {
    const std::filesystem::path path = settingsPath();
    Game game = newGame(0);
    const Settings remembered = rememberedWindow(path);
    const bool speech = line.speech || remembered.parole.value_or(screenReaderRuns());
    GameWindow window({line.scale, line.fullscreen, remembered, speech});
    const int status = playOnDesktop(window, *game);
    if (!path.empty()) {
        const std::string problem = saveSettings(path, window.settings());
        if (!problem.empty())
            std::cerr << "epee: the window is not remembered: " << problem << '\n';
    }
    return status;
}
} // namespace

int main(int argc, char** argv) {
    const CommandLine line = parseCommandLine({argv + 1, argv + argc});
    switch (line.action) {
    case CommandLine::Action::Help:
        std::cout << usage();
        return 0;
    case CommandLine::Action::Version:
        std::cout << versionLine();
        return 0;
    case CommandLine::Action::Misuse:
        std::cerr << "epee: " << line.problem << '\n' << usage();
        return 2;
    case CommandLine::Action::Play:
        break;
    }
    try {
        return play(line);
    } catch (const std::exception& e) {
        showFailure(e.what());
        return 1;
    }
}
