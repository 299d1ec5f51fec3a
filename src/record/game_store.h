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
#include "record/practice_record.h"

namespace korvex {

// Why the last operation of a store failed.
struct StoreFailure {
    enum class Kind {
        None,
        Busy,     // another running copy is writing its own game: try again later
        Newer,    // written by a newer version of Korvex, which this one cannot add to
        Refused,  // the file cannot be read or written now: read-only, a full disk, no folder
    };
    Kind kind = Kind::None;
    QString cause;   // in the player's words: "the disk is full"
    QString detail;  // what SQLite itself said, for a line of details
};

class GameStore {
  public:
    // How long a write waits for another copy's: at a game's end the board must not stall, and
    // when the board closes this is the last chance.
    static constexpr int kBoardWaitMs = 60;
    static constexpr int kClosingWaitMs = 750;

    virtual ~GameStore() = default;

    // Stores the games in one transaction, all of them or none, and gives each its number,
    // waiting at most `waitMs` for another copy's write. On failure nothing is stored and
    // failure() says why.
    virtual bool store(GameRecord* records, std::size_t count, int waitMs) = 0;
    bool store(GameRecord& record, int waitMs = kClosingWaitMs) {
        return store(&record, 1, waitMs);
    }
    bool store(GameRecord* records, std::size_t count) {
        return store(records, count, kClosingWaitMs);
    }
    // Every stored game, oldest first; nothing when the store cannot be read. Reading never
    // writes, and never waits for a copy that is writing.
    virtual std::optional<std::vector<GameSummary>> summaries() = 0;
    // One stored game with all its moves.
    virtual std::optional<GameRecord> game(qint64 id) = 0;

    // Keeps each game's luck and points given up, in one transaction.
    virtual bool storeLuck(const std::vector<GameLuck>& luck, int waitMs) = 0;

    // What Practice has kept; nothing when the store cannot be read.
    virtual std::optional<PracticeRecord> practice() = 0;
    // Stores an answer and the answered position's new place in the schedule, together; gives
    // the answer its number.
    virtual bool storeAnswer(PracticeAnswer& answer, const PracticeSlot& slot, int waitMs) = 0;

    virtual const StoreFailure& failure() const = 0;
    // The failure in one line, for logs and tools.
    QString error() const {
        const StoreFailure& f = failure();
        return f.detail.isEmpty() ? f.cause : f.cause + QStringLiteral(" (") + f.detail + u')';
    }
    // Set once when a damaged file was renamed aside: the name it now has.
    virtual std::optional<QString> takeSetAside() = 0;
};

// Opens the store at `path` (without touching the file yet). Null, with `problem` saying why,
// when no store can be had at all: the module that keeps it is missing, say.
using GameStoreOpener =
    std::function<std::unique_ptr<GameStore>(const QString& path, QString& problem)>;

}  // namespace korvex
