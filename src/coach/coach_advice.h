// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The coach's advice for one moment of a game, read from the solved table: which dice to hold and
// roll again, or which category to score now, and what the game is then expected to end with.

#include <QString>
#include <array>
#include <optional>
#include <vector>

#include "coach/coach_table.h"
#include "core/game.h"

namespace korvex {

// A moment of a game as the board sees it, after a roll.
struct CoachPosition {
    std::array<bool, kCategoryCount> used{};  // categories already scored, in card order
    int upperSum = 0;            // points of the scored upper categories, bonus not included
    bool korvexScored = false;   // Korvex holds a non-zero score
    int totalSoFar = 0;          // the card's Total: every point scored so far, bonus included
    Faces dice{};                // faces 1 to 6, in position order
    int rollsLeft = 0;           // rolls still allowed this turn: 2, 1 or 0
    std::array<bool, 5> held{};  // the dice the player holds now, in position order
};

struct Advice {
    enum class Action {
        None,   // no advice: the game is over or the position cannot arise in a game
        Roll,   // hold the marked dice and roll the others
        Score,  // score the dice now
    };
    Action action = Action::None;
    std::array<bool, 5> hold{};  // Roll: positions to hold
    std::vector<int> keptFaces;  // Roll: the faces held, ascending
    // Roll: held dice to let go, by position and by face (ascending). Where the player already
    // holds a die of a kept face, that is the one advised, so nothing is moved needlessly.
    std::array<bool, 5> release{};
    std::vector<int> releasedFaces;
    bool holdsMatch = false;   // Roll: the player holds exactly the advised dice already
    CategoryId category{};     // Score: the category to score
    int points = 0;            // Score: what the category gives for these dice
    double expectedTotal = 0;  // the final total expected from here with best play
};

// The coach's view of `card` with `dice` on the table, `rollsLeft` rolls to come this turn and
// the player holding `held`.
CoachPosition coachPosition(const Card& card, const Faces& dice, int rollsLeft,
                            const std::array<bool, 5>& held = {});
// The game as the coach sees it after a roll; empty before START, after a forced roll (the
// dice are not the game's own), and once the card is full.
std::optional<CoachPosition> coachPosition(const Game& game);

// The best move. `turn`, when given, must be table.turn() of the position's state; passing it
// saves recomputing the turn for each roll of one turn.
Advice advise(const CoachTable& table, const CoachPosition& position,
              const TurnValues* turn = nullptr);

// Expected points given up by scoring `category` now instead of making the best move: 0 when it is
// the best move, NaN when the category is used or the position cannot arise in a game.
double choiceLoss(const CoachTable& table, const CoachPosition& position, CategoryId category);

// The advice in words, told from the holds the player has: "Hold 4 4 4 and roll",
// "Hold 6 6 and roll (release the 3)", "Roll: you already hold 6 6", "Roll all five again",
// "Score Four of a Kind for 17"; empty when there is no advice.
QString describe(const Advice& advice);

// The turn-start state of a position: used categories, capped upper sum, Korvex flag.
CoachState coachState(const CoachPosition& position);

}  // namespace korvex
