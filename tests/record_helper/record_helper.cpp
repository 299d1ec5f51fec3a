// SPDX-License-Identifier: GPL-3.0-or-later
// A second copy of the game, as far as the record of games is concerned, for tests that need
// several processes on one database file:
//   korvex-record-helper record FILE COUNT SEED   stores COUNT generated games; exit 0 if all were
//   korvex-record-helper lock FILE MS             holds the file's write lock for MS milliseconds,
//                                                 printing "locked" once it has it

#include <QCoreApplication>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QThread>
#include <cstdio>

#include "record/sqlite/game_database.h"
#include "support/game_generator.h"

namespace {

int record(const QString& file, int count, unsigned long long seed) {
    korvex::GameDatabase database(file);
    korvex::GameGenerator generator(seed, {});
    for (int i = 0; i < count; ++i) {
        korvex::GameRecord game = generator.next();
        if (!database.store(game)) {
            std::fprintf(stderr, "game %d: %s\n", i, qPrintable(database.error()));
            return 1;
        }
    }
    return 0;
}

int lock(const QString& file, int ms) {
    {
        korvex::GameDatabase database(file);  // makes the file and its tables
        if (!database.summaries()) return 1;
    }
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("lock"));
    db.setDatabaseName(file);
    if (!db.open()) return 1;
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("BEGIN EXCLUSIVE"))) return 1;
    std::printf("locked\n");
    std::fflush(stdout);
    QThread::msleep(ulong(ms));
    return query.exec(QStringLiteral("COMMIT")) ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 5 && args[1] == QLatin1String("record"))
        return record(args[2], args[3].toInt(), args[4].toULongLong());
    if (args.size() == 4 && args[1] == QLatin1String("lock")) return lock(args[2], args[3].toInt());
    std::fprintf(stderr, "usage: korvex-record-helper record FILE COUNT SEED | lock FILE MS\n");
    return 2;
}
