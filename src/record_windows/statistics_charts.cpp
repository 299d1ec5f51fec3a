// SPDX-License-Identifier: GPL-3.0-or-later
#include "record_windows/statistics_charts.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QCoreApplication>
#include <QDateTimeAxis>
#include <QHorizontalBarSeries>
#include <QLineSeries>
#include <QLocale>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

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

QString onePlace(double value) {
    return QLocale().toString(value, 'f', 1);
}

// A histogram of a few games still gets a chart's worth of bands, the empty ones around them,
// so that one game shows as one bar on a scale rather than as a bar filling the chart.
void widen(Histogram& h, std::size_t bands) {
    for (bool below = true; h.counts.size() < bands; below = !below) {
        if (below && h.first >= h.width) {
            h.first -= h.width;
            h.counts.insert(h.counts.begin(), 0);
        } else {
            h.counts.push_back(0);
        }
    }
}

// The scale of totals under the bars: each bar spans its band, and the ticks fall on band edges
// at a round step, few enough to read across.
QValueAxis* totalsScale(const Histogram& h) {
    auto* axis = new QValueAxis;
    axis->setTitleText(Text::tr("Total"));
    axis->setLabelFormat(QStringLiteral("%d"));
    const int bands = int(h.counts.size());
    axis->setRange(h.first, h.first + bands * h.width);
    axis->setTickType(QValueAxis::TicksDynamic);
    axis->setTickAnchor(h.first);
    axis->setTickInterval(h.width * std::max(1, (bands + 9) / 10));
    return axis;
}

// The time axis of a chart over the games: dates at a grain that suits the span they cover.
QDateTimeAxis* timeAxis(const std::vector<Trend::Point>& points) {
    auto* axis = new QDateTimeAxis;
    axis->setTitleText(Text::tr("Date"));
    QDateTime first = points.front().finished, last = points.back().finished;
    if (first.secsTo(last) < 3600) {
        first = first.addSecs(-1800);
        last = last.addSecs(1800);
    }
    const qint64 days = first.daysTo(last);
    axis->setFormat(days > 400 ? QStringLiteral("MMM yyyy")
                    : days > 2 ? QStringLiteral("d MMM")
                               : QStringLiteral("d MMM hh:mm"));
    axis->setRange(first, last);
    axis->setTickCount(6);
    return axis;
}

// The look both lines of a figure over time share: the block's own figure thin and pale, the
// moving average bold.
void styleTrend(QLineSeries* each, QLineSeries* average) {
    QPen thin(QColor(150, 170, 200));
    thin.setWidthF(1);
    each->setPen(thin);
    QPen bold(QColor(200, 60, 20));
    bold.setWidthF(2.5);
    average->setPen(bold);
}

struct TrendNames {
    QString title, figure, eachGame, eachBlock;
};

// A figure of the games over time: one line through the games or their blocks, one through the
// moving average, the dates along the bottom. Empty when there is nothing to draw.
QChart* trendChart(const Trend& trend, const TrendNames& names, double top) {
    QChart* chart = newChart(names.title);
    auto* each = new QLineSeries;
    each->setName(trend.perPoint == 1 ? names.eachGame : names.eachBlock.arg(trend.perPoint));
    auto* average = new QLineSeries;
    average->setName(Text::tr("Average of the last %1 games").arg(trend.window));
    QList<QPointF> points, smooth;
    points.reserve(qsizetype(trend.points.size()));
    smooth.reserve(qsizetype(trend.points.size()));
    for (const Trend::Point& p : trend.points) {
        const double x = double(p.finished.toMSecsSinceEpoch());
        points.append(QPointF(x, p.mean));
        smooth.append(QPointF(x, p.average));
    }
    each->replace(points);
    average->replace(smooth);
    styleTrend(each, average);
    // A line through a few games hides them, and through one game shows nothing: mark each.
    each->setPointsVisible(points.size() <= 40);
    each->setMarkerSize(7);
    chart->addSeries(each);
    chart->addSeries(average);
    auto* y = new QValueAxis;
    y->setTitleText(names.figure);
    y->setLabelFormat(QStringLiteral("%d"));
    y->setRange(0, top);
    y->applyNiceNumbers();
    chart->addAxis(y, Qt::AlignLeft);
    if (!trend.points.empty()) {
        QDateTimeAxis* x = timeAxis(trend.points);
        chart->addAxis(x, Qt::AlignBottom);
        each->attachAxis(x);
        average->attachAxis(x);
    } else {
        chart->legend()->hide();
    }
    each->attachAxis(y);
    average->attachAxis(y);
    return chart;
}

double highest(const Trend& trend) {
    double top = 0;
    for (const Trend::Point& p : trend.points) top = std::max({top, p.mean, p.average});
    return top;
}

}  // namespace

