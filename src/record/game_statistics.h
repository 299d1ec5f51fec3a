// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The figures the Statistics window shows, computed from game summaries alone: how many games,
// average, median and best total, how often the bonus and a five of a kind in Korvex were won,
// and the average of each category. Games from a run with a forced roll count only on request.

#include <QString>
#include <array>
#include <vector>

#include "record/game_summary.h"

namespace korvex {

struct GameStatistics {
    int games = 0;
    double average = 0;
    double median = 0;
    int best = 0;
    double bonusRate = 0;        // share of games that won the upper bonus, 0 to 1
    double fiveOfAKindRate = 0;  // share of games with a five of a kind scored in Korvex
    std::array<double, kCategoryCount> categoryAverage{};
    std::vector<int> totals;  // the totals counted, oldest game first

    friend bool operator==(const GameStatistics&, const GameStatistics&) = default;
};

GameStatistics computeStatistics(const std::vector<GameSummary>& games, bool includeForced);

// The average of each total with the ones before it, over at most `window` games.
std::vector<double> movingAverage(const std::vector<int>& totals, int window);

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
