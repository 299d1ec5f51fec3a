// SPDX-License-Identifier: GPL-3.0-or-later
// A second copy of the game, as far as the record of games is concerned, for tests that need
// several processes on one database file:
//   korvex-record-helper record FILE COUNT SEED   stores COUNT generated games; exit 0 if all were
//   korvex-record-helper lock FILE MS             holds the file's write lock for MS milliseconds,
//                                                 printing "locked" once it has it
//   korvex-record-helper session FILE             a running game's record of games, driven by
//                                                 one command a line on standard input:
//                                                 "record" a finished game, "read" as Statistics
//                                                 does, "close" as the board does; each answers
//                                                 with the messages the player would see, then
//                                                 "waiting N" (or "games N"), then "done"

#include <QCoreApplication>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTextStream>
#include <QThread>
#include <cstdio>

#include "record/game_history.h"
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
    if (!korvex::GameDatabase(file).store(nullptr, 0)) return 1;  // the file and its tables
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

// A message box as one line: its text, with line breaks shown as " | ".
void say(const QString& line) {
    std::printf("%s\n",
                qPrintable(QString(line).replace(QLatin1Char('\n'), QStringLiteral(" | "))));
    std::fflush(stdout);
}

int session(const QString& file) {
    korvex::GameHistory history(file, korvex::openGameDatabase);
    history.setReporter([](const QString& text, const QString&) { say("message: " + text); });
    korvex::GameGenerator generator(11, {});
    QTextStream in(stdin);
    for (QString command; in.readLineInto(&command);) {
        if (command == QLatin1String("record")) {
            history.record(generator.next());
            say(QStringLiteral("waiting %1").arg(history.waiting()));
        } else if (command == QLatin1String("read")) {
            const auto games = history.summaries();
            if (!history.readProblem().isEmpty()) say("problem: " + history.readProblem());
            say(QStringLiteral("games %1").arg(games.size()));
        } else if (command == QLatin1String("close")) {
            if (history.waiting()) history.flush(korvex::GameHistory::Occasion::Closing);
            say(QStringLiteral("waiting %1").arg(history.waiting()));
            say(QStringLiteral("done"));
            return 0;
        }
        say(QStringLiteral("done"));
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 5 && args[1] == QLatin1String("record"))
        return record(args[2], args[3].toInt(), args[4].toULongLong());
    if (args.size() == 4 && args[1] == QLatin1String("lock")) return lock(args[2], args[3].toInt());
    if (args.size() == 3 && args[1] == QLatin1String("session")) return session(args[2]);
    std::fprintf(
        stderr,
        "usage: korvex-record-helper record FILE COUNT SEED | lock FILE MS | session FILE\n");
    return 2;
}
