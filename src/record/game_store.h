// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the record of games is kept, as the rest of the program uses it: games go in whole, and
// summaries and whole games come out. The file itself (SQLite through Qt SQL) lives in a module
// of its own that the game loads the first time a game is recorded or read, so that starting the
// game never loads the database libraries.

#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "record/game_record.h"
#include "record/game_summary.h"

namespace korvex {

class GameStore {
  public:
    virtual ~GameStore() = default;

    // Stores the games in one transaction, all of them or none, and gives each its number. On
    // failure nothing is stored and error() says why.
    virtual bool store(GameRecord* records, std::size_t count) = 0;
    bool store(GameRecord& record) { return store(&record, 1); }
    // Every stored game, oldest first; nothing when the store cannot be read.
    virtual std::optional<std::vector<GameSummary>> summaries() = 0;
    // One stored game with all its moves.
    virtual std::optional<GameRecord> game(qint64 id) = 0;

    // Why the last operation failed, in words.
    virtual const QString& error() const = 0;
    // Set once when a damaged file was renamed aside: the name it now has.
    virtual std::optional<QString> takeSetAside() = 0;
};

// Opens the store at `path` (without touching the file yet). Null, with `problem` saying why,
// when no store can be had at all: the module that keeps it is missing, say.
using GameStoreOpener =
    std::function<std::unique_ptr<GameStore>(const QString& path, QString& problem)>;

}  // namespace korvex
