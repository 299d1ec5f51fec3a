// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "support/coach_self_play.h"
#include "coach_tables.h"

namespace korvex {
namespace {

// Enough games for a standard error near half a point, few enough to play in a second or two.
constexpr int kGames = 12000;

TEST(CoachSelfPlay, gamesPlayedByTheAdviceAverageTheComputedExpectation) {
    const CoachTable& table = test::korvexTable();
    const SelfPlayResult result = playGames(table, kGames, 20240611);
    ASSERT_EQ(result.games, kGames);
    EXPECT_GT(result.standardDeviation(), 20.0);
    EXPECT_LT(result.standardError(), 1.0);
    EXPECT_NEAR(result.mean(), table.startValue(), 4 * result.standardError());
}

TEST(CoachSelfPlay, classicCardGamesAverageTheClassicExpectation) {
    const CoachTable& table = test::classicTable();
    const SelfPlayResult result = playGames(table, kGames / 2, 7);
    EXPECT_NEAR(result.mean(), table.startValue(), 4 * result.standardError());
}

TEST(CoachSelfPlay, sameSeedPlaysTheSameGames) {
    const CoachTable& table = test::korvexTable();
    std::mt19937_64 a(99), b(99);
    for (int g = 0; g < 20; ++g) EXPECT_EQ(playGame(table, a), playGame(table, b));
}

TEST(CoachSelfPlay, resultsCombineAcrossRuns) {
    SelfPlayResult a{2, 10.0 + 20.0, 100.0 + 400.0};
    const SelfPlayResult b{1, 30.0, 900.0};
    a += b;
    EXPECT_EQ(a.games, 3);
    EXPECT_DOUBLE_EQ(a.mean(), 20.0);
    EXPECT_DOUBLE_EQ(a.standardDeviation(), 10.0);
    EXPECT_DOUBLE_EQ(SelfPlayResult{}.mean(), 0.0);
}

}  // namespace
}  // namespace korvex
