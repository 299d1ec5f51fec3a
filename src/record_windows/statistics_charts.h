// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The charts of the Statistics window, each built from the figures and given a description a
// screen reader reads out. However many games the record holds, a chart draws at most a few
// hundred points: over time, games are taken in blocks (see trendOf), so that 10,000 games read
// as clearly, and draw as quickly, as forty.

#include <QChart>
#include <vector>

#include "record/game_statistics.h"

namespace korvex {

QChart* totalsHistogram(const GameStatistics& statistics, QString& description);
QChart* totalsOverTime(const GameStatistics& statistics, QString& description);
QChart* givenUpOverTime(const GameStatistics& statistics, QString& description);
QChart* categoryComparison(const GameStatistics& statistics, QString& description);
// Practice's proficiency after each answer (practiceProficiency), oldest first.
QChart* practiceOverAnswers(const std::vector<double>& proficiency, QString& description);

}  // namespace korvex
