#include "Replay.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <istream>
#include <sstream>

namespace {
constexpr std::array<std::pair<std::string_view, int16>, 12> kKeyNames{{{"Enter", Key::Enter},
                                                                        {"Esc", Key::Esc},
                                                                        {"Space", Key::Space},
                                                                        {"Left", Key::Left},
                                                                        {"Up", Key::Up},
                                                                        {"Right", Key::Right},
                                                                        {"Down", Key::Down},
                                                                        {"B", Key::B},
                                                                        {"M", Key::M},
                                                                        {"R", Key::R},
                                                                        {"V", Key::V},
                                                                        {"Other", Key::Other}}};

// Byte meanings: below 0xC0 a key (byte % 16 into kByteKeys), up to 0xFD a lapse,
// 0xFE the key Other, 0xFF the window closing.
constexpr std::array<int16, 16> kByteKeys{
    Key::Left,  Key::Up,    Key::Right, Key::Down, Key::Left, Key::Up, Key::Right, Key::Down,
    Key::Space, Key::Space, Key::Enter, Key::Esc,  Key::M,    Key::R,  Key::V,     Key::B};
constexpr std::uint8_t kFirstLapse = 0xC0, kLastLapse = 0xFD, kOtherKey = 0xFE, kClose = 0xFF;
constexpr int kLapseMs = 4;

template <class T> bool parseNumber(std::string_view text, T& out) {
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), out);
    return error == std::errc{} && end == text.data() + text.size();
}

ReplayEvent parseEvent(const std::string& line, std::int64_t previousMs, int lineNumber) {
    std::istringstream words(line);
    std::string time, what, extra;
    words >> time >> what >> extra;
    auto fail = [&](const std::string& why) {
        return ReplayError("line " + std::to_string(lineNumber) + ": " + why + ": " + line);
    };
    ReplayEvent event;
    if (!parseNumber(time, event.ms) || event.ms < 0) throw fail("no moment in milliseconds");
    if (event.ms < previousMs) throw fail("moment earlier than the one before");
    if (what.empty() || !extra.empty()) throw fail("expected one event after the moment");
    if (what == "close") {
        event.kind = ReplayEvent::Kind::Close;
    } else if (what == "wait") {
        event.kind = ReplayEvent::Kind::Wait;
    } else if (auto code = keyCode(what)) {
        event.kind = ReplayEvent::Kind::Key;
        event.key = *code;
    } else if (int number = 0; parseNumber(what, number) && number >= 0 && number <= 0x7fff) {
        event.kind = ReplayEvent::Kind::Key;
        event.key = int16(number);
    } else {
        throw fail("unknown event '" + what + "'");
    }
    return event;
}
} // namespace

std::optional<int16> keyCode(std::string_view name) {
    for (const auto& [keyName, code] : kKeyNames)
        if (keyName == name) return code;
    return std::nullopt;
}

std::vector<ReplayEvent> parseReplay(std::istream& in) {
    std::vector<ReplayEvent> events;
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        line.erase(std::min(line.find('#'), line.size()));
        if (line.find_first_not_of(" \t\r") == std::string::npos) continue;
        events.push_back(parseEvent(line, events.empty() ? 0 : events.back().ms, number));
    }
    return events;
}

std::string formatEvent(const ReplayEvent& event) {
    std::string line = std::to_string(event.ms) + ' ';
    switch (event.kind) {
    case ReplayEvent::Kind::Close:
        return line + "close";
    case ReplayEvent::Kind::Wait:
        return line + "wait";
    case ReplayEvent::Kind::Key:
        break;
    }
    for (const auto& [name, code] : kKeyNames)
        if (code == event.key) return line + std::string(name);
    return line + std::to_string(event.key);
}

ReplaySession::ReplaySession(bool digest)
    : game_(std::make_unique<FrmIntro>()), monitor_(*game_), digestEachEvent_(digest) {
    game_->Form_Load();
}

void ReplaySession::play(const ReplayEvent& event) {
    monitor_.advance(std::max<Micros>(0, event.ms * 1000 - game_->timers.now()));
    switch (event.kind) {
    case ReplayEvent::Kind::Key:
        monitor_.key(event.key);
        break;
    case ReplayEvent::Kind::Close:
        monitor_.closeWindow();
        break;
    case ReplayEvent::Kind::Wait:
        break;
    }
    if (digestEachEvent_) digest_.add(*game_);
}

std::vector<ReplayEvent> eventsFromBytes(const std::uint8_t* data, std::size_t size) {
    std::vector<ReplayEvent> events;
    std::int64_t ms = 0;
    for (const std::uint8_t* b = data; b != data + size; ++b) {
        if (*b >= kFirstLapse && *b <= kLastLapse) {
            ms += (*b - kFirstLapse + 1) * kLapseMs;
            continue;
        }
        if (*b == kClose)
            events.push_back({ms, ReplayEvent::Kind::Close, 0});
        else
            events.push_back(
                {ms, ReplayEvent::Kind::Key, *b == kOtherKey ? Key::Other : kByteKeys[*b % 16]});
    }
    return events;
}

std::string bytesFromEvents(const std::vector<ReplayEvent>& events) {
    std::string bytes;
    std::int64_t ms = 0;
    for (const ReplayEvent& event : events) {
        // Rounded to the lapse unit, from the moment the bytes have reached so far.
        for (std::int64_t lapses = (event.ms - ms + kLapseMs / 2) / kLapseMs; lapses > 0;) {
            const std::int64_t n = std::min<std::int64_t>(lapses, kLastLapse - kFirstLapse + 1);
            bytes += char(kFirstLapse + n - 1);
            lapses -= n;
            ms += n * kLapseMs;
        }
        if (event.kind == ReplayEvent::Kind::Close) {
            bytes += char(kClose);
        } else if (event.kind == ReplayEvent::Kind::Key) {
            auto found = std::find(kByteKeys.begin(), kByteKeys.end(), event.key);
            bytes += found == kByteKeys.end() ? char(kOtherKey) : char(found - kByteKeys.begin());
        }
    }
    return bytes;
}
