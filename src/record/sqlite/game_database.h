// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The file that keeps every recorded game: an SQLite database reached through Qt SQL, shared
// safely with other running copies of the game (write-ahead log, one transaction per write).
// Reading goes through a read-only connection and takes no write transaction, so a reader never
// waits for a writer, a read-only record can still be viewed, and a damaged file is found
// exactly as it was; the file is written only to store games and to bring an older schema up to
// date. A file that is not a database any more is renamed aside, never deleted, and a new one is
// started. After any failure both connections are closed, so the next try starts afresh: a file
// that was read-only a moment ago is written once it can be.
//
// Schema (version 2, PRAGMA user_version; version 1 is brought up to date in place):
//   games(id, started, finished, total, bonus, extra, forced, coach, and the card's points:
//         ones ... sixes, three_of_a_kind, four_of_a_kind, full_house, small_straight,
//         large_straight, korvex, chance; then luck, given_up, NULL until judged)
//   turns(game_id, turn 1..13, category "Full House", points)
//   rolls(game_id, turn, roll 1..3, faces "3 3 5 6 1", held "1 2", forced)
//   practice_positions(position "game 12 turn 3 roll 2", game_id or NULL, turn, roll,
//         card "3 - 9 ...", extra, faces, box, due)
//   practice_answers(id, answered, position, move, given_up)

#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "record/game_store.h"

class QSqlDatabase;
class QSqlError;

namespace korvex {

class GameDatabase : public GameStore {
  public:
    static constexpr int kSchemaVersion = 2;

    explicit GameDatabase(QString path);
    ~GameDatabase() override;
    GameDatabase(const GameDatabase&) = delete;
    GameDatabase& operator=(const GameDatabase&) = delete;

    const QString& path() const { return m_path; }

    using GameStore::store;
    bool store(GameRecord* records, std::size_t count, int waitMs) override;
    std::optional<std::vector<GameSummary>> summaries() override;
    std::optional<GameRecord> game(qint64 id) override;
    bool storeLuck(const std::vector<GameLuck>& luck, int waitMs) override;
    std::optional<PracticeRecord> practice() override;
    bool storeAnswer(PracticeAnswer& answer, const PracticeSlot& slot, int waitMs) override;
    const StoreFailure& failure() const override { return m_failure; }
    std::optional<QString> takeSetAside() override;

  private:
    // Old: an older schema that cannot be brought up to date now (the file cannot be written);
    // its games are read all the same.
    enum class Schema { Current, Old, Empty, Failed };

    // The writing connection, open and at this version's schema (made or brought up to date
    // here), or false with failure() set.
    bool openWriter(int waitMs);
    // The reading connection, open, and what it found: the current schema, an empty or missing
    // file (no games yet), or a failure. An older schema is brought up to date first.
    Schema openReader();
    bool connect(const QString& name, const QString& file, const QString& options);
    std::optional<int> schemaVersion(const QString& connection);
    bool migrate(int waitMs);
    // Starts an operation: closes connections a failure left, and forgets the failure.
    void begin();
    void closeAll();
    bool failed(const QSqlError& error);
    bool failedNewer();
    bool setAside();
    // The game's number, or 0 (failure() says why).
    qint64 insertGame(const QSqlDatabase& db, const GameRecord& record);
    std::optional<std::vector<GameSummary>> readSummaries(Schema schema);
    // Runs `statements` in one write transaction (they roll back themselves on failure), on a
    // new file in place of a damaged one if need be.
    bool write(const std::function<bool(QSqlDatabase&)>& statements, int waitMs);
    bool rolledBack(QSqlDatabase& db, const QSqlError& error);
    bool readTurns(GameRecord& record);

    QString m_path;
    QString m_reader, m_writer;  // the connections' names
    bool m_readerOpen = false, m_writerOpen = false;
    bool m_damaged = false;  // the last failure said the file is not a sound database
    bool m_stale = false;    // a connection failed: the next operation opens new ones
    StoreFailure m_failure;
    std::optional<QString> m_setAside;
};

// The database at `path`, as a GameStoreOpener: for whatever links this code directly (the
// module, the tests and the tools).
std::unique_ptr<GameStore> openGameDatabase(const QString& path, QString& problem);

}  // namespace korvex
