// The player's remembered window: whether it was fullscreen, its size and whether the game
// spoke, kept between runs in a small settings file. Nothing about the game itself is ever
// saved.
#pragma once
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

struct Settings {
    std::optional<bool> fullscreen;
    std::optional<int> width;
    std::optional<int> height;
    std::optional<bool> parole; // speech on
};

// What a settings file says, value by value: a value that cannot be understood or makes
// no sense is left unset and named in `problems` ("" when all was well).
struct ReadSettings {
    Settings settings;
    std::string problems;
};

ReadSettings parseSettings(std::string_view text);
std::string formatSettings(const Settings& settings);

// $XDG_CONFIG_HOME/epee-legendaire/settings.ini, or under ~/.config; empty when the
// system gives no place for it.
std::filesystem::path settingsPath();

// Reads the file; a missing file is no problem, an unreadable one is.
ReadSettings loadSettings(const std::filesystem::path& path);

// Writes the file whole or not at all: a crash or a full disk leaves the previous file.
// Returns what went wrong, or "" when it was written.
std::string saveSettings(const std::filesystem::path& path, const Settings& settings);
