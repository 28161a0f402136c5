#include "Settings.h"

#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <system_error>
#ifdef _WIN32
#include <io.h>
#include <process.h>
#else
#include <unistd.h>
#endif

namespace {
// Windows paths are wide: a user's folder may hold any letter.
std::FILE* createFile(const std::filesystem::path& path) {
#ifdef _WIN32
    return _wfopen(path.c_str(), L"wb");
#else
    return std::fopen(path.c_str(), "wb");
#endif
}

// Makes sure what was written is on the disk before the file replaces the old one.
bool flushToDisk(std::FILE* file) {
#ifdef _WIN32
    return _commit(_fileno(file)) == 0;
#else
    return fsync(fileno(file)) == 0;
#endif
}

// No screen is this large, and a window smaller than a quarter of the play area
// shows nothing readable.
constexpr int kMinWidth = 187, kMinHeight = 150, kMaxSide = 16384;

std::string_view trim(std::string_view s) {
    const auto first = s.find_first_not_of(" \t\r");
    if (first == std::string_view::npos) return {};
    return s.substr(first, s.find_last_not_of(" \t\r") - first + 1);
}

std::optional<int> parseInt(std::string_view text, int low, int high) {
    int value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    if (value < low || value > high) return std::nullopt;
    return value;
}

std::optional<bool> parseBool(std::string_view text) {
    if (text == "1" || text == "true") return true;
    if (text == "0" || text == "false") return false;
    return std::nullopt;
}

void note(std::string& problems, std::string_view what) {
    if (!problems.empty()) problems += ", ";
    problems += what;
}

// Takes one "key=value" line; anything else is noted as a problem.
void take(std::string_view line, ReadSettings& read) {
    const auto equals = line.find('=');
    if (equals == std::string_view::npos) {
        note(read.problems, "a line without '='");
        return;
    }
    const std::string_view key = trim(line.substr(0, equals));
    const std::string_view value = trim(line.substr(equals + 1));
    Settings& s = read.settings;
    if (key == "fullscreen") {
        s.fullscreen = parseBool(value);
        if (!s.fullscreen) note(read.problems, "fullscreen");
    } else if (key == "parole") {
        s.parole = parseBool(value);
        if (!s.parole) note(read.problems, "parole");
    } else if (key == "width") {
        s.width = parseInt(value, kMinWidth, kMaxSide);
        if (!s.width) note(read.problems, "width");
    } else if (key == "height") {
        s.height = parseInt(value, kMinHeight, kMaxSide);
        if (!s.height) note(read.problems, "height");
    } else {
        note(read.problems, "an unknown setting");
    }
}
} // namespace

ReadSettings parseSettings(std::string_view text) {
    ReadSettings read;
    while (!text.empty()) {
        const auto end = text.find('\n');
        const std::string_view line = trim(text.substr(0, end));
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
        if (line.empty() || line[0] == '#' || line[0] == ';' || line == "[window]") continue;
        take(line, read);
    }
    // A size is only of use whole.
    if (read.settings.width.has_value() != read.settings.height.has_value()) {
        read.settings.width.reset();
        read.settings.height.reset();
        note(read.problems, "a size without both sides");
    }
    return read;
}

std::string formatSettings(const Settings& settings) {
    std::ostringstream out;
    out << "# L'Épée légendaire remembers its window here.\n[window]\n";
    if (settings.fullscreen) out << "fullscreen=" << (*settings.fullscreen ? 1 : 0) << '\n';
    if (settings.width && settings.height)
        out << "width=" << *settings.width << "\nheight=" << *settings.height << '\n';
    if (settings.parole) out << "parole=" << (*settings.parole ? 1 : 0) << '\n';
    return out.str();
}

namespace {
// Where the desktop keeps each program's configuration.
std::filesystem::path configFolder() {
#ifdef _WIN32
    if (const char* appData = std::getenv("APPDATA"); appData && *appData) return appData;
#endif
    if (const char* config = std::getenv("XDG_CONFIG_HOME"); config && *config == '/')
        return config;
    if (const char* home = std::getenv("HOME"); home && *home)
        return std::filesystem::path(home) / ".config";
    return {};
}
} // namespace

std::filesystem::path settingsPath() {
    const std::filesystem::path folder = configFolder();
    return folder.empty() ? folder : folder / "epee-legendaire" / "settings.ini";
}

ReadSettings loadSettings(const std::filesystem::path& path) {
    std::error_code error;
    if (path.empty() || !std::filesystem::exists(path, error)) return {};
    std::ifstream in(path, std::ios::binary);
    // The file is a few lines long; a larger one is not ours.
    constexpr std::size_t kMaxBytes = 4096;
    std::string bytes(kMaxBytes + 1, '\0');
    in.read(bytes.data(), std::streamsize(bytes.size()));
    if (in.bad() || (!in && !in.eof())) return {{}, "the file cannot be read"};
    bytes.resize(std::size_t(in.gcount()));
    if (bytes.size() > kMaxBytes) return {{}, "the file is too large"};
    return parseSettings(bytes);
}

std::string saveSettings(const std::filesystem::path& path, const Settings& settings) {
    std::error_code error;
    std::filesystem::create_directories(path.parent_path(), error);
    if (error) return error.message();
    std::filesystem::path temporary = path;
    temporary += ".tmp" + std::to_string(long(getpid()));
    const std::string text = formatSettings(settings);
    std::FILE* file = createFile(temporary);
    if (!file) return "cannot create " + temporary.string();
    const bool written = std::fwrite(text.data(), 1, text.size(), file) == text.size() &&
                         std::fflush(file) == 0 && flushToDisk(file);
    if (std::fclose(file) != 0 || !written) {
        std::filesystem::remove(temporary, error);
        return "cannot write " + temporary.string();
    }
    std::filesystem::rename(temporary, path, error);
    if (error) {
        std::filesystem::remove(temporary, error);
        return "cannot replace " + path.string();
    }
    return {};
}
