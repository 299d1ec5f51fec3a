// SPDX-License-Identifier: GPL-3.0-or-later
#include "record_windows/statistics_charts.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QCoreApplication>
#include <QHorizontalBarSeries>
#include <QLineSeries>
#include <QValueAxis>
#include <algorithm>

#include "core/rules.h"
#include "record/optimal_averages.h"

namespace korvex {
namespace {

// The texts of StatisticsWindow, under the context lupdate files them in.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(StatisticsWindow)
};

QChart* newChart(const QString& title) {
    auto* chart = new QChart;
    chart->setTitle(title);
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->legend()->setAlignment(Qt::AlignBottom);
    chart->setMargins(QMargins(4, 4, 4, 4));
    return chart;
}

}  // namespace

QChart* totalsHistogram(const GameStatistics& statistics, QString& description) {
    QChart* chart = newChart(Text::tr("How often each total was scored"));
    const Histogram h = histogramOf(statistics.totals, 20);
    auto* games = new QBarSet(Text::tr("Games"));
    QStringList bins;
    for (std::size_t i = 0; i < h.counts.size(); ++i) {
        *games << h.counts[i];
        bins << QString::number(h.first + int(i) * h.width);
    }
    auto* series = new QBarSeries;
    series->append(games);
    series->setBarWidth(0.95);
    chart->addSeries(series);
    auto* x = new QBarCategoryAxis;
    x->append(bins);
    x->setTitleText(Text::tr("Total (lower edge of each %1-point band)").arg(h.width));
    x->setLabelsAngle(-90);
    auto* y = new QValueAxis;
    y->setTitleText(Text::tr("Games"));
    y->setLabelFormat(QStringLiteral("%d"));
    y->setRange(
        0, std::max(5, h.counts.empty() ? 0 : *std::max_element(h.counts.begin(), h.counts.end())));
    y->applyNiceNumbers();
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    series->attachAxis(x);
    series->attachAxis(y);
    chart->legend()->hide();
    if (h.counts.empty()) {
        description = Text::tr("No games yet.");
    } else {
        const auto peak = std::max_element(h.counts.begin(), h.counts.end()) - h.counts.begin();
        const int low = h.first + int(peak) * h.width;
        description = Text::tr(
                          "Bar chart of the totals of %1 games in bands of %2 points; the most "
                          "games, %3, scored from %4 to %5.")
                          .arg(statistics.games)
                          .arg(h.width)
                          .arg(h.counts[std::size_t(peak)])
                          .arg(low)
                          .arg(low + h.width - 1);
    }
    return chart;
}

QChart* totalsOverTime(const GameStatistics& statistics, QString& description) {
    constexpr int kWindow = 10;
    QChart* chart = newChart(Text::tr("Totals over time"));
    auto* totals = new QLineSeries;
    totals->setName(Text::tr("Total"));
    auto* average = new QLineSeries;
    average->setName(Text::tr("Average of the last %1 games").arg(kWindow));
    const std::vector<double> moving = movingAverage(statistics.totals, kWindow);
    QList<QPointF> points, smooth;
    points.reserve(qsizetype(moving.size()));
    smooth.reserve(qsizetype(moving.size()));
    for (std::size_t i = 0; i < moving.size(); ++i) {
        points.append(QPointF(double(i + 1), statistics.totals[i]));
        smooth.append(QPointF(double(i + 1), moving[i]));
    }
    totals->replace(points);
    average->replace(smooth);
    QPen thin(QColor(150, 170, 200));
    thin.setWidthF(1);
    totals->setPen(thin);
    QPen bold(QColor(200, 60, 20));
    bold.setWidthF(2.5);
    average->setPen(bold);
    chart->addSeries(totals);
    chart->addSeries(average);
    auto* x = new QValueAxis;
    x->setTitleText(Text::tr("Game"));
    x->setLabelFormat(QStringLiteral("%d"));
    x->setRange(1, std::max<double>(2, double(moving.size())));
    auto* y = new QValueAxis;
    y->setTitleText(Text::tr("Total"));
    y->setLabelFormat(QStringLiteral("%d"));
    y->setRange(0, std::max(100, statistics.best + 10));
    y->applyNiceNumbers();
    x->applyNiceNumbers();
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    for (QLineSeries* s : {totals, average}) {
        s->attachAxis(x);
        s->attachAxis(y);
    }
    description = moving.empty()
                      ? Text::tr("No games yet.")
                      : Text::tr(
                            "Line chart of the totals of %1 games in the order they were "
                            "played, with the average of the last %2; the latest "
                            "average is %3.")
                            .arg(statistics.games)
                            .arg(kWindow)
                            .arg(moving.back(), 0, 'f', 1);
    return chart;
}

QChart* categoryComparison(const GameStatistics& statistics, QString& description) {
    QChart* chart = newChart(Text::tr("Average points per category"));
    auto* yours = new QBarSet(Text::tr("Your average"));
    auto* optimal = new QBarSet(Text::tr("Optimal play"));
    QStringList names;
    // Listed bottom to top, so that the card reads from the top down.
    for (int c = kCategoryCount - 1; c >= 0; --c) {
        *yours << statistics.categoryAverage[std::size_t(c)];
        *optimal << kOptimalAverages.category[std::size_t(c)];
        names << displayTitle(CategoryId(c));
    }
    auto* series = new QHorizontalBarSeries;
    series->append(yours);
    series->append(optimal);
    chart->addSeries(series);
    auto* y = new QBarCategoryAxis;
    y->append(names);
    auto* x = new QValueAxis;
    x->setTitleText(Text::tr("Points"));
    x->setRange(0, 50);
    x->setTickCount(6);
    x->setLabelFormat(QStringLiteral("%d"));
    chart->addAxis(y, Qt::AlignLeft);
    chart->addAxis(x, Qt::AlignBottom);
    series->attachAxis(x);
    series->attachAxis(y);
    int furthest = 0;
    for (int c = 1; c < kCategoryCount; ++c)
        if (kOptimalAverages.category[std::size_t(c)] - statistics.categoryAverage[std::size_t(c)] >
            kOptimalAverages.category[std::size_t(furthest)] -
                statistics.categoryAverage[std::size_t(furthest)])
            furthest = c;
    description = statistics.games == 0
                      ? Text::tr("No games yet.")
                      : Text::tr(
                            "Bar chart of your average points in each of the thirteen categories "
                            "beside what optimal play scores there; you trail it most in %1, "
                            "%2 against %3.")
                            .arg(displayTitle(CategoryId(furthest)))
                            .arg(statistics.categoryAverage[std::size_t(furthest)], 0, 'f', 1)
                            .arg(kOptimalAverages.category[std::size_t(furthest)], 0, 'f', 1);
    return chart;
}

}  // namespace korvex
