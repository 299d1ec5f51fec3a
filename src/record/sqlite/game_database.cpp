// SPDX-License-Identifier: GPL-3.0-or-later
#include "record/sqlite/game_database.h"

#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QThread>
#include <QUrl>
#include <QVariant>
#include <atomic>

#include "core/rules.h"
#include "record/sqlite/file_cause.h"

namespace korvex {
namespace {

// SQLite's result codes for a file that is not a sound database.
constexpr int kSqliteCorrupt = 11;
constexpr int kSqliteNotADatabase = 26;
constexpr int kSqliteBusy = 5;
constexpr int kSqliteLocked = 6;
constexpr int kSqliteFull = 13;

// Runs a statement that SQLite answers "busy" at once, without waiting on the busy timeout:
// switching a new file to the write-ahead log while another copy of the game opens the same file
// is such a one. Tried again for up to the busy timeout, as any other statement would wait.
bool execWhenFree(QSqlQuery& query, const QString& statement, int timeoutMs) {
    QElapsedTimer clock;
    clock.start();
    for (;;) {
        if (query.exec(statement)) return true;
        const int code = query.lastError().nativeErrorCode().toInt() & 0xff;
        if ((code != kSqliteBusy && code != kSqliteLocked) || clock.elapsed() >= timeoutMs)
            return false;
        QThread::msleep(10);
    }
}

// Each step brings the file from one schema version to the next; a new version appends a step.
const std::vector<std::vector<const char*>> kMigrations = {
    {
        "CREATE TABLE games (id INTEGER PRIMARY KEY, started TEXT NOT NULL,"
        " finished TEXT NOT NULL, total INTEGER NOT NULL, bonus INTEGER NOT NULL,"
        " extra INTEGER NOT NULL, forced INTEGER NOT NULL, coach INTEGER NOT NULL,"
        " ones INTEGER NOT NULL, twos INTEGER NOT NULL, threes INTEGER NOT NULL,"
        " fours INTEGER NOT NULL, fives INTEGER NOT NULL, sixes INTEGER NOT NULL,"
        " three_of_a_kind INTEGER NOT NULL, four_of_a_kind INTEGER NOT NULL,"
        " full_house INTEGER NOT NULL, small_straight INTEGER NOT NULL,"
        " large_straight INTEGER NOT NULL, korvex INTEGER NOT NULL, chance INTEGER NOT NULL)",
        "CREATE TABLE turns (game_id INTEGER NOT NULL REFERENCES games(id),"
        " turn INTEGER NOT NULL CHECK (turn BETWEEN 1 AND 13), category TEXT NOT NULL,"
        " points INTEGER NOT NULL, PRIMARY KEY (game_id, turn))",
        "CREATE TABLE rolls (game_id INTEGER NOT NULL REFERENCES games(id),"
        " turn INTEGER NOT NULL CHECK (turn BETWEEN 1 AND 13),"
        " roll INTEGER NOT NULL CHECK (roll BETWEEN 1 AND 3), faces TEXT NOT NULL,"
        " held TEXT NOT NULL, forced INTEGER NOT NULL, PRIMARY KEY (game_id, turn, roll))",
        "CREATE INDEX games_by_finished ON games(finished)",
    },
    {
        // The coach's judgement of each game, filled in once its table is at hand.
        "ALTER TABLE games ADD COLUMN luck REAL",
        "ALTER TABLE games ADD COLUMN given_up REAL",
        "CREATE TABLE practice_positions (position TEXT PRIMARY KEY,"
        " game_id INTEGER REFERENCES games(id),"
        " turn INTEGER NOT NULL CHECK (turn BETWEEN 1 AND 13),"
        " roll INTEGER NOT NULL CHECK (roll BETWEEN 1 AND 3), card TEXT NOT NULL,"
        " extra INTEGER NOT NULL, faces TEXT NOT NULL, box INTEGER NOT NULL,"
        " due INTEGER NOT NULL)",
        "CREATE TABLE practice_answers (id INTEGER PRIMARY KEY, answered TEXT NOT NULL,"
        " position TEXT NOT NULL REFERENCES practice_positions(position), move TEXT NOT NULL,"
        " given_up REAL NOT NULL)",
    },
};

// The texts of GameDatabase, under the context lupdate files them in.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(GameDatabase)
};

QString timeText(const QDateTime& time) {
    return time.toUTC().toString(Qt::ISODate);
}

QDateTime timeOf(const QVariant& value) {
    QDateTime time = QDateTime::fromString(value.toString(), Qt::ISODate);
    time.setTimeSpec(Qt::UTC);
    return time;
}

// The card's columns of the games table, in card order. They repeat the turns' points, so
// that the statistics read one row a game instead of thirteen.
const char* const kCardColumns =
    "ones, twos, threes, fours, fives, sixes, three_of_a_kind, four_of_a_kind, full_house,"
    " small_straight, large_straight, korvex, chance";

// A card as the practice tables keep it: each category's points in card order, "-" for one
// still open ("3 - 9 - - - 22 - 25 - - 50 -").
QString cardText(const Card& card) {
    QStringList parts;
    for (const std::optional<int>& points : card.scores)
        parts << (points ? QString::number(*points) : QStringLiteral("-"));
    return parts.join(QLatin1Char(' '));
}

std::optional<Card> cardFromText(const QString& text, int extra) {
    const QStringList parts = text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (parts.size() != kCategoryCount || extra < 0) return std::nullopt;
    Card card;
    card.extraPoints = extra;
    for (int c = 0; c < kCategoryCount; ++c) {
        if (parts[c] == QLatin1String("-")) continue;
        bool number = false;
        const int points = parts[c].toInt(&number);
        if (!number || points < 0) return std::nullopt;
        card.scores[std::size_t(c)] = points;
    }
    return card;
}

}  // namespace

