// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>

#include "coach/coach_advice.h"
#include "coach_tables.h"
#include "core/rules.h"

namespace korvex {
namespace {

using test::korvexTable;

constexpr CategoryId kChance = CategoryId::Chance;
constexpr CategoryId kKorvex = CategoryId::Korvex;
constexpr CategoryId kSixes = CategoryId::Sixes;
constexpr CategoryId kOnes = CategoryId::Ones;

CoachPosition freshGame(std::array<int, 5> dice, int rollsLeft) {
    CoachPosition p;
    p.dice = dice;
    p.rollsLeft = rollsLeft;
    return p;
}

// Late in a game: every category scored but `open`, the upper bonus already won.
CoachPosition lateGame(std::initializer_list<CategoryId> open, std::array<int, 5> dice,
                       int rollsLeft) {
    CoachPosition p = freshGame(dice, rollsLeft);
    p.used.fill(true);
    for (CategoryId c : open) p.used[std::size_t(c)] = false;
    p.upperSum = 70;
    p.totalSoFar = 200;
    return p;
}

TEST(CoachAdvice, fiveSixesOnTheLastRollGoToKorvex) {
    const Advice advice = advise(korvexTable(), freshGame({6, 6, 6, 6, 6}, 0));
    ASSERT_EQ(advice.action, Advice::Action::Score);
    EXPECT_EQ(advice.category, kKorvex);
    EXPECT_EQ(advice.points, 50);
    EXPECT_EQ(describe(advice), "Score Korvex for 50");
}

TEST(CoachAdvice, largeStraightOnTheFirstRollIsScoredAtOnce) {
    for (const auto& dice : {std::array{1, 2, 3, 4, 5}, std::array{6, 3, 5, 2, 4}}) {
        const Advice advice = advise(korvexTable(), freshGame(dice, 2));
        ASSERT_EQ(advice.action, Advice::Action::Score);
        EXPECT_EQ(advice.category, CategoryId::LargeStraight);
        EXPECT_EQ(describe(advice), "Score Large Straight for 40");
    }
}

TEST(CoachAdvice, chanceAloneKeepsDiceAboveWhatAnotherThrowPromises) {
    struct Row {
        std::array<int, 5> dice;
        int rollsLeft;
        std::array<bool, 5> hold;
        const char* words;
    };
    // Another throw of one die promises 3.5 with one roll left, 4.25 with two.
    const Row rows[] = {
        {{6, 1, 5, 2, 4}, 1, {true, false, true, false, true}, "Hold 4 5 6 and roll"},
        {{6, 1, 5, 2, 4}, 2, {true, false, true, false, false}, "Hold 5 6 and roll"},
        {{1, 1, 3, 2, 1}, 2, {false, false, false, false, false}, "Roll all five again"},
        {{4, 4, 1, 4, 3}, 1, {true, true, false, true, false}, "Hold 4 4 4 and roll"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.words);
        const Advice advice = advise(korvexTable(), lateGame({kChance}, row.dice, row.rollsLeft));
        ASSERT_EQ(advice.action, Advice::Action::Roll);
        EXPECT_EQ(advice.hold, row.hold);
        EXPECT_EQ(describe(advice), row.words);
    }
}

// Told from the player's holds: what to let go of, or that the holds are already right.
TEST(CoachAdvice, adviceNamesTheHeldDiceToRelease) {
    struct Row {
        std::array<bool, 5> held;
        std::array<bool, 5> release;
        const char* words;
    };
    const Row rows[] = {
        {{false, true, false, false, false},
         {false, true, false, false, false},
         "Hold 4 5 6 and roll (release the 1)"},
        {{true, true, false, true, false},
         {false, true, false, true, false},
         "Hold 4 5 6 and roll (release the 1 and 2)"},
        {{true, false, true, false, true}, {}, "Roll: you already hold 4 5 6"},
        {{true, false, false, false, false}, {}, "Hold 4 5 6 and roll"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.words);
        CoachPosition position = lateGame({kChance}, {6, 1, 5, 2, 4}, 1);
        position.held = row.held;
        const Advice advice = advise(korvexTable(), position);
        ASSERT_EQ(advice.action, Advice::Action::Roll);
        EXPECT_EQ(advice.hold, (std::array<bool, 5>{true, false, true, false, true}));
        EXPECT_EQ(advice.release, row.release);
        EXPECT_EQ(describe(advice), row.words);
    }
    CoachPosition rerollAll = lateGame({kChance}, {1, 1, 3, 2, 1}, 2);
    rerollAll.held = {false, false, true, true, true};
    EXPECT_EQ(describe(advise(korvexTable(), rerollAll)),
              "Roll all five again (release the 1, 2 and 3)");
}

TEST(CoachAdvice, keepingAllFiveWithRollsLeftMeansScoringNow) {
    const Advice advice = advise(korvexTable(), lateGame({kChance}, {6, 6, 5, 6, 6}, 2));
    ASSERT_EQ(advice.action, Advice::Action::Score);
    EXPECT_EQ(advice.category, kChance);
    EXPECT_EQ(describe(advice), "Score Chance for 29");
    EXPECT_NEAR(advice.expectedTotal, 229, 1e-9);
}

TEST(CoachAdvice, expectedTotalAddsWhatIsScoredToWhatIsToCome) {
    const CoachTable& table = korvexTable();
    // The last turn, last roll: the total is known exactly.
    Advice advice = advise(table, lateGame({kChance}, {6, 5, 4, 2, 1}, 0));
    ASSERT_EQ(advice.action, Advice::Action::Score);
    EXPECT_NEAR(advice.expectedTotal, 218, 1e-9);
    // With the dice kept at 5 and 6 and one throw of three dice to come.
    advice = advise(table, lateGame({kChance}, {6, 5, 1, 2, 1}, 2));
    EXPECT_NEAR(advice.expectedTotal, 200 + 11 + 3 * (4.25), 1e-9);
    // Five alike once Korvex holds 50: the extra 100 is part of the expectation.
    CoachPosition p = lateGame({kSixes}, {2, 2, 2, 2, 2}, 0);
    p.korvexScored = true;
    p.upperSum = 63;
    advice = advise(table, p);
    EXPECT_EQ(advice.category, kSixes);
    EXPECT_EQ(advice.points, 0);
    EXPECT_NEAR(advice.expectedTotal, 300, 1e-9);
}

TEST(CoachAdvice, choiceLossIsZeroForTheAdvisedCategoryAndPositiveForAWorseOne) {
    const CoachTable& table = korvexTable();
    const CoachPosition p = freshGame({6, 6, 6, 6, 6}, 0);
    EXPECT_EQ(choiceLoss(table, p, kKorvex), 0.0);
    EXPECT_GT(choiceLoss(table, p, kOnes), 30.0);
    EXPECT_GT(choiceLoss(table, p, kChance), 10.0);
    // Two categories left, last roll of the first of two turns: Ones for 2 now leaves Chance
    // for the last turn, which beats Chance for 20 now with Ones to come.
    const CoachPosition late = lateGame({kChance, kOnes}, {6, 6, 6, 1, 1}, 0);
    EXPECT_EQ(choiceLoss(table, late, kOnes), 0.0);
    EXPECT_NEAR(choiceLoss(table, late, kChance), (2 + 70.0 / 3.0) - (20 + 5 * 91.0 / 216.0), 1e-9);
}

TEST(CoachAdvice, lossesAgreeWithTheAdviceOnEveryOpenCategory) {
    const CoachTable& table = korvexTable();
    CoachPosition p = freshGame({2, 3, 3, 5, 3}, 0);
    p.used[std::size_t(kChance)] = true;
    p.used[std::size_t(CategoryId::Threes)] = true;
    p.upperSum = 9;
    const Advice advice = advise(table, p);
    ASSERT_EQ(advice.action, Advice::Action::Score);
    for (const Category& c : categories()) {
        const double loss = choiceLoss(table, p, c.id);
        if (p.used[std::size_t(c.index())]) {
            EXPECT_TRUE(std::isnan(loss)) << c.title;
        } else {
            EXPECT_GE(loss, 0.0) << c.title;
            EXPECT_EQ(loss == 0.0, c.id == advice.category) << c.title;
        }
    }
}

TEST(CoachAdvice, positionsNoGameReachesGetNoAdvice) {
    const CoachTable& table = korvexTable();
    std::vector<CoachPosition> bad;
    bad.push_back(freshGame({0, 1, 2, 3, 4}, 1));
    bad.push_back(freshGame({1, 2, 3, 4, 7}, 1));
    bad.push_back(freshGame({1, 2, 3, 4, 5}, 3));
    bad.push_back(freshGame({1, 2, 3, 4, 5}, -1));
    CoachPosition over = lateGame({}, {1, 2, 3, 4, 5}, 0);
    bad.push_back(over);
    CoachPosition strange = freshGame({1, 2, 3, 4, 5}, 0);
    strange.upperSum = 12;  // nothing scored, yet points in the upper section
    bad.push_back(strange);
    for (const CoachPosition& p : bad) {
        const Advice advice = advise(table, p);
        EXPECT_EQ(advice.action, Advice::Action::None);
        EXPECT_EQ(describe(advice), "");
        EXPECT_TRUE(std::isnan(choiceLoss(table, p, kChance)));
    }
    EXPECT_TRUE(std::isnan(choiceLoss(table, freshGame({1, 2, 3, 4, 5}, 0), CategoryId(13))));
    EXPECT_TRUE(std::isnan(choiceLoss(table, freshGame({1, 2, 3, 4, 5}, 0), CategoryId(-1))));
}

TEST(CoachAdvice, describeNamesFacesAscendingAndCategoriesByTitle) {
    Advice roll;
    roll.action = Advice::Action::Roll;
    roll.keptFaces = {4, 4, 4};
    EXPECT_EQ(describe(roll), "Hold 4 4 4 and roll");
    roll.keptFaces.clear();
    EXPECT_EQ(describe(roll), "Roll all five again");
    Advice score;
    score.action = Advice::Action::Score;
    score.category = CategoryId::FourKind;
    score.points = 17;
    EXPECT_EQ(describe(score), "Score Four of a Kind for 17");
}

}  // namespace
}  // namespace korvex
