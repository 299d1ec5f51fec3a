// SPDX-License-Identifier: GPL-3.0-or-later
// How long the board waits on the record of games while another copy of the game holds a write
// transaction on the same file: the game's end (which keeps its game for later when the file is
// busy) and the Statistics window's read (which never waits for a writer). The other copy is a
// second connection that holds the write for the whole measurement.
//
// Prints tab-separated rows: figure, value, target.

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "record/game_history.h"
#include "record/sqlite/game_database.h"
#include "support/game_generator.h"

namespace {

constexpr int kRuns = 20;

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

double ms(const QElapsedTimer& clock) {
    return double(clock.nsecsElapsed()) / 1e6;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("games.sqlite"));
    korvex::GameGenerator generator(3, {});
    std::vector<korvex::GameRecord> games;
    for (int i = 0; i < 200; ++i) games.push_back(generator.next());
    if (!korvex::GameDatabase(file).store(games.data(), games.size())) return 1;
    {
        QSqlDatabase other = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "other");
        other.setDatabaseName(file);
        QSqlQuery hold(other);
        if (!other.open() || !hold.exec(QStringLiteral("BEGIN IMMEDIATE")) ||
            !hold.exec(QStringLiteral("UPDATE games SET total = total WHERE id = 1")))
            return 1;
        std::vector<double> ends, reads;
        std::size_t kept = 0, read = 0;
        for (int run = 0; run < kRuns; ++run) {
            korvex::GameHistory history(file, korvex::openGameDatabase);
            QElapsedTimer clock;
            clock.start();
            history.record(generator.next());
            ends.push_back(ms(clock));
            kept += history.waiting();
            clock.restart();
            read += history.summaries().size() - history.waiting();
            reads.push_back(ms(clock));
        }
        hold.exec(QStringLiteral("ROLLBACK"));
        std::printf(
            "game end while another copy writes, median of %d (worst)\t%.1f ms (%.1f ms)\t"
            "<= 100 ms\n",
            kRuns, median(ends), *std::max_element(ends.begin(), ends.end()));
        std::printf("  games kept for the next chance / runs\t%zu / %d\t\n", kept, kRuns);
        std::printf(
            "Statistics read while another copy writes, median (worst)\t%.1f ms (%.1f ms)\t"
            "no wait\n",
            median(reads), *std::max_element(reads.begin(), reads.end()));
        std::printf("  games read per run\t%zu\t200\n", read / kRuns);
    }
    QSqlDatabase::removeDatabase(QStringLiteral("other"));
    return 0;
}