GameDatabase::GameDatabase(QString path) : m_path(std::move(path)) {
    static std::atomic<int> counter{0};
    const int n = ++counter;
    m_reader = QStringLiteral("korvex-games-read-%1").arg(n);
    m_writer = QStringLiteral("korvex-games-write-%1").arg(n);
}

GameDatabase::~GameDatabase() {
    closeAll();
}

bool GameDatabase::failed(const QSqlError& error) {
    const int code = error.nativeErrorCode().toInt() & 0xff;
    m_damaged = code == kSqliteCorrupt || code == kSqliteNotADatabase;
    m_failure.detail =
        (error.databaseText().isEmpty() ? error.text() : error.databaseText()).trimmed();
    if (code == kSqliteBusy || code == kSqliteLocked) {
        m_failure.kind = StoreFailure::Kind::Busy;
        m_failure.cause = Text::tr("another running copy of Korvex is writing to it");
    } else {
        m_failure.kind = StoreFailure::Kind::Refused;
        m_failure.cause = m_damaged             ? Text::tr("it is damaged")
                          : code == kSqliteFull ? Text::tr("the disk is full")
                                                : fileCause(m_path);
        if (m_failure.cause.isEmpty()) m_failure.cause = Text::tr("SQLite refused it");
    }
    m_stale = true;
    return false;
}

bool GameDatabase::failedNewer() {
    m_failure = {StoreFailure::Kind::Newer, Text::tr("it was written by a newer version of Korvex"),
                 Text::tr("schema version %1 or later; this version knows %2")
                     .arg(kSchemaVersion + 1)
                     .arg(kSchemaVersion)};
    m_stale = true;
    return false;
}

bool GameDatabase::connect(const QString& name, const QString& file, const QString& options) {
    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QSQLITE"))) {
        m_failure = {StoreFailure::Kind::Refused,
                     Text::tr("the SQLite driver of Qt SQL is not installed"),
                     {}};
        return false;
    }
    QSqlDatabase db = QSqlDatabase::contains(name)
                          ? QSqlDatabase::database(name, false)
                          : QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
    if (db.isOpen()) db.close();
    db.setDatabaseName(file);
    db.setConnectOptions(options);
    return db.open() || failed(db.lastError());
}

