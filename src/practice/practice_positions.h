// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where practice positions come from: the decisions of the player's own recorded games that gave
// points up, as the coach's replay judged them, costliest first; and, for a player with none yet,
// the same from games the coach played with a little noise, so there is something to practise at
// once. Both give every position a key that stays the same from one run to the next.

#include <cstdint>
#include <vector>

#include "practice/practice_schedule.h"
#include "record/game_record.h"
#include "review/game_review.h"

namespace korvex {

// The judged decisions of `record` (replayed as `review`) that gave something up, keyed
// "<stem> turn T roll R".
std::vector<PracticeCandidate> positionsOfGame(const GameRecord& record, const GameReview& review,
                                               const QString& stem);

// The positions of recorded games (each with its database number), costliest first. Games that
// are not whole are passed over.
std::vector<PracticeCandidate> recordedPositions(const CoachTable& table,
                                                 const std::vector<GameRecord>& games);

// How many noisy games the coach plays for a player with no recorded positions, and how often it
// strays from its own advice in them: enough strays for a few dozen positions.
inline constexpr int kCoachGames = 6;
inline constexpr double kCoachNoise = 0.2;

// The positions of the coach's noisy games: game n is played from seed n, so "coach 3 turn 5
// roll 2" is the same position in every run. Costliest first.
std::vector<PracticeCandidate> coachGamePositions(const CoachTable& table, int games = kCoachGames);

}  // namespace korvex
