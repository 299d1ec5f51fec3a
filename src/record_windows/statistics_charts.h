// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The three charts of the Statistics window, each built from the figures and given a
// description a screen reader reads out.

#include <QChart>

#include "record/game_statistics.h"

namespace korvex {

QChart* totalsHistogram(const GameStatistics& statistics, QString& description);
QChart* totalsOverTime(const GameStatistics& statistics, QString& description);
QChart* categoryComparison(const GameStatistics& statistics, QString& description);

}  // namespace korvex
