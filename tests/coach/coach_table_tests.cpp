// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <cmath>

#include "coach/coach_table.h"
#include "coach_tables.h"
#include "core/rules.h"

namespace korvex {
namespace {

using test::classicTable;
using test::korvexTable;
using test::onlyOpen;

constexpr int kChance = int(CategoryId::Chance);
constexpr int kKorvex = int(CategoryId::Korvex);
constexpr int kSixes = int(CategoryId::Sixes);
constexpr double kExact = 1e-9;

// Chance that one die, rolled up to three times until it shows a wanted face, shows it.
constexpr double kHitIn3 = 91.0 / 216.0;

double binomialAtLeast(int need, double p) {
    double sum = 0;
    for (int k = need; k <= 5; ++k) {
        double ways = 1;
        for (int i = 0; i < k; ++i) ways = ways * (5 - i) / (i + 1);
        sum += ways * std::pow(p, k) * std::pow(1 - p, 5 - k);
    }
    return sum;
}

// Largest number of alike dice among five, after a throw of `thrown` dice added to `kept` dice
// that all show face 1: the distribution over 1 to 5, found by counting every outcome.
std::array<double, 6> largestGroupAfter(int kept, int thrown) {
    std::array<double, 6> chance{};
    int outcomes = 1;
    for (int i = 0; i < thrown; ++i) outcomes *= 6;
    for (int code = 0; code < outcomes; ++code) {
        std::array<int, 6> counts{};
        counts[0] = kept;
        for (int i = 0, c = code; i < thrown; ++i, c /= 6) ++counts[std::size_t(c % 6)];
        chance[std::size_t(*std::max_element(counts.begin(), counts.end()))] += 1.0 / outcomes;
    }
    return chance;
}

// Best chance of five alike in a turn, worked out over the size of the largest group alone:
// before each throw either keep the largest group or throw all five again.
double fiveAlikeChance() {
    const std::array<double, 6> fresh = largestGroupAfter(0, 5);
    std::array<double, 6> hit{};  // with no throw left
    hit[5] = 1;
    for (int left = 1; left <= 2; ++left) {
        std::array<double, 6> next{};
        for (int group = 1; group <= 5; ++group) {
            const auto after = largestGroupAfter(group, 5 - group);
            double keep = 0, again = 0;
            for (int j = 1; j <= 5; ++j) {
                keep += after[std::size_t(j)] * hit[std::size_t(j)];
                again += fresh[std::size_t(j)] * hit[std::size_t(j)];
            }
            next[std::size_t(group)] = std::max(keep, again);
        }
        hit = next;
    }
    double total = 0;
    for (int j = 1; j <= 5; ++j) total += fresh[std::size_t(j)] * hit[std::size_t(j)];
    return total;
}

TEST(CoachTable, chanceAloneIsWorthSeventyThirds) {
    // Each die is kept at 5 or 6 on the first throw, at 4 or more on the second: 14/3 a die.
    EXPECT_NEAR(korvexTable().stateValue(onlyOpen({kChance}, 63)), 70.0 / 3.0, kExact);
    EXPECT_NEAR(classicTable().stateValue(onlyOpen({kChance}, 10)), 70.0 / 3.0, kExact);
}

TEST(CoachTable, upperCategoryAloneWithoutBonusCountsHitsInThreeThrows) {
    for (int face = 1; face <= 6; ++face) {
        SCOPED_TRACE(face);
        const CoachState state = onlyOpen({face - 1}, 63);
        EXPECT_NEAR(korvexTable().stateValue(state), 5 * face * kHitIn3, kExact);
    }
}

TEST(CoachTable, sixesAloneAddTheBonusWhenEnoughSixesReachTheThreshold) {
    struct Row {
        int upperSum;
        int sixesNeeded;  // 6 would mean the bonus is out of reach
    };
    for (const Row& row : {Row{33, 5}, Row{34, 5}, Row{39, 4}, Row{45, 3}, Row{51, 2}, Row{57, 1},
                           Row{62, 1}, Row{30, 6}, Row{63, 6}}) {
        SCOPED_TRACE(row.upperSum);
        const double bonus =
            row.sixesNeeded > 5 ? 0 : 35 * binomialAtLeast(row.sixesNeeded, kHitIn3);
        EXPECT_NEAR(korvexTable().stateValue(onlyOpen({kSixes}, row.upperSum)),
                    30 * kHitIn3 + bonus, kExact);
    }
}

TEST(CoachTable, korvexAloneIsFiftyTimesTheChanceOfFiveAlike) {
    const double expected = 50 * fiveAlikeChance();
    EXPECT_NEAR(expected, 50 * 0.0460286, 1e-4);  // about one turn in 22
    EXPECT_NEAR(korvexTable().stateValue(onlyOpen({kKorvex}, 63)), expected, kExact);
    EXPECT_NEAR(classicTable().stateValue(onlyOpen({kKorvex}, 63)), expected, kExact);
}

TEST(CoachTable, extraPointsRaiseTheValueOnlyOnceKorvexIsScoredNonZero) {
    const CoachTable& table = korvexTable();
    const double plain = table.stateValue(onlyOpen({kChance}, 63, false));
    const double withExtra = table.stateValue(onlyOpen({kChance}, 63, true));
    // The extra points are worth something, yet no more than the best chance of five alike
    // adds to the best sum; chasing five alike alone still earns at least five pips.
    const double fiveAlike = fiveAlikeChance();
    EXPECT_GT(withExtra, plain + 1.0);
    EXPECT_LE(withExtra, plain + 100 * fiveAlike + kExact);
    EXPECT_GE(withExtra, 100 * fiveAlike + 5);
    // The flag means nothing while Korvex is still open, nor under the traditional card.
    EXPECT_EQ(table.stateValue(onlyOpen({kChance, kKorvex}, 63, true)),
              table.stateValue(onlyOpen({kChance, kKorvex}, 63, false)));
    EXPECT_EQ(classicTable().stateValue(onlyOpen({kChance}, 63, true)),
              classicTable().stateValue(onlyOpen({kChance}, 63, false)));
}

TEST(CoachTable, classicCardReproducesTheKnownOptimum) {
    EXPECT_NEAR(classicTable().startValue(), 245.87, 0.01);
}

TEST(CoachTable, thisGameExpectsMoreThanTheClassicCard) {
    EXPECT_GT(korvexTable().startValue(), classicTable().startValue() + 1.0);
}

TEST(CoachTable, statesNoGameReachesHaveNoValue) {
    const CoachTable& table = korvexTable();
    EXPECT_TRUE(table.reachable({}));
    EXPECT_FALSE(table.reachable({0, 5, false}));   // nothing scored yet, yet an upper sum
    EXPECT_FALSE(table.reachable({1u, 7, false}));  // Ones alone give at most 5
    EXPECT_TRUE(table.reachable({1u, 5, false}));
    EXPECT_FALSE(table.reachable({0, -1, false}));
    EXPECT_EQ(table.stateValue({(1u << 13) - 1, 63, true}), 0.0);
    // An upper sum past the threshold is the same as the threshold.
    EXPECT_EQ(table.stateValue({63u, 90, false}), table.stateValue({63u, 63, false}));
}

TEST(CoachTable, turnStartsWhereTheTableSays) {
    const CoachTable& table = korvexTable();
    for (const CoachState& state :
         {CoachState{}, onlyOpen({kChance, kKorvex, 0}, 40), onlyOpen({kChance}, 63, true)}) {
        EXPECT_NEAR(table.turn(state).start, table.stateValue(state), kExact);
    }
}

TEST(CoachTable, bestCommitOfEachRollIsTheBestSingleCommit) {
    const CoachTable& table = korvexTable();
    const CoachState state = onlyOpen({0, 5, 7, 9, kKorvex, kChance}, 20, false);
    const TurnValues turn = table.turn(state);
    for (int roll = 0; roll < DiceHands::kRollCount; ++roll) {
        double best = -1;
        for (int c = 0; c < 13; ++c) {
            const double v = table.commitValue(state, c, roll);
            if (!std::isnan(v)) best = std::max(best, v);
        }
        ASSERT_NEAR(turn.scoreNow[std::size_t(roll)], best, kExact) << roll;
    }
    EXPECT_TRUE(std::isnan(table.commitValue(state, 1, 0)));  // Twos is used
}

TEST(CoachTable, commitAddsBonusAndExtraPointsAsTheCardDoes) {
    const CoachTable& table = korvexTable();
    const int sixSixes =
        table.hands().handOfFaces(std::array{6, 6, 6, 6, 6}.data(), 5) - DiceHands::kFirstRoll;
    // 33 + 30 reaches the threshold: 30 points, the bonus, and the extra points for five alike.
    const CoachState state = onlyOpen({kSixes, kChance}, 33, true);
    EXPECT_NEAR(table.commitValue(state, kSixes, sixSixes),
                30 + 35 + 100 + table.stateValue(onlyOpen({kChance}, 63, true)), kExact);
    // Scoring Korvex with five alike sets the flag for the turns after.
    const CoachState open = onlyOpen({kKorvex, kChance}, 63, false);
    EXPECT_NEAR(table.commitValue(open, kKorvex, sixSixes),
                50 + table.stateValue(onlyOpen({kChance}, 63, true)), kExact);
}

TEST(DiceHands, countsEveryHandOnceWithTheRightChances) {
    const DiceHands hands(CoachRules::korvex());
    double total = 0;
    for (int r = 0; r < DiceHands::kRollCount; ++r) total += hands.rollChance(r);
    EXPECT_NEAR(total, 1.0, 1e-12);
    for (int h = 0; h < DiceHands::kHandCount; ++h) {
        EXPECT_EQ(hands.handOf(hands.counts(h)), h);
        if (h > 0) {
            EXPECT_GE(hands.size(h), hands.size(h - 1));
        }
        if (hands.size(h) < 5) {
            for (int f = 1; f <= 6; ++f)
                EXPECT_EQ(hands.size(hands.withDie(h, f)), hands.size(h) + 1);
        }
    }
    EXPECT_EQ(hands.handOfFaces(std::array{1, 2, 7}.data(), 3), -1);
}

TEST(DiceHands, fullHouseOfFiveAlikeFollowsTheRules) {
    const std::array five{3, 3, 3, 3, 3};
    const int roll =
        DiceHands(CoachRules::korvex()).handOfFaces(five.data(), 5) - DiceHands::kFirstRoll;
    const int fullHouse = int(CategoryId::FullHouse);
    EXPECT_EQ(DiceHands(CoachRules::korvex()).points(fullHouse, roll), 25);
    EXPECT_EQ(DiceHands(CoachRules::classic()).points(fullHouse, roll), 0);
    EXPECT_EQ(DiceHands(CoachRules::classic()).points(int(CategoryId::Korvex), roll), 50);
}

// The cached table is the solved one, value for value; any file that is not exactly what this
// version wrote for these rules is refused, so a damaged cache is solved afresh, never used.
TEST(CoachTableFile, readsBackWhatWasSavedAndRefusesAnyOtherFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("coach-table.bin"));
    const CoachTable& solved = korvexTable();
    ASSERT_TRUE(solved.save(path));
    const std::unique_ptr<CoachTable> read = CoachTable::load(CoachRules::korvex(), path);
    ASSERT_TRUE(read);
    const CoachState middle = onlyOpen({2, 7, 9, 11, 12}, 40, true);
    for (const CoachState& state : {CoachState{}, middle}) {
        const TurnValues a = solved.turn(state), b = read->turn(state);
        EXPECT_EQ(a.keepTwoLeft, b.keepTwoLeft);
        EXPECT_EQ(solved.stateValue(state), read->stateValue(state));
    }
    EXPECT_FALSE(read->reachable({1u, 7, false}));  // unreachable stays unreachable
    EXPECT_FALSE(CoachTable::load(CoachRules::classic(), path));

    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray good = file.readAll();
    file.close();
    const struct {
        const char* what;
        QByteArray bytes;
    } spoilt[] = {
        {"cut short", good.left(good.size() - 1)},
        {"a value changed", QByteArray(good).replace(4000, 1, QByteArray(1, char(good[4000] ^ 1)))},
        {"another layout", QByteArray(good).replace(8, 1, "\x09")},
        {"empty", QByteArray()},
    };
    for (const auto& s : spoilt) {
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(s.bytes);
        file.close();
        EXPECT_FALSE(CoachTable::load(CoachRules::korvex(), path)) << s.what;
    }
    EXPECT_FALSE(CoachTable::load(CoachRules::korvex(), dir.filePath(QStringLiteral("none"))));
}

}  // namespace
}  // namespace korvex