QChart* totalsHistogram(const GameStatistics& statistics, QString& description) {
    QChart* chart = newChart(Text::tr("How often each total was scored"));
    Histogram h = histogramOf(statistics.totals, 30);
    if (!h.counts.empty()) widen(h, 10);
    auto* games = new QBarSet(Text::tr("Games"));
    QStringList bands;
    for (std::size_t i = 0; i < h.counts.size(); ++i) {
        *games << h.counts[i];
        bands << QString::number(h.first + int(i) * h.width);
    }
    auto* series = new QBarSeries;
    series->append(games);
    series->setBarWidth(0.95);
    chart->addSeries(series);
    // The bars stand on bands; the scale below them reads in totals.
    auto* x = new QBarCategoryAxis;
    x->append(bands);
    x->setVisible(false);
    auto* y = new QValueAxis;
    y->setTitleText(Text::tr("Games"));
    y->setLabelFormat(QStringLiteral("%d"));
    y->setRange(
        0, std::max(5, h.counts.empty() ? 0 : *std::max_element(h.counts.begin(), h.counts.end())));
    y->applyNiceNumbers();
    chart->addAxis(x, Qt::AlignBottom);
    if (!h.counts.empty()) chart->addAxis(totalsScale(h), Qt::AlignBottom);
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
    const std::vector<double> totals(statistics.totals.begin(), statistics.totals.end());
    const Trend trend = trendOf(totals, statistics.finished);
    QChart* chart = trendChart(trend,
                               {Text::tr("Totals over time"), Text::tr("Total"), Text::tr("Total"),
                                Text::tr("Mean total of each %1 games")},
                               std::max(100.0, highest(trend) + 10));
    description = trend.points.empty()
                      ? Text::tr("No games yet.")
                      : Text::tr(
                            "Line chart of the totals of %1 games in the order they were "
                            "played, with the average of the last %2; the latest "
                            "average is %3.")
                            .arg(statistics.games)
                            .arg(trend.window)
                            .arg(onePlace(trend.points.back().average));
    return chart;
}

QChart* givenUpOverTime(const GameStatistics& statistics, QString& description) {
    const Trend trend = trendOf(statistics.givenUp, statistics.givenUpFinished);
    QChart* chart = trendChart(trend,
                               {Text::tr("Points given up per game"), Text::tr("Points given up"),
                                Text::tr("Points given up"), Text::tr("Mean of each %1 games")},
                               std::max(10.0, std::ceil(highest(trend) / 10) * 10));
    description = trend.points.empty()
                      ? Text::tr("The coach has judged no game yet.")
                      : Text::tr(
                            "Line chart of the expected points your decisions gave up in each of "
                            "%1 games judged by the coach, with the average of the last %2; the "
                            "latest average is %3.")
                            .arg(statistics.judged)
                            .arg(trend.window)
                            .arg(onePlace(trend.points.back().average));
    return chart;
}

QChart* practiceOverAnswers(const std::vector<double>& proficiency, QString& description) {
    constexpr int kMostPoints = 250;
    QChart* chart = newChart(proficiency.empty() ? Text::tr("No practice answers yet")
                                                 : Text::tr("Practice: points given up per move"));
    auto* line = new QLineSeries;
    line->setName(Text::tr("Mean of the last 50 answers"));
    const std::size_t step = std::max<std::size_t>(1, proficiency.size() / kMostPoints);
    QList<QPointF> points;
    double top = 1;
    for (std::size_t i = 0; i < proficiency.size(); ++i) {
        // Every step-th answer and the latest: the line ends where the player stands now.
        if ((i + 1) % step != 0 && i + 1 != proficiency.size()) continue;
        points.append(QPointF(double(i + 1), proficiency[i]));
        top = std::max(top, proficiency[i]);
    }
    line->replace(points);
    QPen bold(QColor(200, 60, 20));
    bold.setWidthF(2.5);
    line->setPen(bold);
    line->setPointsVisible(points.size() <= 40);
    line->setMarkerSize(7);
    chart->addSeries(line);
    auto* x = new QValueAxis;
    x->setTitleText(Text::tr("Answer"));
    x->setLabelFormat(QStringLiteral("%d"));
    x->setRange(1, std::max<double>(10, double(proficiency.size())));
    x->applyNiceNumbers();
    auto* y = new QValueAxis;
    y->setTitleText(Text::tr("Points given up"));
    y->setLabelFormat(QStringLiteral("%.1f"));
    y->setRange(0, top);
    y->applyNiceNumbers();
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    line->attachAxis(x);
    line->attachAxis(y);
    if (proficiency.empty()) chart->legend()->hide();
    description =
        proficiency.empty()
            ? Text::tr(
                  "Answer positions in Practice, and this chart shows how many points your "
                  "moves give up on average, over your last 50 answers.")
            : Text::tr(
                  "Line chart over %1 practice answers of the mean expected points a move "
                  "gave up, over the last 50 answers at each; it stands at %2 now.")
                  .arg(proficiency.size())
                  .arg(QLocale().toString(proficiency.back(), 'f', 2));
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