std::optional<int> GameDatabase::schemaVersion(const QString& connection) {
    QSqlQuery query(QSqlDatabase::database(connection, false));
    if (!query.exec(QStringLiteral("PRAGMA user_version")) || !query.next()) {
        failed(query.lastError());
        return std::nullopt;
    }
    return query.value(0).toInt();
}

bool GameDatabase::openWriter(int waitMs) {
    if (!m_writerOpen) {
        if (!QDir().mkpath(QFileInfo(m_path).absolutePath())) {
            m_failure = {StoreFailure::Kind::Refused, fileCause(m_path), {}};
            if (m_failure.cause.isEmpty()) m_failure.cause = Text::tr("its folder cannot be made");
            return false;
        }
        if (!connect(m_writer, m_path, {})) return false;
        m_writerOpen = true;
    }
    QSqlQuery query(QSqlDatabase::database(m_writer, false));
    // With the log, a commit that skips the disk flush can be lost to a power cut but never
    // damages the file; a game ending must not wait for the disk.
    if (!query.exec(QStringLiteral("PRAGMA busy_timeout = %1").arg(waitMs)) ||
        !query.exec(QStringLiteral("PRAGMA synchronous = NORMAL")))
        return failed(query.lastError());
    const std::optional<int> version = schemaVersion(m_writer);
    if (!version) return false;
    if (*version > kSchemaVersion) return failedNewer();
    return *version == kSchemaVersion || migrate(waitMs);
}

// Only here is the file changed for anything but a game: to make it, or to bring it up to date.
bool GameDatabase::migrate(int waitMs) {
    QSqlQuery query(QSqlDatabase::database(m_writer, false));
    // Readers and one writer at a time, across every running copy of the game.
    if (!execWhenFree(query, QStringLiteral("PRAGMA journal_mode=WAL"), waitMs))
        return failed(query.lastError());
    // Taken for writing first, so that two copies starting together migrate one after the other.
    if (!query.exec(QStringLiteral("BEGIN IMMEDIATE"))) return failed(query.lastError());
    const auto rollBack = [this](const QSqlError& error) {
        QSqlQuery(QSqlDatabase::database(m_writer, false)).exec(QStringLiteral("ROLLBACK"));
        return failed(error);
    };
    const std::optional<int> version = schemaVersion(m_writer);
    // Never left holding the write: another copy would wait on it until this one's next try.
    if (!version || *version > kSchemaVersion) {
        const StoreFailure failure = m_failure;
        QSqlQuery(QSqlDatabase::database(m_writer, false)).exec(QStringLiteral("ROLLBACK"));
        return version ? failedNewer() : (m_failure = failure, false);
    }
    for (int v = *version; v < kSchemaVersion; ++v)
        for (const char* statement : kMigrations[std::size_t(v)])
            if (!query.exec(QString::fromLatin1(statement))) return rollBack(query.lastError());
    if (!query.exec(QStringLiteral("PRAGMA user_version = %1").arg(kSchemaVersion)) ||
        !query.exec(QStringLiteral("COMMIT")))
        return rollBack(query.lastError());
    return true;
}

