// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The file that keeps every recorded game: an SQLite database reached through Qt SQL. It is
// opened on first use, brought to the current schema, written one game per transaction, and
// shared safely with other running copies of the game (write-ahead log, busy timeout). A file
// that is not a database any more is renamed aside, never deleted, and a new one is started.
//
// Schema (version 1, PRAGMA user_version):
//   games(id, started, finished, total, bonus, extra, forced, coach, and the card's points:
//         ones ... sixes, three_of_a_kind, four_of_a_kind, full_house, small_straight,
//         large_straight, korvex, chance)
//   turns(game_id, turn 1..13, category "Full House", points)
//   rolls(game_id, turn, roll 1..3, faces "3 3 5 6 1", held "1 2", forced)

#include <QString>
#include <memory>
#include <optional>
#include <vector>

#include "record/game_store.h"

class QSqlDatabase;
class QSqlError;

namespace korvex {

class GameDatabase : public GameStore {
  public:
    static constexpr int kSchemaVersion = 1;
    // How long a write waits for another copy of the game that is writing at the same moment.
    static constexpr int kBusyTimeoutMs = 750;

    explicit GameDatabase(QString path);
    ~GameDatabase() override;
    GameDatabase(const GameDatabase&) = delete;
    GameDatabase& operator=(const GameDatabase&) = delete;

    const QString& path() const { return m_path; }

    using GameStore::store;
    bool store(GameRecord* records, std::size_t count) override;
    std::optional<std::vector<GameSummary>> summaries() override;
    std::optional<GameRecord> game(qint64 id) override;
    const QString& error() const override { return m_error; }
    std::optional<QString> takeSetAside() override;

  private:
    bool open();
    bool openFile();
    bool migrate();
    void close();
    bool failed(const QString& what, const QSqlError& error);
    bool setAside();
    bool writeGames(GameRecord* records, std::size_t count);
    // The game's number, or 0 (error() says why).
    qint64 insertGame(const QSqlDatabase& db, const GameRecord& record);
    std::optional<std::vector<GameSummary>> readSummaries();
    bool readTurns(GameRecord& record);

    QString m_path;
    QString m_connection;
    bool m_ready = false;
    bool m_damaged = false;  // the last failure said the file is not a sound database
    QString m_error;
    std::optional<QString> m_setAside;
};

// The database at `path`, as a GameStoreOpener: for whatever links this code directly (the
// module, the tests and the tools).
std::unique_ptr<GameStore> openGameDatabase(const QString& path, QString& problem);

}  // namespace korvex
