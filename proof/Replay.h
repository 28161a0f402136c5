// Recorded games: a plain-text list of key presses and window closes at given
// moments, played on the virtual clock, with a digest of what the run went through.
//
// One event a line: milliseconds since start, then a key name (Space, Enter, Esc,
// Left, Up, Right, Down, B, M, R, V, Other, or a decimal key code), "close" for the
// window being closed, or "wait" to let the time pass. Moments never go back.
// "#" starts a comment.
#pragma once
#include "Digest.h"
#include "Invariants.h"
#include "game/FrmIntro.h"

#include <iosfwd>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

struct ReplayEvent {
    enum class Kind : std::uint8_t { Key, Close, Wait };
    std::int64_t ms = 0;
    Kind kind = Kind::Wait;
    int16 key = 0;
    friend bool operator==(const ReplayEvent&, const ReplayEvent&) = default;
};

struct ReplayError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Throws ReplayError naming the line of the first malformed event.
std::vector<ReplayEvent> parseReplay(std::istream& in);
// The line that parses back to this event.
std::string formatEvent(const ReplayEvent& event);
// The code of a key name ("Space", "Left", ...), if it is one.
std::optional<int16> keyCode(std::string_view name);

// The events as bytes, one byte an event, for the fuzzer: a key from a table that favours
// the arrows and space, a lapse of 4 to 248 ms, or the window closing. Lapses are kept to
// multiples of 4 ms.
std::vector<ReplayEvent> eventsFromBytes(const std::uint8_t* data, std::size_t size);
std::string bytesFromEvents(const std::vector<ReplayEvent>& events);

// A game from Form_Load on, fed events in order, with every rule checked and, unless
// told otherwise, a digest of the state after each event.
class ReplaySession {
  public:
    explicit ReplaySession(bool digest = true);

    // Lets the clock run to the event's moment, then applies it.
    void play(const ReplayEvent& event);

    FrmIntro& game() { return *game_; }
    const FrmIntro& game() const { return *game_; }
    std::int64_t nowMs() const { return game_->timers.now() / 1000; }
    std::string digest() const { return digest_.hex(); }
    std::vector<std::string> takeViolations() { return monitor_.takeViolations(); }

  private:
    std::unique_ptr<FrmIntro> game_;
    InvariantMonitor monitor_;
    Digest digest_;
    bool digestEachEvent_;
};
