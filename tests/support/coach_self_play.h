// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Whole games played by the coach's own advice with fair random dice, scored by the card's rules
// directly (value rules, upper bonus, extra five-of-a-kind points), as an independent check that
// the table's expectation is what play actually earns.

#include <cmath>
#include <cstdint>
#include <random>

#include "coach/coach_advice.h"

namespace korvex {

struct SelfPlayResult {
    int games = 0;
    double sum = 0;
    double sumOfSquares = 0;

    double mean() const { return games ? sum / games : 0; }
    double standardDeviation() const;
    double standardError() const { return games ? standardDeviation() / std::sqrt(games) : 0; }
    SelfPlayResult& operator+=(const SelfPlayResult& other);
};

// Plays one game and returns its final total. Throws std::logic_error if the coach ever has no
// advice in the middle of a game.
int playGame(const CoachTable& table, std::mt19937_64& random);

// Plays `games` games with dice from a generator seeded with `seed`.
SelfPlayResult playGames(const CoachTable& table, int games, std::uint64_t seed);

}  // namespace korvex
