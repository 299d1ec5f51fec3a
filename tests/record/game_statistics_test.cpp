// SPDX-License-Identifier: GPL-3.0-or-later
// The statistics: 10,000 generated games written to the database and read back give the same
// figures as a direct computation over the games in memory, with and without the games of a
// run with a forced roll; and the small helpers behind the charts and the export.

#include "record/game_statistics.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <algorithm>
#include <numeric>

#include "core/rules.h"
#include "record/sqlite/game_database.h"
#include "support/core_application.h"
#include "support/game_generator.h"

namespace korvex::test {
namespace {

// The figures straight from whole records: independent of summaries and of the database.
GameStatistics direct(const std::vector<GameRecord>& games, bool includeForced) {
    GameStatistics s;
    std::array<double, kCategoryCount> sums{};
    int bonuses = 0, fives = 0;
    for (const GameRecord& g : games) {
        if (g.forced && !includeForced) continue;
        s.totals.push_back(g.total);
        bonuses += g.bonus == 35;
        for (const TurnRecord& t : g.turns) {
            sums[std::size_t(*t.category)] += t.points;
            fives += t.category == CategoryId::Korvex && t.points == 50;
        }
    }
    s.games = int(s.totals.size());
    std::vector<int> sorted = s.totals;
    std::sort(sorted.begin(), sorted.end());
    s.best = sorted.back();
    s.median = sorted.size() % 2
                   ? sorted[sorted.size() / 2]
                   : (sorted[sorted.size() / 2 - 1] + sorted[sorted.size() / 2]) / 2.0;
    s.average = std::accumulate(sorted.begin(), sorted.end(), 0.0) / s.games;
    s.bonusRate = double(bonuses) / s.games;
    s.fiveOfAKindRate = double(fives) / s.games;
    for (int c = 0; c < 13; ++c) s.categoryAverage[std::size_t(c)] = sums[std::size_t(c)] / s.games;
    return s;
}

void expectSame(const GameStatistics& read, const GameStatistics& expected) {
    EXPECT_EQ(read.games, expected.games);
    EXPECT_EQ(read.totals, expected.totals);
    EXPECT_EQ(read.best, expected.best);
    EXPECT_DOUBLE_EQ(read.median, expected.median);
    EXPECT_NEAR(read.average, expected.average, 1e-9);
    EXPECT_NEAR(read.bonusRate, expected.bonusRate, 1e-12);
    EXPECT_NEAR(read.fiveOfAKindRate, expected.fiveOfAKindRate, 1e-12);
    for (int c = 0; c < 13; ++c)
        EXPECT_NEAR(read.categoryAverage[std::size_t(c)], expected.categoryAverage[std::size_t(c)],
                    1e-9)
            << category(c).title;
}

TEST(GameStatistics, tenThousandGamesReadBackGiveTheFiguresOfADirectComputation) {
    ensureCoreApplication();
    QTemporaryDir dir;
    GameGenerator generator(12, {nullptr, 0.0, 0.05, 0.3});
    std::vector<GameRecord> games;
    for (int i = 0; i < 10000; ++i) games.push_back(generator.next());
    GameDatabase database(dir.filePath("games.sqlite"));
    ASSERT_TRUE(database.store(games.data(), games.size())) << qPrintable(database.error());
    const auto read = database.summaries();
    ASSERT_TRUE(read);
    ASSERT_EQ(read->size(), games.size());
    ASSERT_GT(std::count_if(games.begin(), games.end(), [](auto& g) { return g.forced; }), 100);
    for (bool includeForced : {false, true}) {
        SCOPED_TRACE(includeForced ? "forced games included" : "forced games left out");
        expectSame(computeStatistics(*read, includeForced), direct(games, includeForced));
    }
}

TEST(GameStatistics, chartHelpersCoverEveryGame) {
    EXPECT_EQ(movingAverage({10, 20, 30, 40}, 2), (std::vector<double>{10, 15, 25, 35}));
    struct Case {
        std::vector<int> totals;
        int first, width;
    };
    for (const Case& c :
         {Case{{5, 5, 5}, 0, 10}, Case{{95, 305}, 90, 10}, Case{{41, 1575}, 0, 100}}) {
        const Histogram h = histogramOf(c.totals);
        EXPECT_EQ(h.first, c.first);
        EXPECT_EQ(h.width, c.width);
        EXPECT_LE(h.counts.size(), 30u);
        EXPECT_EQ(std::accumulate(h.counts.begin(), h.counts.end(), 0), int(c.totals.size()));
    }
    EXPECT_TRUE(histogramOf({}).counts.empty());
    EXPECT_EQ(computeStatistics({}, true).games, 0);
}

TEST(GameStatistics, givenUpAndLuckCountOnlyTheJudgedGames) {
    GameGenerator generator(4, {});
    std::vector<GameSummary> games;
    // Given up 1, 2, ... 15 (the 6th game forced, every 4th not yet judged), luck alternating.
    for (int i = 1; i <= 15; ++i) {
        GameSummary g = summaryOf(generator.next());
        g.forced = i == 6;
        if (i % 4 != 0) {
            g.givenUp = double(i);
            g.luck = i % 2 ? 10.0 : -4.0;
        }
        games.push_back(g);
    }
    const GameStatistics s = computeStatistics(games, false);
    // Judged and counted: 1 2 3 5 7 9 10 11 13 14 15.
    EXPECT_EQ(s.games, 14);
    EXPECT_EQ(s.judged, 11);
    EXPECT_EQ(s.givenUp, (std::vector<double>{1, 2, 3, 5, 7, 9, 10, 11, 13, 14, 15}));
    EXPECT_DOUBLE_EQ(s.givenUpMean, 90.0 / 11);
    EXPECT_DOUBLE_EQ(s.givenUpMedian, 9);
    EXPECT_DOUBLE_EQ(s.givenUpRecent, 89.0 / 10);
    EXPECT_DOUBLE_EQ(s.luckMean, (8 * 10.0 - 3 * 4.0) / 11);
    EXPECT_EQ(s.givenUpFinished.back(), games.back().finished);
    EXPECT_EQ(computeStatistics(games, true).judged, 12);
    for (GameSummary& g : games) g.givenUp.reset();
    EXPECT_EQ(computeStatistics(games, true).judged, 0);
}

TEST(GameStatistics, aTrendCoversEveryGameInAtMostItsPoints) {
    struct Case {
        int games, maxPoints, perPoint;
    };
    for (const Case& c : {Case{1, 250, 1}, Case{250, 250, 1}, Case{251, 250, 2},
                          Case{10000, 250, 40}, Case{999, 100, 10}}) {
        SCOPED_TRACE(c.games);
        std::vector<double> values;
        std::vector<QDateTime> when;
        for (int i = 0; i < c.games; ++i) {
            values.push_back(i % 7);
            when.push_back(QDateTime::fromSecsSinceEpoch(1'700'000'000 + 3600 * i, Qt::UTC));
        }
        const Trend t = trendOf(values, when, 10, c.maxPoints);
        EXPECT_EQ(t.perPoint, c.perPoint);
        ASSERT_LE(int(t.points.size()), c.maxPoints);
        EXPECT_EQ(t.points.back().last, c.games);
        EXPECT_EQ(t.points.back().finished, when.back());
        double weighted = 0;
        for (std::size_t p = 0; p < t.points.size(); ++p) {
            const int first = p == 0 ? 0 : t.points[p - 1].last;
            weighted += t.points[p].mean * (t.points[p].last - first);
        }
        EXPECT_NEAR(weighted, std::accumulate(values.begin(), values.end(), 0.0), 1e-6);
        const int window = std::min(c.games, t.window);
        EXPECT_NEAR(t.points.back().average,
                    std::accumulate(values.end() - window, values.end(), 0.0) / window, 1e-9);
    }
    EXPECT_TRUE(trendOf({}, {}).points.empty());
}

TEST(GameStatistics, practiceProficiencyIsTheMeanOfTheLastFiftyAnswers) {
    std::vector<PracticeAnswer> answers(120);
    for (std::size_t i = 0; i < answers.size(); ++i) answers[i].givenUp = i < 60 ? 2.0 : 0.0;
    const std::vector<double> p = practiceProficiency(answers);
    ASSERT_EQ(p.size(), answers.size());
    EXPECT_DOUBLE_EQ(p[0], 2);
    EXPECT_DOUBLE_EQ(p[59], 2);
    EXPECT_DOUBLE_EQ(p[84], 2.0 * 25 / 50);
    EXPECT_DOUBLE_EQ(p[119], 0);
    EXPECT_TRUE(practiceProficiency({}).empty());
}

TEST(GameStatistics, theExportHasOneLinePerGameAndOneColumnPerCategory) {
    GameGenerator generator(3, {});
    std::vector<GameSummary> games;
    for (int i = 0; i < 3; ++i) games.push_back(summaryOf(generator.next()));
    const QStringList lines = csvOf(games).split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 4);
    const QStringList header = lines[0].split(',');
    EXPECT_TRUE(header.contains("Full House"));
    for (int i = 1; i < 4; ++i) {
        const QStringList row = lines[i].split(',');
        ASSERT_EQ(row.size(), header.size());
        const GameSummary& g = games[std::size_t(i - 1)];
        EXPECT_EQ(row[header.indexOf("Full House")].toInt(), g.points[8]);
        EXPECT_EQ(row[header.indexOf("total")].toInt(), g.total);
    }
}

}  // namespace
}  // namespace korvex::test