GameDatabase::Schema GameDatabase::openReader() {
    if (!QFileInfo::exists(m_path)) return Schema::Empty;  // nothing recorded yet: nothing made
    if (!m_readerOpen) {
        // Read-only, so that closing it never writes the log back into the file. Where the
        // folder cannot take the log's index either, the file is read as it lies.
        const QString options =
            QStringLiteral("QSQLITE_OPEN_READONLY;QSQLITE_BUSY_TIMEOUT=%1").arg(kBoardWaitMs);
        if (!connect(m_reader, m_path, options)) return Schema::Failed;
        m_readerOpen = true;
    }
    std::optional<int> version = schemaVersion(m_reader);
    const QByteArray folder = QFile::encodeName(QFileInfo(m_path).absolutePath());
    if (!version && m_failure.kind == StoreFailure::Kind::Refused && !m_damaged &&
        ::access(folder.constData(), W_OK) != 0) {
        const QString file = QStringLiteral("file:%1?immutable=1")
                                 .arg(QString::fromLatin1(QUrl::toPercentEncoding(m_path, "/")));
        if (!connect(m_reader, file, QStringLiteral("QSQLITE_OPEN_READONLY;QSQLITE_OPEN_URI")))
            return Schema::Failed;
        m_readerOpen = true;
        version = schemaVersion(m_reader);
    }
    if (!version) return Schema::Failed;
    if (*version > kSchemaVersion) return failedNewer(), Schema::Failed;
    if (*version == kSchemaVersion) return Schema::Current;
    QSqlQuery tables(QSqlDatabase::database(m_reader, false));
    if (!tables.exec(QStringLiteral("SELECT count(*) FROM sqlite_master")) || !tables.next())
        return failed(tables.lastError()), Schema::Failed;
    if (tables.value(0).toInt() == 0) return Schema::Empty;
    // An older schema: a migration is due, the one write a reader may cause. Where the file
    // cannot be written now, its games are still shown, without what the newer columns hold.
    if (openWriter(kBoardWaitMs)) return Schema::Current;
    if (m_failure.kind == StoreFailure::Kind::Newer || m_damaged) return Schema::Failed;
    m_failure = {};
    return Schema::Old;
}

void GameDatabase::begin() {
    // A connection that failed may hold on to what made it fail (a read-only handle, say): the
    // next try opens new ones.
    if (m_stale) closeAll();
    m_stale = false;
    m_failure = {};
}

void GameDatabase::closeAll() {
    for (const QString& name : {m_reader, m_writer}) {
        if (!QSqlDatabase::contains(name)) continue;
        {
            QSqlDatabase db = QSqlDatabase::database(name, false);
            db.close();
        }
        QSqlDatabase::removeDatabase(name);
    }
    m_readerOpen = m_writerOpen = false;
}

bool GameDatabase::setAside() {
    closeAll();
    const QString stamp =
        QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString target = m_path + QStringLiteral(".damaged-") + stamp;
    for (int n = 2; QFile::exists(target); ++n)
        target = m_path + QStringLiteral(".damaged-%1-%2").arg(stamp).arg(n);
    if (!QFile::rename(m_path, target)) {
        m_failure = {
            StoreFailure::Kind::Refused, Text::tr("it is damaged and cannot be renamed"), {}};
        return false;
    }
    // The log files belong to the damaged database; they go with it, so the new one starts clean.
    for (const char* suffix : {"-wal", "-shm"})
        if (QFile::exists(m_path + QLatin1String(suffix)))
            QFile::rename(m_path + QLatin1String(suffix), target + QLatin1String(suffix));
    m_setAside = target;
    m_damaged = false;
    return true;
}

std::optional<QString> GameDatabase::takeSetAside() {
    std::optional<QString> name = std::move(m_setAside);
    m_setAside.reset();
    return name;
}

bool GameDatabase::store(GameRecord* records, std::size_t count, int waitMs) {
    std::vector<qint64> ids;
    const bool stored = write(
        [&](QSqlDatabase& db) {
            ids.clear();  // a second try, on a new file, numbers the games afresh
            for (std::size_t i = 0; i < count; ++i) {
                ids.push_back(insertGame(db, records[i]));
                if (ids.back() == 0) return false;
            }
            return true;
        },
        waitMs);
    // Numbered only once the whole transaction is in.
    if (stored)
        for (std::size_t i = 0; i < count; ++i) records[i].id = ids[i];
    return stored;
}

