// SPDX-License-Identifier: GPL-3.0-or-later
// The game database on a real file in a temporary folder: a game read back is the game written;
// a damaged file is kept aside and reported once; a locked or refused file loses nothing; and
// two processes recording at once keep every game of both.

#include "record/sqlite/game_database.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStringList>
#include <QTemporaryDir>

#include "core/rules.h"
#include "record/game_history.h"
#include "support/core_application.h"
#include "support/game_generator.h"
#include "support/qstring_printer.h"

namespace korvex::test {
namespace {

class GameDatabaseTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { ensureCoreApplication(); }

    QString file() const { return dir.filePath(QStringLiteral("games.sqlite")); }
    // A history whose messages are kept for the test to read.
    std::unique_ptr<GameHistory> history() {
        auto h = std::make_unique<GameHistory>(file(), openGameDatabase);
        h->setReporter([this](const QString& text, const QString&) { messages << text; });
        return h;
    }
    // One value of the file, read with plain SQL as a player's sqlite3 would.
    QVariant scalar(const QString& sql, bool row = true) {
        QVariant value;
        {
            QSqlDatabase db =
                QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("peek"));
            db.setDatabaseName(file());
            EXPECT_TRUE(db.open());
            QSqlQuery query(db);
            EXPECT_TRUE(query.exec(sql)) << qPrintable(sql);
            if (row && query.next()) value = query.value(0);
        }
        QSqlDatabase::removeDatabase(QStringLiteral("peek"));
        return value;
    }

    QTemporaryDir dir;
    QStringList messages;
    GameGenerator generator{7, {nullptr, 0.0, 0.3, 0.5}};
};

TEST_F(GameDatabaseTest, aGameReadBackIsTheGameWrittenInThePlainSchema) {
    GameDatabase database(file());
    std::vector<GameRecord> written;
    for (int i = 0; i < 20; ++i) {
        written.push_back(generator.next());
        ASSERT_TRUE(database.store(written.back())) << qPrintable(database.error());
        EXPECT_GT(written.back().id, 0);
    }
    for (const GameRecord& game : written) {
        const std::optional<GameRecord> read = database.game(game.id);
        ASSERT_TRUE(read);
        EXPECT_EQ(*read, game);
        EXPECT_FALSE(recordFault(*read));
    }
    const auto summaries = database.summaries();
    ASSERT_TRUE(summaries && summaries->size() == written.size());
    for (std::size_t i = 0; i < written.size(); ++i)
        EXPECT_EQ((*summaries)[i], summaryOf(written[i]));

    // What README promises a player who opens the file with sqlite3.
    const GameRecord& first = written.front();
    EXPECT_EQ(scalar("PRAGMA user_version").toInt(), GameDatabase::kSchemaVersion);
    EXPECT_EQ(scalar("PRAGMA journal_mode").toString(), "wal");
    EXPECT_EQ(scalar(QStringLiteral("SELECT total FROM games WHERE id = %1").arg(first.id)).toInt(),
              first.total);
    EXPECT_EQ(scalar(QStringLiteral("SELECT category FROM turns WHERE game_id = %1 AND turn = 1")
                         .arg(first.id))
                  .toString(),
              QString::fromLatin1(category(*first.turns[0].category).title));
    EXPECT_EQ(scalar(QStringLiteral("SELECT faces FROM rolls WHERE game_id = %1 AND turn = 1 AND "
                                    "roll = 1")
                         .arg(first.id))
                  .toString(),
              facesText(first.turns[0].rolls[0].faces));
    EXPECT_EQ(scalar("SELECT count(*) FROM turns").toInt(), 13 * 20);
}

TEST_F(GameDatabaseTest, aDamagedFileIsKeptAsideReportedOnceAndANewOneStarted) {
    const QByteArray junk =
        QByteArray("these are not the games you are looking for\n").repeated(200);
    {
        QFile damaged(file());
        ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
        damaged.write(junk);
    }
    auto games = history();
    games->record(generator.next());
    games->record(generator.next());
    EXPECT_EQ(games->waiting(), 0u);
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].contains(file())) << qPrintable(messages[0]);
    const QStringList aside =
        QDir(dir.path()).entryList({QStringLiteral("games.sqlite.damaged-*")});
    ASSERT_EQ(aside.size(), 1);
    EXPECT_TRUE(messages[0].contains(aside[0]));
    QFile kept(dir.filePath(aside[0]));
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), junk);  // never changed, never deleted
    EXPECT_EQ(games->summaries().size(), 2u);
}

TEST_F(GameDatabaseTest, aFileFromANewerGameIsLeftAloneAndTheGameKept) {
    ASSERT_TRUE(GameDatabase(file()).store(nullptr, 0));  // the file with its tables
    scalar("PRAGMA user_version = 99", false);
    auto games = history();
    const GameRecord game = generator.next();
    games->record(game);
    games->record(generator.next());
    EXPECT_EQ(games->waiting(), 2u);
    ASSERT_EQ(messages.size(), 1);  // once, not once a game
    EXPECT_TRUE(messages[0].contains("newer version")) << qPrintable(messages[0]);
    EXPECT_EQ(scalar("PRAGMA user_version").toInt(), 99);
    EXPECT_EQ(scalar("SELECT count(*) FROM games").toInt(), 0);
    // The games kept in memory still count and can be reviewed.
    const auto summaries = games->summaries();
    ASSERT_EQ(summaries.size(), 2u);
    EXPECT_LT(summaries[0].id, 0);
    EXPECT_EQ(games->game(summaries[0].id), game);
}

