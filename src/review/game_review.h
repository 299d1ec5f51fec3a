// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The coach's replay of a recorded game: for every decision the player made (what to hold
// before each roll after the first, and which category to score), the best move in that
// position, the expected points the player's move gave up, and the final total the game could
// then still expect with best play. Decisions on forced dice, and holds that a forced roll
// ignored, are shown but not judged.
//
// Beside what the decisions gave up stands what the dice dealt: the luck of each roll is the
// expected final total just after it less the one just before it. "Just before" is what the
// previous decision left, counted as its best expected total less the loss it was charged (the
// start's expectation for the first roll), so that whatever a decision's loss leaves out (a
// loss too small to show, a move on forced dice) falls to the next roll's luck and the game
// adds up exactly: total = expected at the start + luck - points given up.

#include <QString>
#include <optional>
#include <vector>

#include "coach/coach_advice.h"
#include "record/game_record.h"
#include "record/practice_record.h"

namespace korvex {

struct ReviewedDecision {
    enum class Kind { Hold, Score };
    Kind kind = Kind::Hold;
    int turn = 0;                // 1 to 13
    int roll = 0;                // the roll (1 to 3) whose dice the decision was made on
    Faces faces{};               // those dice
    std::array<bool, 5> held{};  // Hold: the positions held for the next roll
    CategoryId category{};       // Score: the category scored
    int points = 0;              // Score: its points
    Advice best;                 // the coach's move in the same position
    bool judged = false;         // false on forced dice or before a forced roll
    double loss = 0;             // expected points given up (0 when not judged)
    double expectedAfter = 0;    // expected final total after the decision, best play after it
    double luck = 0;             // what the roll that dealt `faces` changed the expected total
};

struct GameReview {
    std::vector<ReviewedDecision> decisions;
    double expectedAtStart = 0;  // the expected final total before the first roll
    double totalLoss = 0;
    double totalLuck = 0;  // the sum of every roll's luck
    int total = 0;
    // The decision that gave up the most, if any gave up something.
    const ReviewedDecision* costliest() const;
};

// Replays `record` through the coach's table. Nothing when the record is not a whole game.
std::optional<GameReview> reviewGame(const CoachTable& table, const GameRecord& record);

// What the record keeps of a review: the game's luck and the points its decisions gave up.
GameLuck gameLuck(qint64 id, const GameReview& review);
// The same straight from a record; nothing when the record is not a whole game.
std::optional<GameLuck> gameLuck(const CoachTable& table, const GameRecord& record);

// The player's decision in words: "Held 6 6", "Rolled all five again", "Scored Chance for 12".
QString describeChoice(const ReviewedDecision& decision);

}  // namespace korvex
