// SPDX-License-Identifier: GPL-3.0-or-later
// The value rules over every one of the 7,776 rolls, against counts worked out independently,
// and the worked examples of the rules as a table.

#include "core/value_rules.h"

#include <gtest/gtest.h>

#include "core/rules.h"

namespace korvex {
namespace {

template <typename F>
void forEveryRoll(F f) {
    Faces d{};
    for (d[0] = 1; d[0] <= 6; ++d[0])
        for (d[1] = 1; d[1] <= 6; ++d[1])
            for (d[2] = 1; d[2] <= 6; ++d[2])
                for (d[3] = 1; d[3] <= 6; ++d[3])
                    for (d[4] = 1; d[4] <= 6; ++d[4]) f(d);
}

TEST(ValueRules, sweepOfAllRollsMatchesIndependentCounts) {
    int five = 0, large = 0, small = 0, full = 0, three = 0, four = 0, rolls = 0;
    forEveryRoll([&](const Faces& f) {
        const Faces& d = f;
        int sum = 0;
        for (int x : f) sum += x;
        ++rolls;
        five += korvexPoints(d) == 50;
        large += largeStraightPoints(d) == 40;
        small += smallStraightPoints(d) == 30;
        full += fullHousePoints(d) == 25;
        three += threeKindPoints(d) == sum;
        four += fourKindPoints(d) == sum;
        // Each rule gives its fixed points or 0 and nothing else.
        for (int p :
             {korvexPoints(d), largeStraightPoints(d), smallStraightPoints(d), fullHousePoints(d)})
            ASSERT_TRUE(p == 0 || p == 25 || p == 30 || p == 40 || p == 50);
        ASSERT_TRUE(threeKindPoints(d) == 0 || threeKindPoints(d) == sum);
        ASSERT_EQ(dicePoints(d), sum);
        int upper = 0;
        for (int k = 1; k <= 6; ++k) upper += upperPoints(d, k);
        ASSERT_EQ(upper, sum);
        // A large straight is always a small one; five of a kind is always a full house.
        if (largeStraightPoints(d)) ASSERT_EQ(smallStraightPoints(d), 30);
        if (korvexPoints(d)) ASSERT_EQ(fullHousePoints(d), 25);
    });
    EXPECT_EQ(rolls, 7776);
    EXPECT_EQ(five, 6);
    EXPECT_EQ(large, 240);
    EXPECT_EQ(small, 1200);
    EXPECT_EQ(full, 306);
    EXPECT_EQ(three, 1656);
    EXPECT_EQ(four, 156);
}

struct Example {
    Faces dice;
    CategoryId category;
    int points;
};

void PrintTo(const Example& e, std::ostream* os) {
    for (int face : e.dice) *os << face;
    *os << '_' << int(e.category) << '_' << e.points;
}

class WorkedExamples : public ::testing::TestWithParam<Example> {};

TEST_P(WorkedExamples, scoreAsTheCardSays) {
    const Example& e = GetParam();
    EXPECT_EQ(category(e.category).points(e.dice), e.points);
}

using C = CategoryId;
INSTANTIATE_TEST_SUITE_P(
    Card, WorkedExamples,
    ::testing::Values(
        Example{{1, 1, 1, 2, 3}, C::Ones, 3}, Example{{1, 1, 1, 2, 3}, C::Twos, 2},
        Example{{1, 1, 1, 2, 3}, C::Threes, 3}, Example{{1, 1, 1, 2, 3}, C::Fours, 0},
        Example{{1, 1, 1, 2, 3}, C::Chance, 8}, Example{{6, 6, 6, 6, 6}, C::Sixes, 30},
        Example{{6, 6, 6, 6, 6}, C::Ones, 0}, Example{{2, 2, 2, 5, 6}, C::ThreeKind, 17},
        Example{{3, 3, 3, 5, 6}, C::ThreeKind, 20}, Example{{3, 3, 3, 5, 6}, C::FourKind, 0},
        Example{{5, 1, 5, 2, 5}, C::ThreeKind, 18}, Example{{6, 2, 2, 2, 2}, C::ThreeKind, 14},
        Example{{6, 2, 2, 2, 2}, C::FourKind, 14}, Example{{4, 4, 1, 4, 4}, C::FourKind, 17},
        Example{{6, 6, 6, 6, 6}, C::FourKind, 30}, Example{{2, 2, 5, 5, 6}, C::ThreeKind, 0},
        Example{{2, 2, 5, 5, 6}, C::FourKind, 0}, Example{{2, 2, 3, 3, 3}, C::FullHouse, 25},
        Example{{3, 2, 3, 2, 3}, C::FullHouse, 25}, Example{{5, 5, 5, 5, 5}, C::FullHouse, 25},
        Example{{4, 4, 4, 4, 1}, C::FullHouse, 0}, Example{{1, 1, 2, 2, 3}, C::FullHouse, 0},
        Example{{1, 2, 3, 4, 6}, C::SmallStraight, 30},
        Example{{4, 3, 2, 1, 1}, C::SmallStraight, 30},
        Example{{6, 5, 4, 3, 3}, C::SmallStraight, 30},
        Example{{1, 3, 4, 5, 6}, C::SmallStraight, 30},
        Example{{2, 3, 4, 5, 2}, C::SmallStraight, 30},
        Example{{1, 2, 3, 4, 5}, C::SmallStraight, 30},
        Example{{1, 2, 3, 5, 6}, C::SmallStraight, 0},
        Example{{2, 3, 4, 6, 6}, C::SmallStraight, 0},
        Example{{1, 2, 3, 4, 5}, C::LargeStraight, 40},
        Example{{6, 2, 5, 3, 4}, C::LargeStraight, 40},
        Example{{1, 2, 3, 4, 6}, C::LargeStraight, 0},
        Example{{2, 3, 4, 5, 5}, C::LargeStraight, 0}, Example{{4, 4, 4, 4, 4}, C::Korvex, 50},
        Example{{4, 4, 4, 4, 3}, C::Korvex, 0}, Example{{1, 1, 1, 1, 1}, C::LargeStraight, 0},
        Example{{1, 1, 1, 1, 1}, C::SmallStraight, 0}));

}  // namespace
}  // namespace korvex
