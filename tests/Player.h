// Drives the game as a player would: key presses and the passing of time on a
// virtual clock, with helpers to wait for a given number of ticks of one timer.
#pragma once
#include "game/FrmIntro.h"
#include "shell/DrawList.h"

#include <gtest/gtest.h>

#include <memory>

class Player {
  public:
    Player() { game().Form_Load(); }

    FrmIntro& game() { return *game_; }
    FrmIntro* operator->() { return game_.get(); }

    void press(int16 key) { game_->Form_KeyDown(key); }
    void press(std::initializer_list<int16> keys) {
        for (int16 k : keys)
            press(k);
    }
    void waitMs(int ms) { game_->timers.advance(Micros{ms} * 1000); }

    // Lets exactly n ticks of this timer happen (others tick alongside as time passes).
    // Fails the test if the timer stops before that.
    void ticks(Timer& timer, int n) {
        for (int i = 0; i < n; ++i) {
            ASSERT_TRUE(timer.enabled()) << "timer stopped after " << i << " ticks";
            game_->timers.advance(timer.due() - game_->timers.now());
        }
    }

    // Plays on until the timer stops by itself; returns how many ticks it took.
    int ticksUntilStopped(Timer& timer, int limit = 10000) {
        int n = 0;
        while (timer.enabled() && !game_->ended() && n < limit) {
            game_->timers.advance(timer.due() - game_->timers.now());
            ++n;
        }
        return n;
    }

    std::vector<DrawItem> screen() const { return buildDrawList(*game_); }

  private:
    std::unique_ptr<FrmIntro> game_ = std::make_unique<FrmIntro>();
};