qint64 GameDatabase::insertGame(const QSqlDatabase& db, const GameRecord& record) {
    const auto fail = [this, &db](const QSqlQuery& query) {
        const QSqlError error = query.lastError();
        QSqlQuery(db).exec(QStringLiteral("ROLLBACK"));
        failed(error);
        return qint64(0);
    };
    QSqlQuery game(db);
    game.prepare(
        QStringLiteral("INSERT INTO games (started, finished, total, bonus, extra, forced,"
                       " coach, %1) VALUES (?, ?, ?, ?, ?, ?, ?%2)")
            .arg(QLatin1String(kCardColumns), QStringLiteral(", ?").repeated(kCategoryCount)));
    for (const QVariant& v :
         {QVariant(timeText(record.started)), QVariant(timeText(record.finished)),
          QVariant(record.total), QVariant(record.bonus), QVariant(record.extra),
          QVariant(int(record.forced)), QVariant(int(record.coach))})
        game.addBindValue(v);
    for (int points : record.categoryPoints()) game.addBindValue(points);
    if (!game.exec()) return fail(game);
    const qint64 id = game.lastInsertId().toLongLong();
    QSqlQuery turn(db), roll(db);
    turn.prepare(
        QStringLiteral("INSERT INTO turns (game_id, turn, category, points) VALUES (?, ?, ?, ?)"));
    roll.prepare(QStringLiteral(
        "INSERT INTO rolls (game_id, turn, roll, faces, held, forced) VALUES (?, ?, ?, ?, ?, ?)"));
    for (std::size_t t = 0; t < record.turns.size(); ++t) {
        const TurnRecord& played = record.turns[t];
        turn.bindValue(0, id);
        turn.bindValue(1, int(t) + 1);
        // Stored data holds the card's own English titles, whatever language the board speaks.
        turn.bindValue(
            2, played.category ? QString::fromLatin1(category(*played.category).title) : QString());
        turn.bindValue(3, played.points);
        if (!turn.exec()) return fail(turn);
        for (std::size_t r = 0; r < played.rolls.size(); ++r) {
            const RollRecord& thrown = played.rolls[r];
            roll.bindValue(0, id);
            roll.bindValue(1, int(t) + 1);
            roll.bindValue(2, int(r) + 1);
            roll.bindValue(3, facesText(thrown.faces));
            roll.bindValue(4, heldText(thrown.held));
            roll.bindValue(5, int(thrown.forced));
            if (!roll.exec()) return fail(roll);
        }
    }
    return id;
}

std::optional<std::vector<GameSummary>> GameDatabase::summaries() {
    begin();
    Schema schema = openReader();
    if (schema == Schema::Current || schema == Schema::Old)
        if (auto games = readSummaries(schema)) return games;
    // A damaged file gives way to a new one; its games stay in the renamed copy.
    if (m_damaged && setAside()) schema = openReader();
    if (schema == Schema::Empty) return std::vector<GameSummary>{};
    if (schema == Schema::Current || schema == Schema::Old) return readSummaries(schema);
    return std::nullopt;
}

std::optional<std::vector<GameSummary>> GameDatabase::readSummaries(Schema schema) {
    QSqlQuery query(QSqlDatabase::database(m_reader, false));
    query.setForwardOnly(true);
    // Times come as seconds: parsing ten thousand ISO texts would cost more than the query.
    if (!query.exec(QStringLiteral("SELECT id, strftime('%s', started), strftime('%s', finished),"
                                   " total, bonus, extra, forced, coach, %1, %2 FROM games"
                                   " ORDER BY finished, id")
                        .arg(QLatin1String(kCardColumns),
                             schema == Schema::Old ? QStringLiteral("NULL, NULL")
                                                   : QStringLiteral("luck, given_up")))) {
        failed(query.lastError());
        return std::nullopt;
    }
    std::vector<GameSummary> games;
    while (query.next()) {
        GameSummary& g = games.emplace_back();
        g.id = query.value(0).toLongLong();
        g.started = QDateTime::fromSecsSinceEpoch(query.value(1).toLongLong(), Qt::UTC);
        g.finished = QDateTime::fromSecsSinceEpoch(query.value(2).toLongLong(), Qt::UTC);
        g.total = query.value(3).toInt();
        g.bonus = query.value(4).toInt();
        g.extra = query.value(5).toInt();
        g.forced = query.value(6).toInt() != 0;
        g.coach = query.value(7).toInt() != 0;
        for (int c = 0; c < kCategoryCount; ++c)
            g.points[std::size_t(c)] = query.value(8 + c).toInt();
        const QVariant luck = query.value(8 + kCategoryCount);
        const QVariant givenUp = query.value(9 + kCategoryCount);
        if (!luck.isNull() && !givenUp.isNull()) g.luck = luck.toDouble(), g.givenUp = givenUp.toDouble();
    }
    if (query.lastError().isValid()) {
        failed(query.lastError());
        return std::nullopt;
    }
    return games;
}

