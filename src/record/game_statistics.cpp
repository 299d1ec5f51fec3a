// SPDX-License-Identifier: GPL-3.0-or-later
#include "record/game_statistics.h"

#include <QStringList>
#include <algorithm>
#include <numeric>

#include "core/rules.h"

namespace korvex {

namespace {

template <typename T>
double medianOf(std::vector<T> values) {
    const std::size_t mid = values.size() / 2;
    std::nth_element(values.begin(), values.begin() + long(mid), values.end());
    double median = values[mid];
    if (values.size() % 2 == 0)
        median = (median + *std::max_element(values.begin(), values.begin() + long(mid))) / 2;
    return median;
}

double meanOf(std::vector<double>::const_iterator first, std::vector<double>::const_iterator last) {
    return first == last ? 0.0 : std::accumulate(first, last, 0.0) / double(last - first);
}

void judgedFigures(const std::vector<double>& luck, GameStatistics& s) {
    s.judged = int(s.givenUp.size());
    if (s.judged == 0) return;
    s.givenUpMean = meanOf(s.givenUp.begin(), s.givenUp.end());
    s.givenUpMedian = medianOf(s.givenUp);
    s.givenUpRecent =
        meanOf(s.givenUp.end() - std::min(s.judged, GameStatistics::kRecentGames), s.givenUp.end());
    s.luckMean = meanOf(luck.begin(), luck.end());
}

}  // namespace

GameStatistics computeStatistics(const std::vector<GameSummary>& games, bool includeForced) {
    GameStatistics s;
    std::vector<double> luck;
    std::array<double, kCategoryCount> categorySum{};
    double sum = 0;
    int bonuses = 0, fives = 0;
    for (const GameSummary& g : games) {
        if (g.forced && !includeForced) continue;
        s.totals.push_back(g.total);
        s.finished.push_back(g.finished);
        if (g.givenUp && g.luck) {
            s.givenUp.push_back(*g.givenUp);
            s.givenUpFinished.push_back(g.finished);
            luck.push_back(*g.luck);
        }
        sum += g.total;
        s.best = s.games == 0 ? g.total : std::max(s.best, g.total);
        bonuses += g.bonus > 0;
        fives += g.points[std::size_t(CategoryId::Korvex)] > 0;
        for (int c = 0; c < kCategoryCount; ++c)
            categorySum[std::size_t(c)] += g.points[std::size_t(c)];
        ++s.games;
    }
    if (s.games == 0) return s;
    judgedFigures(luck, s);
    s.average = sum / s.games;
    s.bonusRate = double(bonuses) / s.games;
    s.fiveOfAKindRate = double(fives) / s.games;
    for (int c = 0; c < kCategoryCount; ++c)
        s.categoryAverage[std::size_t(c)] = categorySum[std::size_t(c)] / s.games;
    s.median = medianOf(s.totals);
    return s;
}

std::vector<double> movingAverage(const std::vector<double>& values, int window) {
    std::vector<double> out;
    out.reserve(values.size());
    const std::size_t w = std::size_t(std::max(1, window));
    double sum = 0;
    for (std::size_t i = 0; i < values.size(); ++i) {
        sum += values[i];
        if (i >= w) sum -= values[i - w];
        out.push_back(sum / double(std::min(i + 1, w)));
    }
    return out;
}

Trend trendOf(const std::vector<double>& values, const std::vector<QDateTime>& finished,
              int minWindow, int maxPoints) {
    Trend trend;
    const int n = int(values.size());
    trend.perPoint = std::max(1, (n + maxPoints - 1) / std::max(1, maxPoints));
    trend.window = std::max(minWindow, 10 * trend.perPoint);
    const std::vector<double> average = movingAverage(values, trend.window);
    for (int first = 0; first < n; first += trend.perPoint) {
        const int last = std::min(n, first + trend.perPoint);
        Trend::Point& p = trend.points.emplace_back();
        p.last = last;
        if (std::size_t(last) <= finished.size()) p.finished = finished[std::size_t(last - 1)];
        p.mean = meanOf(values.begin() + first, values.begin() + last);
        p.average = average[std::size_t(last - 1)];
    }
    return trend;
}

std::vector<double> practiceProficiency(const std::vector<PracticeAnswer>& answers, int window) {
    std::vector<double> givenUp;
    givenUp.reserve(answers.size());
    for (const PracticeAnswer& a : answers) givenUp.push_back(a.givenUp);
    return movingAverage(givenUp, window);
}

Histogram histogramOf(const std::vector<int>& totals, int maxBins) {
    Histogram h;
    if (totals.empty()) return h;
    const auto [low, high] = std::minmax_element(totals.begin(), totals.end());
    // Round widths a player reads at a glance: 10, 20, 25, 50, 100 ...
    for (int width : {10, 20, 25, 50, 100, 200, 500, 1000}) {
        h.width = width;
        h.first = *low / width * width;
        if ((*high - h.first) / width + 1 <= maxBins) break;
    }
    h.counts.assign(std::size_t((*high - h.first) / h.width + 1), 0);
    for (int total : totals) ++h.counts[std::size_t((total - h.first) / h.width)];
    return h;
}

QString csvOf(const std::vector<GameSummary>& games) {
    QStringList header = {QStringLiteral("id"), QStringLiteral("started"),
                          QStringLiteral("finished")};
    for (const Category& c : categories()) header << QString::fromLatin1(c.title);
    header << QStringLiteral("bonus") << QStringLiteral("extra") << QStringLiteral("total")
           << QStringLiteral("forced") << QStringLiteral("coach");
    QString out = header.join(QLatin1Char(',')) + QLatin1Char('\n');
    for (const GameSummary& g : games) {
        QStringList row = {QString::number(g.id), g.started.toString(Qt::ISODate),
                           g.finished.toString(Qt::ISODate)};
        for (int points : g.points) row << QString::number(points);
        row << QString::number(g.bonus) << QString::number(g.extra) << QString::number(g.total)
            << QString::number(int(g.forced)) << QString::number(int(g.coach));
        out += row.join(QLatin1Char(',')) + QLatin1Char('\n');
    }
    return out;
}

}  // namespace korvex
