// Linux: the desktop's screen reader (Orca) running in the player's session. Its setting
// lives in the desktop's binary configuration database; a look at the running programs
// costs a millisecond and says the same. Windows says it itself.
#include "ScreenReader.h"

#if defined(_WIN32)
#include <windows.h>

bool screenReaderRuns() {
    BOOL running = FALSE;
    return SystemParametersInfoW(SPI_GETSCREENREADER, 0, &running, 0) && running;
}
#elif defined(__linux__)
#include <filesystem>
#include <fstream>
#include <string>

bool screenReaderRuns() {
    std::error_code error;
    for (const auto& process : std::filesystem::directory_iterator("/proc", error)) {
        const std::string name = process.path().filename().string();
        if (name.empty() || name.find_first_not_of("0123456789") != std::string::npos) continue;
        std::string command;
        std::getline(std::ifstream(process.path() / "comm"), command);
        if (command == "orca") return true;
    }
    return false;
}
#else
bool screenReaderRuns() {
    return false;
}
#endif
