// A player who listens: plays a recorded game with the window's voice (off, as a player
// who never turned it on) looking after every key press and every timer tick, and keeps
// what it said as the speech log writes it.
#pragma once
#include "platform/Voice.h"
#include "proof/Replay.h"

#include <array>
#include <cstdint>
#include <optional>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

// One line of the speech log.
struct Heard {
    Micros at;
    bool interrupt;
    std::string text;
};

// The log's lines read back.
inline std::vector<Heard> readSpeechLog(const std::string& log) {
    std::vector<Heard> heard;
    std::istringstream in(log);
    std::string line;
    while (std::getline(in, line)) {
        const auto space = line.find(' ');
        heard.push_back(
            {std::stoll(line.substr(0, space)), line[space + 1] == '!', line.substr(space + 3)});
    }
    return heard;
}

// What F1 says: the area and the four tiles around, up, down, left and right.
struct Description {
    std::string area;
    std::array<std::string, 4> around;
};

inline std::optional<Description> readDescription(const std::string& text) {
    static const std::regex form(
        R"(^(.*)\. En haut : (.*)\. En bas : (.*)\. À gauche : (.*)\. À droite : (.*)\.$)");
    std::smatch m;
    if (!std::regex_match(text, m, form)) return std::nullopt;
    return Description{m[1], {m[2], m[3], m[4], m[5]}};
}

class Listener {
  public:
    // The watcher, if any, sees the game after each look, as the test's own eyes.
    explicit Listener(std::function<void(const FrmIntro&)> watch = {})
        : watch_(std::move(watch)),
          voice_(false,
                 std::make_unique<SpeechLog>([this](const std::string& line) { written_ += line; },
                                             [this] { return session_.game().timers.now(); })) {
        aroundEachTick(session_.game(),
                       [this](std::string_view, const std::function<void()>& tick) {
                           tick();
                           look();
                       });
    }

    void play(const ReplayEvent& event) {
        session_.play(event);
        look();
    }
    void play(const std::vector<ReplayEvent>& events) {
        for (const ReplayEvent& e : events)
            play(e);
    }
    void press(int16 key) { play({session_.nowMs(), ReplayEvent::Kind::Key, key}); }
    void waitMs(std::int64_t ms) { play({session_.nowMs() + ms, ReplayEvent::Kind::Wait, 0}); }
    void describe() { voice_.describeSurroundings(game()); }

    const FrmIntro& game() const { return session_.game(); }
    ReplaySession& session() { return session_; }
    // The whole log so far, and what came since the last call.
    const std::string& log() const { return written_; }
    std::vector<Heard> heard() const { return readSpeechLog(written_); }
    std::vector<Heard> news() {
        std::vector<Heard> all = heard();
        std::vector<Heard> fresh(all.begin() + static_cast<std::ptrdiff_t>(seen_), all.end());
        seen_ = all.size();
        return fresh;
    }

  private:
    void look() {
        voice_.look(game());
        if (watch_) watch_(game());
    }

    ReplaySession session_;
    std::function<void(const FrmIntro&)> watch_;
    std::string written_;
    Voice voice_;
    std::size_t seen_ = 0;
};
