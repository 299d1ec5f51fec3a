// SPDX-License-Identifier: GPL-3.0-or-later
// The review: replaying a record through the coach gives, decision by decision, the losses the
// coach itself computes for those moves, and their sum; a game played by the coach's advice
// gives up nothing; decisions on forced dice are shown but not judged.

#include "review/game_review.h"

#include <gtest/gtest.h>

#include <cmath>

#include "coach/coach_table.h"
#include "core/card.h"
#include "support/game_generator.h"

namespace korvex::test {
namespace {

const CoachTable& table() {
    static const std::unique_ptr<CoachTable> solved = CoachTable::solve(CoachRules::korvex(), 2);
    return *solved;
}

// The loss of each decision the way the coach computes it on the board: the best move's
// expected total against the expected total of the move made.
double coachLoss(const Card& card, const TurnRecord& turn, std::size_t r) {
    const RollRecord& roll = turn.rolls[r];
    const CoachPosition position = coachPosition(card, roll.faces, 2 - int(r));
    if (r + 1 == turn.rolls.size()) return choiceLoss(table(), position, *turn.category);
    std::vector<int> kept;
    for (int i = 0; i < 5; ++i)
        if (turn.rolls[r + 1].held[std::size_t(i)]) kept.push_back(roll.faces[std::size_t(i)]);
    const TurnValues values = table().turn(coachState(position));
    const int hand = table().hands().handOfFaces(kept.data(), int(kept.size()));
    const double held = (r == 0 ? values.keepTwoLeft : values.keepOneLeft)[std::size_t(hand)];
    return std::max(0.0, advise(table(), position).expectedTotal - position.totalSoFar - held);
}

TEST(GameReview, totalLossIsTheSumOfTheCoachsLossesMoveByMove) {
    GameGenerator generator(5, {&table(), 0.25, 0.5, 0.0});
    int judgedLater = 0, unjudged = 0;
    for (int g = 0; g < 20; ++g) {
        const GameRecord game = generator.next();
        const std::optional<GameReview> review = reviewGame(table(), game);
        ASSERT_TRUE(review);
        EXPECT_EQ(review->total, game.total);
        Card card;
        double sum = 0;
        std::size_t d = 0;
        for (const TurnRecord& turn : game.turns) {
            for (std::size_t r = 0; r < turn.rolls.size(); ++r, ++d) {
                ASSERT_LT(d, review->decisions.size());
                const ReviewedDecision& decision = review->decisions[d];
                const bool forced =
                    turn.rolls[r].forced || (r + 1 < turn.rolls.size() && turn.rolls[r + 1].forced);
                EXPECT_EQ(decision.judged, !forced);
                if (forced) {
                    ++unjudged;
                    EXPECT_EQ(decision.loss, 0);
                    continue;
                }
                const double loss = coachLoss(card, turn, r);
                EXPECT_NEAR(decision.loss, loss, 1e-3);
                sum += decision.loss;
                judgedLater += loss > 0;
            }
            card.commit(*turn.category, turn.rolls.back().faces);
        }
        EXPECT_EQ(d, review->decisions.size());
        EXPECT_NEAR(review->totalLoss, sum, 1e-9);
        const ReviewedDecision* worst = review->costliest();
        for (const ReviewedDecision& decision : review->decisions) {
            if (worst) {
                EXPECT_LE(decision.loss, worst->loss);
            }
        }
    }
    EXPECT_GT(judgedLater, 20);  // the noisy player did give points away
    EXPECT_GT(unjudged, 0);      // and some games had forced rolls
}

TEST(GameReview, aGamePlayedByTheCoachGivesUpNothingAndEndsOnItsTotal) {
    GameGenerator generator(6, {&table(), 0.0, 0.0, 1.0});
    const GameRecord game = generator.next();
    const std::optional<GameReview> review = reviewGame(table(), game);
    ASSERT_TRUE(review);
    EXPECT_EQ(review->totalLoss, 0);
    EXPECT_EQ(review->costliest(), nullptr);
    EXPECT_NEAR(review->expectedAtStart, table().startValue(), 1e-9);
    // After the last commit nothing is left to expect: the total is what was scored.
    EXPECT_NEAR(review->decisions.back().expectedAfter, game.total, 1e-6);

    GameRecord broken = game;
    broken.turns.pop_back();
    EXPECT_FALSE(reviewGame(table(), broken));
}

}  // namespace
}  // namespace korvex::test
