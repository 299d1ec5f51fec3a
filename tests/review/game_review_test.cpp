// SPDX-License-Identifier: GPL-3.0-or-later
// The review: replaying a record through the coach gives, decision by decision, the losses the
// coach itself computes for those moves, and their sum; a game played by the coach's advice
// gives up nothing; decisions on forced dice are shown but not judged; and the luck of the
// rolls closes the account of every game exactly: start + luck - given up = total.

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

    // With nothing given up, the dice alone took the game from its start to its total.
    EXPECT_NEAR(review->expectedAtStart + review->totalLuck, game.total, 1e-9);

    GameRecord broken = game;
    broken.turns.pop_back();
    EXPECT_FALSE(reviewGame(table(), broken));
    EXPECT_FALSE(gameLuck(table(), broken));
}

TEST(GameReview, startPlusLuckLessGivenUpIsTheTotalInEveryGame) {
    struct Player {
        std::uint64_t seed;
        double noise, forcedShare;
    };
    // uncharged: decisions whose loss leaves out part of what they cost (on forced dice, or too
    // small to show), which the next roll's luck must take up.
    int bonuses = 0, extras = 0, forced = 0, uncharged = 0;
    for (const Player& player :
         {Player{21, 0.0, 0.5}, Player{22, 0.1, 0.3}, Player{23, 0.5, 0.3}, Player{24, 1.0, 0.2}}) {
        GameGenerator generator(player.seed, {&table(), player.noise, player.forcedShare, 0.0});
        for (int g = 0; g < 60; ++g) {
            GameRecord game = generator.next();
            game.id = 100 + g;
            const std::optional<GameReview> review = reviewGame(table(), game);
            ASSERT_TRUE(review);
            bonuses += game.bonus > 0;
            extras += game.extra > 0;
            forced += game.forced;
            EXPECT_NEAR(review->expectedAtStart + review->totalLuck - review->totalLoss, game.total,
                        1e-9)
                << "seed " << player.seed << " game " << g;
            double luck = 0;
            for (std::size_t d = 0; d < review->decisions.size(); ++d) {
                const ReviewedDecision& decision = review->decisions[d];
                luck += decision.luck;
                if (d == 0) continue;
                const ReviewedDecision& before = review->decisions[d - 1];
                uncharged +=
                    std::abs(before.best.expectedTotal - before.loss - before.expectedAfter) > 1e-9;
                // After a move charged in full, the next roll starts from where that move left
                // the game.
                if (before.loss > 0)
                    EXPECT_NEAR(decision.luck, decision.best.expectedTotal - before.expectedAfter,
                                1e-9);
            }
            EXPECT_NEAR(review->totalLuck, luck, 1e-9);
            const std::optional<GameLuck> kept = gameLuck(table(), game);
            ASSERT_TRUE(kept);
            EXPECT_EQ(kept->id, game.id);
            EXPECT_EQ(kept->luck, review->totalLuck);
            EXPECT_EQ(kept->givenUp, review->totalLoss);
        }
    }
    // The games took every path the account must close over.
    EXPECT_GT(bonuses, 10);
    EXPECT_GT(extras, 0);
    EXPECT_GT(forced, 20);
    EXPECT_GT(uncharged, 10);
}

}  // namespace
}  // namespace korvex::test
