// Rules that hold after every key press and every timer tick of any run, whatever
// the player does; the fuzzer, the soak test and the replays check them throughout.
#pragma once
#include "game/FrmIntro.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

class InvariantMonitor {
  public:
    // Watches every tick of the game's timers from now on; the game must outlive the monitor.
    explicit InvariantMonitor(FrmIntro& game);
    InvariantMonitor(const InvariantMonitor&) = delete;
    InvariantMonitor& operator=(const InvariantMonitor&) = delete;

    // Hands the game one event, as the window would, and checks the rules after it.
    void key(int16 keyCode);
    void closeWindow();
    void advance(Micros dt);

    // Every rule broken since the last call, each once per call, in words.
    std::vector<std::string> takeViolations();

  private:
    void afterTick(std::string_view timer);
    void check();
    void report(std::string what);

    FrmIntro& game_;
    int16 mode_ = 0;
    std::array<int16, 12> flags_{};
    bool ended_ = false;
    std::string event_; // the event being checked, for the reports
    std::vector<std::string> violations_;
};
