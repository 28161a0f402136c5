// The screen the web page is told of, through the whole recorded quest: the page shows the
// colour buttons of a touch screen only while the menu is open.
#include "Recorded.h"
#include "game/CorePort.h"

#include <gtest/gtest.h>

#include <algorithm>

TEST(ShownScreen, FollowsTheQuestFromTheTitleToTheEnd) {
    ReplaySession session(false);
    std::vector<std::string> phases{shownScreen(session.game())};
    for (const ReplayEvent& event : recordedGame("quest")) {
        session.play(event);
        if (phases.back() != shownScreen(session.game()))
            phases.emplace_back(shownScreen(session.game()));
    }
    // The start fade is already the game's screen; its message is dismissed, then the menu
    // is opened and closed.
    const std::vector<std::string> opening(phases.begin(), phases.begin() + 7);
    EXPECT_EQ(opening, (std::vector<std::string>{"title", "name", "game", "message", "game", "menu",
                                                 "game"}));
    const std::vector<std::string> closing(phases.end() - 3, phases.end());
    EXPECT_EQ(closing, (std::vector<std::string>{"game", "victory", "ended"}));
    EXPECT_EQ(std::count(phases.begin(), phases.end(), "menu"), 1);
}
