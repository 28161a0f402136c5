// L'Épée légendaire: reads the command line, the remembered window and the player's keys,
// opens the game window and plays until the game ends.
#include "CommandLine.h"
#include "DesktopLoop.h"
#include "FailureMessage.h"
#include "KeyBindings.h"
#include "ScreenReader.h"
#include "Settings.h"

#include <exception>
#include <iostream>

namespace {
struct Remembered {
    ReadSettings read;
    KeyBindings keys;
};

// The settings file; what cannot be used is said, in one line for the window and one for
// each refused key, and left to the defaults.
Remembered remembered(const std::filesystem::path& path) {
    ReadSettings read = loadSettings(path);
    if (!read.problems.empty())
        std::cerr << "epee: " << path.string() << ": ignored " << read.problems << '\n';
    ReadBindings keys = readBindings(read.touches);
    for (const std::string& warning : keys.warnings)
        std::cerr << "epee: " << path.string() << ": " << warning << '\n';
    return {std::move(read), std::move(keys.bindings)};
}

int play(const CommandLine& line) {
    const std::filesystem::path path = settingsPath();
    const Remembered before = remembered(path);
    Game game = newGame(0);
    const Settings& kept = before.read.settings;
    const bool speech = line.speech || kept.parole.value_or(screenReaderRuns());
    GameWindow window({line.scale, line.fullscreen, kept, before.keys, speech});
    const int status = playOnDesktop(window, *game);
    // A file that could not be read whole is left as it is rather than written over.
    if (!path.empty() && before.read.text) {
        const std::string problem = saveSettings(path, window.settings(), *before.read.text);
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
    case CommandLine::Action::Keys:
        std::cout << remembered(settingsPath()).keys.format();
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
