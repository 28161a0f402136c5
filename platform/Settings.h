// The player's remembered window (whether it was fullscreen and its size), whether the game
// spoke, and the keys chosen, kept between runs in a small settings file. Nothing about the
// game itself is ever saved.
#pragma once
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// One "name = value" line of the [touches] section, as written (the name in lower case).
struct SettingLine {
    std::string name;
    std::string value;
    friend bool operator==(const SettingLine&, const SettingLine&) = default;
};

struct Settings {
    std::optional<bool> fullscreen;
    std::optional<int> width;
    std::optional<int> height;
    std::optional<bool> parole = std::nullopt; // speech on
};

// What a settings file says, value by value: a value that cannot be understood or makes
// no sense is left unset and named in `problems` ("" when all was well).
struct ReadSettings {
    Settings settings;
    std::string problems;
    // The file as it was read, whose lines a save keeps; unset when it could not be read
    // whole, and then it is never written over.
    std::optional<std::string> text = std::string();
    // The player's keys, judged by the key bindings (KeyBindings.h); never written back.
    std::vector<SettingLine> touches;
};

ReadSettings parseSettings(std::string_view text);
std::string formatSettings(const Settings& settings);
// The window's lines of `fresh` followed by every line of `previous` they do not replace:
// comments, the keys and whatever else the player wrote are kept as they were.
std::string keepOtherLines(const std::string& fresh, std::string_view previous);

// $XDG_CONFIG_HOME/epee-legendaire/settings.ini, or under ~/.config; empty when the
// system gives no place for it.
std::filesystem::path settingsPath();

// Reads the file; a missing file is no problem, an unreadable one is.
ReadSettings loadSettings(const std::filesystem::path& path);

// Writes the file whole or not at all: a crash or a full disk leaves the previous file.
// The lines of `previous` the window's do not replace are kept. Returns what went wrong,
// or "" when it was written.
std::string saveSettings(const std::filesystem::path& path, const Settings& settings,
                         std::string_view previous = {});
