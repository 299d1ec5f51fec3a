// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Whole recorded games made up without a board, for Practice (a player with no recorded games
// practises on the coach's noisy games), the benchmarks, the tests and the figures of optimal
// play: every roll, hold and commit legal and scored by the card's rules. With a
// coach table the player follows the coach's advice and strays from it with the chance
// `noise`; without one every choice is a random legal one.

#include <cstdint>
#include <random>

#include "coach/coach_advice.h"
#include "record/game_record.h"

namespace korvex {

class GameGenerator {
  public:
    struct Options {
        const CoachTable* coach = nullptr;
        double noise = 0.0;        // chance of a random move instead of the coach's
        double forcedShare = 0.0;  // share of games played in a run with a forced roll
        double coachShare = 0.3;   // share of games marked as played with the coach on
    };

    GameGenerator(std::uint64_t seed, Options options);

    // The next game, finished a few minutes after the one before.
    GameRecord next();

  private:
    void playTurn(GameRecord& game, Card& card, bool forceOne);
    bool chooseRollAgain(const CoachPosition& position, std::array<bool, 5>& hold);
    CategoryId chooseCategory(const CoachPosition& position);
    bool stray();

    Options m_options;
    std::mt19937_64 m_random;
    QDateTime m_clock;
};

}  // namespace korvex