std::optional<GameRecord> GameDatabase::game(qint64 id) {
    begin();
    const Schema schema = openReader();
    if (schema != Schema::Current && schema != Schema::Old) {
        if (schema == Schema::Empty)
            m_failure = {StoreFailure::Kind::Refused, Text::tr("the game is not in it"), {}};
        return std::nullopt;
    }
    QSqlDatabase db = QSqlDatabase::database(m_reader, false);
    QSqlQuery query(db);
    query.prepare(
        QStringLiteral("SELECT started, finished, total, bonus, extra, forced, coach"
                       " FROM games WHERE id = ?"));
    query.addBindValue(id);
    if (!query.exec()) {
        failed(query.lastError());
        return std::nullopt;
    }
    if (!query.next()) {
        m_failure = {StoreFailure::Kind::Refused, Text::tr("the game is not in it"), {}};
        return std::nullopt;
    }
    GameRecord record{id,
                      timeOf(query.value(0)),
                      timeOf(query.value(1)),
                      {},
                      query.value(3).toInt(),
                      query.value(4).toInt(),
                      query.value(2).toInt(),
                      query.value(5).toInt() != 0,
                      query.value(6).toInt() != 0};
    if (!readTurns(record)) return std::nullopt;
    return record;
}

bool GameDatabase::readTurns(GameRecord& record) {
    QSqlDatabase db = QSqlDatabase::database(m_reader, false);
    QSqlQuery turns(db), rolls(db);
    turns.prepare(
        QStringLiteral("SELECT turn, category, points FROM turns WHERE game_id = ? ORDER BY turn"));
    turns.addBindValue(record.id);
    rolls.prepare(QStringLiteral(
        "SELECT turn, roll, faces, held, forced FROM rolls WHERE game_id = ? ORDER BY turn, roll"));
    rolls.addBindValue(record.id);
    if (!turns.exec() || !rolls.exec()) {
        failed(turns.lastError().isValid() ? turns.lastError() : rolls.lastError());
        return false;
    }
    m_failure = {StoreFailure::Kind::Refused, Text::tr("the game's moves are not readable"), {}};
    while (turns.next()) {
        if (turns.value(0).toInt() != int(record.turns.size()) + 1) return false;
        record.turns.push_back(
            {{}, categoryOfTitle(turns.value(1).toString()), turns.value(2).toInt()});
    }
    while (rolls.next()) {
        const int turn = rolls.value(0).toInt();
        const auto faces = facesFromText(rolls.value(2).toString());
        const auto held = heldFromText(rolls.value(3).toString());
        if (turn < 1 || turn > int(record.turns.size()) || !faces || !held) return false;
        record.turns[std::size_t(turn - 1)].rolls.push_back(
            {*faces, *held, rolls.value(4).toInt() != 0});
    }
    m_failure = {};
    return true;
}

std::unique_ptr<GameStore> openGameDatabase(const QString& path, QString&) {
    return std::make_unique<GameDatabase>(path);
}

bool GameDatabase::write(const std::function<bool(QSqlDatabase&)>& statements, int waitMs) {
    begin();
    const auto attempt = [&] {
        if (!openWriter(waitMs)) return false;
        QSqlDatabase db = QSqlDatabase::database(m_writer, false);
        QSqlQuery query(db);
        if (!query.exec(QStringLiteral("BEGIN IMMEDIATE"))) return failed(query.lastError());
        if (!statements(db)) return false;
        if (query.exec(QStringLiteral("COMMIT"))) return true;
        const QSqlError error = query.lastError();
        QSqlQuery(db).exec(QStringLiteral("ROLLBACK"));
        return failed(error);
    };
    return attempt() || (m_damaged && setAside() && attempt());
}

