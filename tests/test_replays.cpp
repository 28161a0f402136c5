// Recorded games of tests/replays: each must still lead to the digest recorded beside it
// and keep every rule of the game on the way; and the replay text format itself.
#include "Recorded.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {
std::vector<ReplayEvent> parse(const std::string& text) {
    std::istringstream in(text);
    return parseReplay(in);
}

// What reading the text complains of; nothing when it reads.
std::string errorOf(const std::string& text) {
    try {
        parse(text);
    } catch (const ReplayError& e) {
        return e.what();
    }
    return {};
}
} // namespace

TEST(Replays, EachRecordedGameReachesItsDigestKeepingEveryRule) {
    for (const std::string& name : recordedNames()) {
        SCOPED_TRACE(name);
        ReplaySession session;
        for (const ReplayEvent& event : recordedGame(name)) {
            session.play(event);
            for (const std::string& rule : session.takeViolations())
                ADD_FAILURE() << formatEvent(event) << ": " << rule;
        }
        EXPECT_EQ(session.digest(), recordedDigest(name))
            << "the game now behaves differently on this replay: explain why, then record the "
               "new digest with epee_replay --update";
    }
    EXPECT_EQ(recordedNames(), (std::vector<std::string>{"doors", "mashing", "quest"}));
}

TEST(Replays, TextFormatReadsEventsAndRejectsMalformedLines) {
    auto events = parse("# the title\n 1200 Space  # leave it\n\n1500 Right\n1500 39\n2000 wait\n"
                        "9000 close\r\n");
    ASSERT_EQ(events.size(), 5u);
    EXPECT_EQ(events[0], (ReplayEvent{1200, ReplayEvent::Kind::Key, Key::Space}));
    EXPECT_EQ(events[2], events[1]);
    EXPECT_EQ(events[3].kind, ReplayEvent::Kind::Wait);
    EXPECT_EQ(events[4], (ReplayEvent{9000, ReplayEvent::Kind::Close, 0}));
    for (const ReplayEvent& e : events)
        EXPECT_EQ(parse(formatEvent(e)), std::vector{e});

    for (const char* bad : {"Space", "100", "-5 Space", "100 Jump", "100 Space Space",
                            "200 Space\n100 Space", "1e3 Space", "100 99999"})
        EXPECT_THROW(parse(bad), ReplayError) << bad;
    const std::string error = errorOf("100 Space\n\n300 Jump\n");
    EXPECT_NE(error.find("line 3"), std::string::npos)
        << "not named by its line: '" << error << "'";
}

TEST(Replays, FuzzerBytesCarryKeysLapsesAndClosing) {
    const std::vector<ReplayEvent> events = {{1000, ReplayEvent::Kind::Key, Key::Space},
                                             {1000, ReplayEvent::Kind::Key, Key::Esc},
                                             {1600, ReplayEvent::Kind::Key, Key::Other},
                                             {1600, ReplayEvent::Kind::Key, Key::Down},
                                             {2000, ReplayEvent::Kind::Close, 0}};
    const std::string bytes = bytesFromEvents(events);
    EXPECT_EQ(eventsFromBytes(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()),
              events);
    // Every byte means something: noise is a game too.
    const std::uint8_t noise[] = {0x00, 0xbf, 0xc0, 0xfd, 0xfe, 0xff, 0x42};
    const auto fromNoise = eventsFromBytes(noise, sizeof noise);
    ASSERT_EQ(fromNoise.size(), 5u);
    EXPECT_EQ(fromNoise[2].ms, 4 + 248);
}
