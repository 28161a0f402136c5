// The tables the digests, the rule checks and the trace walk: every timer the window's
// clock holds and every variable of the record, each once and in the order it was made.
#include "game/FrmIntro.h"
#include "proof/GameRecord.h"
#include "shell/WindowTimers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

TEST(Record, TheTablesNameEveryTimerAndEveryVariableOnceInOrder) {
    FrmIntro w;
    const auto named = namedTimers(w);
    auto nameOf = [&](const Timer* timer) {
        for (const auto& [name, t] : named)
            if (t == timer) return name;
        return std::string_view("a timer missing from kTimerTable");
    };
    std::vector<std::string_view> table, held;
    for (const auto& [name, timer] : named)
        table.push_back(name);
    for (const Timer* timer : w.timers.held())
        held.push_back(nameOf(timer));
    EXPECT_EQ(table, held) << "kTimerTable must list every timer of the window, in creation order";

    // The count is checked as the proof is built; here, that no variable comes twice and
    // that the digests take them in declaration order.
    std::vector<const void*> places;
    forEachVariable(w, [&](std::string_view, const auto& value) { places.push_back(&value); });
    EXPECT_EQ(std::ranges::adjacent_find(places, std::greater_equal<>{}), places.end())
        << "kRecordFields must follow GameState's declaration order, each variable once";
}