bool GameDatabase::storeLuck(const std::vector<GameLuck>& luck, int waitMs) {
    return write(
        [&](QSqlDatabase& db) {
            QSqlQuery update(db);
            update.prepare(QStringLiteral("UPDATE games SET luck = ?, given_up = ? WHERE id = ?"));
            for (const GameLuck& game : luck) {
                update.bindValue(0, game.luck);
                update.bindValue(1, game.givenUp);
                update.bindValue(2, game.id);
                if (!update.exec()) return rolledBack(db, update.lastError());
            }
            return true;
        },
        waitMs);
}

bool GameDatabase::rolledBack(QSqlDatabase& db, const QSqlError& error) {
    QSqlQuery(db).exec(QStringLiteral("ROLLBACK"));
    return failed(error);
}

bool GameDatabase::storeAnswer(PracticeAnswer& answer, const PracticeSlot& slot, int waitMs) {
    qint64 id = 0;
    const bool stored = write(
        [&](QSqlDatabase& db) {
            const PracticePosition& p = slot.position;
            QSqlQuery position(db);
            position.prepare(QStringLiteral(
                "INSERT INTO practice_positions (position, game_id, turn, roll, card, extra,"
                " faces, box, due) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?) ON CONFLICT (position)"
                " DO UPDATE SET box = excluded.box, due = excluded.due"));
            for (const QVariant& v :
                 {QVariant(p.key), p.gameId > 0 ? QVariant(p.gameId) : QVariant(),
                  QVariant(p.turn), QVariant(p.roll), QVariant(cardText(p.card)),
                  QVariant(p.card.extraPoints), QVariant(facesText(p.faces)), QVariant(slot.box),
                  QVariant(slot.due)})
                position.addBindValue(v);
            if (!position.exec()) return rolledBack(db, position.lastError());
            QSqlQuery insert(db);
            insert.prepare(QStringLiteral("INSERT INTO practice_answers (answered, position, move,"
                                          " given_up) VALUES (?, ?, ?, ?)"));
            for (const QVariant& v : {QVariant(timeText(answer.answered)), QVariant(p.key),
                                      QVariant(answer.move), QVariant(answer.givenUp)})
                insert.addBindValue(v);
            if (!insert.exec()) return rolledBack(db, insert.lastError());
            id = insert.lastInsertId().toLongLong();
            return true;
        },
        waitMs);
    if (stored) answer.id = id;
    return stored;
}

std::optional<PracticeRecord> GameDatabase::practice() {
    begin();
    const Schema schema = openReader();
    if (schema == Schema::Empty || schema == Schema::Old) return PracticeRecord{};
    if (schema != Schema::Current) return std::nullopt;
    QSqlDatabase db = QSqlDatabase::database(m_reader, false);
    QSqlQuery positions(db), answers(db);
    positions.setForwardOnly(true);
    answers.setForwardOnly(true);
    if (!positions.exec(QStringLiteral("SELECT position, game_id, turn, roll, card, extra, faces,"
                                       " box, due FROM practice_positions ORDER BY position")) ||
        !answers.exec(QStringLiteral("SELECT id, answered, position, move, given_up"
                                     " FROM practice_answers ORDER BY id"))) {
        failed(positions.lastError().isValid() ? positions.lastError() : answers.lastError());
        return std::nullopt;
    }
    PracticeRecord kept;
    while (positions.next()) {
        const std::optional<Card> card =
            cardFromText(positions.value(4).toString(), positions.value(5).toInt());
        const std::optional<Faces> faces = facesFromText(positions.value(6).toString());
        const int turn = positions.value(2).toInt(), roll = positions.value(3).toInt();
        // A row this version cannot make sense of is left out, not allowed to stop Practice.
        if (!card || !faces || turn < 1 || turn > kTurnsPerGame || roll < 1 || roll > 3) continue;
        kept.schedule.push_back({{positions.value(0).toString(), positions.value(1).toLongLong(),
                                  turn, roll, *card, *faces},
                                 positions.value(7).toInt(),
                                 positions.value(8).toInt()});
    }
    while (answers.next())
        kept.answers.push_back({answers.value(0).toLongLong(), timeOf(answers.value(1)),
                                answers.value(2).toString(), answers.value(3).toString(),
                                answers.value(4).toDouble()});
    return kept;
}

}  // namespace korvex
