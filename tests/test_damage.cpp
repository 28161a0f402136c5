// Drawing only what changed must give the very pixels of a full redraw: the recorded games
// are played on the virtual clock and drawn after every tick and key, as the window does,
// and after every event that drew, the frame is compared with the same list drawn whole.
// The quest and the mashed keys are played at every scale; the long walk through every door
// (thousands of curtain ticks) at 1x only, and only by make test.
#include "Canvas.h"
#include "Recorded.h"
#include "game/CorePort.h"
#include "shell/WindowTimers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <tuple>

namespace {
// Where the two frames first differ, or nothing.
std::string firstDifference(const Canvas& partial, const Canvas& whole) {
    const SDL_Surface& s = *partial.surface;
    partial.pixel(0, 0), whole.pixel(0, 0); // what is queued is drawn
    if (std::memcmp(s.pixels, whole.surface->pixels, std::size_t(s.pitch) * s.h) == 0) return {};
    for (int y = 0; y < s.h; ++y)
        for (int x = 0; x < s.w; ++x)
            if (partial.pixel(x, y) != whole.pixel(x, y))
                return "pixel (" + std::to_string(x) + ", " + std::to_string(y) + ")";
    return "padding";
}

// Plays a recorded game at a scale; returns how many frames were compared.
int compareFramesOf(const std::string& recorded, double scale) {
    const int w = int(std::lround(751 * scale)), h = int(std::lround(600 * scale));
    Canvas partial(w, h), whole(w, h);
    SCOPED_TRACE(recorded);
    ReplaySession session(false);
    FrmIntro& game = session.game();
    bool drew = !partial.renderer.update(buildDrawList(game)).empty();
    aroundEachTick(game, [&](std::string_view, const std::function<void()>& tick) {
        tick();
        drew = !partial.renderer.update(buildDrawList(game)).empty() || drew;
    });
    int compared = 0;
    for (const ReplayEvent& event : recordedGame(recorded)) {
        session.play(event);
        drew = !partial.renderer.update(buildDrawList(game)).empty() || drew;
        if (!drew) continue;
        drew = false;
        whole.draw(game);
        ++compared;
        const std::string where = firstDifference(partial, whole);
        EXPECT_EQ(where, "") << "after " << formatEvent(event);
        if (!where.empty()) break;
    }
    return compared;
}

// A recorded game and a scale: each pair a test of its own, so that they share the cores.
class DamageAtScale : public testing::TestWithParam<std::tuple<std::string, double>> {};
} // namespace

TEST_P(DamageAtScale, TheQuestAndTheMashedKeysLookTheSameDrawnByChangesOrWhole) {
    const auto [game, scale] = GetParam();
    EXPECT_GT(compareFramesOf(game, scale), 100);
}

INSTANTIATE_TEST_SUITE_P(Scales, DamageAtScale,
                         testing::Combine(testing::Values(std::string("quest"),
                                                          std::string("mashing")),
                                          testing::Values(1.0, 1.5, 2.0)),
                         [](const auto& info) {
                             return std::get<0>(info.param) + "_" +
                                    std::to_string(int(std::get<1>(info.param) * 10));
                         });

TEST(Damage, TheWalkThroughEveryDoorLooksTheSameDrawnByChangesOrWhole) {
    EXPECT_GT(compareFramesOf("doors", 1.0), 100);
}
