// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The figures the Statistics window shows, computed from game summaries alone: how many games,
// average, median and best total, how often the bonus and a five of a kind in Korvex were won,
// the average of each category, and, over the games the coach's table has judged, the points
// the decisions gave up and the luck of the dice. Games from a run with a forced roll count only
// on request.

#include <QString>
#include <array>
#include <vector>

#include "record/game_summary.h"
#include "record/practice_record.h"

namespace korvex {

struct GameStatistics {
    int games = 0;
    double average = 0;
    double median = 0;
    int best = 0;
    double bonusRate = 0;        // share of games that won the upper bonus, 0 to 1
    double fiveOfAKindRate = 0;  // share of games with a five of a kind scored in Korvex
    std::array<double, kCategoryCount> categoryAverage{};
    std::vector<int> totals;          // the totals counted, oldest game first
    std::vector<QDateTime> finished;  // when each of them was finished

    // The counted games whose luck the coach's table has worked out, and their figures.
    int judged = 0;
    double givenUpMean = 0, givenUpMedian = 0;
    double givenUpRecent = 0;  // over the last kRecentGames of them
    double luckMean = 0;
    std::vector<double> givenUp;             // each judged game's, oldest first
    std::vector<QDateTime> givenUpFinished;  // when each of them was finished

    static constexpr int kRecentGames = 10;
    friend bool operator==(const GameStatistics&, const GameStatistics&) = default;
};

GameStatistics computeStatistics(const std::vector<GameSummary>& games, bool includeForced);

// The average of each value with the ones before it, over at most `window` of them.
std::vector<double> movingAverage(const std::vector<double>& values, int window);

// A figure over time, as a chart can draw it whatever the number of games: one point per game
// while they are few, else one per block of consecutive games, each with the mean of its block
// and the moving average of the `window` games up to its last one.
struct Trend {
    struct Point {
        int last = 0;        // the number (from 1) of the block's last game
        QDateTime finished;  // when that game was finished
        double mean = 0;     // the block's mean
        double average = 0;  // the moving average at its last game
    };
    int perPoint = 1;  // games in each block
    int window = 10;   // games in the moving average
    std::vector<Point> points;
};
// `finished` may be empty (for figures without dates) or as long as `values`. The moving
// average covers `window` points' worth of games, never fewer than `minWindow` of them.
Trend trendOf(const std::vector<double>& values, const std::vector<QDateTime>& finished,
              int minWindow = 10, int maxPoints = 250);

// Practice's proficiency as it moved: after each answer, the mean points given up per decision
// over it and the ones before it, at most `window` answers.
std::vector<double> practiceProficiency(const std::vector<PracticeAnswer>& answers,
                                        int window = 50);

struct Histogram {
    int first = 0;  // lower edge of the first bin
    int width = 10;
    std::vector<int> counts;
};
// Bins of a round width covering every total, at most `maxBins` of them.
Histogram histogramOf(const std::vector<int>& totals, int maxBins = 30);

// Every game as CSV: a header, then one line per game with one column per category.
QString csvOf(const std::vector<GameSummary>& games);

}  // namespace korvex