TEST_F(GameDatabaseTest, anOlderFileIsBroughtUpToDateInPlaceAndKeepsLuckAndPractice) {
    std::vector<GameRecord> written;
    {
        GameDatabase database(file());
        for (int i = 0; i < 3; ++i) ASSERT_TRUE(database.store(written.emplace_back(generator.next())));
    }
    // The file as the first version of the record left it: no judgement, no practice.
    for (const char* sql : {"ALTER TABLE games DROP COLUMN luck",
                            "ALTER TABLE games DROP COLUMN given_up", "DROP TABLE practice_answers",
                            "DROP TABLE practice_positions", "PRAGMA user_version = 1"})
        scalar(QString::fromLatin1(sql), false);

    GameDatabase database(file());
    auto summaries = database.summaries();
    ASSERT_TRUE(summaries && summaries->size() == 3u) << qPrintable(database.error());
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ((*summaries)[i], summaryOf(written[i]));  // luck not known yet
        EXPECT_EQ(database.game(written[i].id), written[i]);
    }
    EXPECT_EQ(scalar("PRAGMA user_version").toInt(), 2);

    ASSERT_TRUE(database.storeLuck({{written[0].id, 12.5, 30.25}, {written[2].id, -4, 0}}, 100));
    summaries = database.summaries();
    ASSERT_TRUE(summaries);
    EXPECT_EQ((*summaries)[0].luck, 12.5);
    EXPECT_EQ((*summaries)[0].givenUp, 30.25);
    EXPECT_FALSE((*summaries)[1].luck);
    EXPECT_EQ((*summaries)[2].luck, -4.0);
    EXPECT_EQ(scalar(QStringLiteral("SELECT given_up FROM games WHERE id = %1").arg(written[0].id))
                  .toDouble(),
              30.25);

    // Every answer is kept; a position answered again moves in the schedule, not beside it.
    Card card;
    card.scores[0] = 3;
    card.scores[std::size_t(CategoryId::Korvex)] = 50;
    card.extraPoints = 100;
    const PracticePosition mine{QStringLiteral("game 1 turn 3 roll 2"), written[0].id, 3, 2, card,
                                {6, 6, 2, 6, 1}};
    const PracticePosition coach{QStringLiteral("coach 7 turn 1 roll 1"), 0, 1, 1, {}, {1, 2, 3, 4, 6}};
    const QDateTime at = QDateTime::fromSecsSinceEpoch(1'800'000'000, Qt::UTC);
    std::vector<PracticeAnswer> answers = {{0, at, mine.key, QStringLiteral("Held 6 6 6"), 0},
                                           {0, at, coach.key, QStringLiteral("Rolled all five again"), 3.5},
                                           {0, at.addSecs(60), mine.key, QStringLiteral("Scored Chance for 21"), 7.25}};
    const std::vector<PracticeSlot> places = {{mine, 1, 8}, {coach, 0, 3}, {mine, 0, 5}};
    for (std::size_t i = 0; i < answers.size(); ++i) {
        ASSERT_TRUE(database.storeAnswer(answers[i], places[i], 100)) << qPrintable(database.error());
        EXPECT_GT(answers[i].id, 0);
    }
    const std::optional<PracticeRecord> kept = GameDatabase(file()).practice();
    ASSERT_TRUE(kept);
    EXPECT_EQ(kept->answers, answers);
    const std::vector<PracticeSlot> schedule = {places[1], places[2]};  // by key
    EXPECT_EQ(kept->schedule, schedule);
    EXPECT_TRUE(scalar("SELECT game_id FROM practice_positions WHERE position LIKE 'coach%'").isNull());
}

// Runs the helper program and returns it started; fails the test if it does not start.
std::unique_ptr<QProcess> helper(const QStringList& args) {
    auto process = std::make_unique<QProcess>();
    process->start(QStringLiteral(KORVEX_RECORD_HELPER), args);
    EXPECT_TRUE(process->waitForStarted(10000));
    return process;
}

TEST_F(GameDatabaseTest, aLockedFileIsReportedAndTheGameRecordedAtTheNextChance) {
    auto locker = helper({QStringLiteral("lock"), file(), QStringLiteral("3000")});
    ASSERT_TRUE(locker->waitForReadyRead(20000));
    ASSERT_EQ(locker->readLine().trimmed(), "locked");

    auto games = history();
    const GameRecord game = generator.next();
    games->record(game);
    EXPECT_EQ(games->waiting(), 1u);
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].contains("kept")) << qPrintable(messages[0]);

    ASSERT_TRUE(locker->waitForFinished(20000));
    EXPECT_EQ(locker->exitCode(), 0);
    games->record(generator.next());  // the next game is the next chance
    EXPECT_EQ(games->waiting(), 0u);
    const auto summaries = games->summaries();
    ASSERT_EQ(summaries.size(), 2u);
    EXPECT_EQ(summaries[0].total, game.total);
    EXPECT_GT(summaries[0].id, 0);
    EXPECT_EQ(messages.size(), 1);
}

TEST_F(GameDatabaseTest, twoProcessesRecordingAtOnceKeepEveryGame) {
    constexpr int kEach = 60;
    auto first = helper({QStringLiteral("record"), file(), QString::number(kEach), "1"});
    auto second = helper({QStringLiteral("record"), file(), QString::number(kEach), "2"});
    for (QProcess* p : {first.get(), second.get()}) {
        ASSERT_TRUE(p->waitForFinished(60000));
        EXPECT_EQ(p->exitCode(), 0) << p->readAllStandardError().toStdString();
    }
    GameDatabase database(file());
    const auto games = database.summaries();
    ASSERT_TRUE(games);
    EXPECT_EQ(games->size(), std::size_t(2 * kEach));
    EXPECT_EQ(scalar("SELECT count(*) FROM turns").toInt(), 2 * kEach * 13);
    for (const GameSummary& g : *games) EXPECT_FALSE(recordFault(*database.game(g.id)));
}

}  // namespace
}  // namespace korvex::test
