// SPDX-License-Identifier: GPL-3.0-or-later
#include "record/game_statistics.h"

#include <QStringList>
#include <algorithm>

#include "core/rules.h"

namespace korvex {

GameStatistics computeStatistics(const std::vector<GameSummary>& games, bool includeForced) {
    GameStatistics s;
    std::array<double, kCategoryCount> categorySum{};
    double sum = 0;
    int bonuses = 0, fives = 0;
    for (const GameSummary& g : games) {
        if (g.forced && !includeForced) continue;
        s.totals.push_back(g.total);
        sum += g.total;
        s.best = s.games == 0 ? g.total : std::max(s.best, g.total);
        bonuses += g.bonus > 0;
        fives += g.points[std::size_t(CategoryId::Korvex)] > 0;
        for (int c = 0; c < kCategoryCount; ++c)
            categorySum[std::size_t(c)] += g.points[std::size_t(c)];
        ++s.games;
    }
    if (s.games == 0) return s;
    s.average = sum / s.games;
    s.bonusRate = double(bonuses) / s.games;
    s.fiveOfAKindRate = double(fives) / s.games;
    for (int c = 0; c < kCategoryCount; ++c)
        s.categoryAverage[std::size_t(c)] = categorySum[std::size_t(c)] / s.games;
    std::vector<int> sorted = s.totals;
    const std::size_t mid = sorted.size() / 2;
    std::nth_element(sorted.begin(), sorted.begin() + long(mid), sorted.end());
    s.median = sorted[mid];
    if (sorted.size() % 2 == 0)
        s.median = (s.median + *std::max_element(sorted.begin(), sorted.begin() + long(mid))) / 2;
    return s;
}

std::vector<double> movingAverage(const std::vector<int>& totals, int window) {
    std::vector<double> out;
    out.reserve(totals.size());
    double sum = 0;
    for (std::size_t i = 0; i < totals.size(); ++i) {
        sum += totals[i];
        if (i >= std::size_t(window)) sum -= totals[i - std::size_t(window)];
        out.push_back(sum / double(std::min<std::size_t>(i + 1, std::size_t(window))));
    }
    return out;
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
