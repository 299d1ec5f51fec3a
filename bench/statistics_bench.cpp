// SPDX-License-Identifier: GPL-3.0-or-later
// Opening the Statistics window with 10,000 recorded games, on the offscreen platform. The games
// are made by the coach's advice with a player's mistakes mixed in (one move in six a random
// one, two games in a hundred from a run with a forced roll) and written to a games.sqlite in a
// temporary folder. Each run makes a fresh history and window, as the board's first Ctrl+T of a
// run does: open the file, read every game, compute the figures, build the charts and paint.
//
// Prints tab-separated rows: figure, value, target.

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "coach/coach_table.h"
#include "record/game_history.h"
#include "record/sqlite/game_database.h"
#include "record_windows/record_windows.h"
#include "support/game_generator.h"

namespace {

constexpr int kGames = 10000;
constexpr int kRuns = 15;

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The offscreen platform warns that it cannot raise a window; the figures are the output.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
        if (type != QtWarningMsg && type != QtDebugMsg && type != QtInfoMsg)
            std::fprintf(stderr, "%s\n", qPrintable(text));
    });
    QApplication app(argc, argv);
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("games.sqlite"));
    {
        const auto table = korvex::CoachTable::solve(korvex::CoachRules::korvex(), 2);
        korvex::GameGenerator generator(1, {table.get(), 1.0 / 6, 0.02, 0.3});
        std::vector<korvex::GameRecord> games;
        for (int i = 0; i < kGames; ++i) games.push_back(generator.next());
        korvex::GameDatabase database(file);
        if (!database.store(games.data(), games.size())) {
            std::fprintf(stderr, "cannot write the games: %s\n", qPrintable(database.error()));
            return 1;
        }
    }
    std::vector<double> times;
    double average = 0;
    for (int run = 0; run < kRuns; ++run) {
        korvex::GameHistory history(file, korvex::openGameDatabase);
        korvex::RecordWindows windows(history, [] { return nullptr; });
        QElapsedTimer clock;
        clock.start();
        windows.showStatistics();
        windows.statistics()->grab();  // every widget on show laid out and painted once
        times.push_back(double(clock.nsecsElapsed()) / 1e6);
        average = windows.statistics()->statistics().average;
        windows.statistics()->close();
        QApplication::processEvents();
    }
    std::printf(
        "Statistics window with %d games: open, read, chart and paint, median of %d "
        "(worst)\t%.1f ms (%.1f ms)\t< 150 ms\n",
        kGames, kRuns, median(times), *std::max_element(times.begin(), times.end()));
    std::printf("average total of those games\t%.1f\t\n", average);
    return 0;
}
