// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every game played, as the rest of the program sees it: finished games go in, summaries and
// whole records come out. It owns the store of games and opens it only when first needed, keeps
// in memory any game that could not be written and writes it at the next chance, and reports
// each problem to the player once. It opens no window; the high-score table is none of its
// business.

#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "record/game_record.h"
#include "record/game_store.h"
#include "record/game_summary.h"

namespace korvex {

class GameHistory {
  public:
    // Shows a problem to the player: text and title of a message box.
    using Reporter = std::function<void(const QString& text, const QString& title)>;

    // `path` is the file of games; empty for games.sqlite in the player's data location. `open`
    // makes the store when it is first needed.
    GameHistory(QString path, GameStoreOpener open);
    ~GameHistory();

    // games.sqlite in the player's data location for this application.
    static QString defaultPath();

    void setReporter(Reporter reporter) { m_reporter = std::move(reporter); }
    // Called after games waiting in memory were written, so that they can be judged.
    void setStoredListener(std::function<void()> listener) { m_stored = std::move(listener); }
    // What makes the store: for a worker that needs one of its own on the same file.
    const GameStoreOpener& opener() const { return m_open; }

    // When games waiting in memory are written: each time, the board waits only briefly for
    // another copy's write, but when it closes this is their last chance.
    enum class Occasion { GameEnd, Statistics, Closing };

    // A finished game: written now together with any kept from earlier refusals, or kept.
    void record(const GameRecord& game);
    // Writes the games kept in memory; true when none is left waiting. When the board closes,
    // games that still cannot be written are lost, and the player is told so.
    bool flush(Occasion occasion = Occasion::Statistics);
    std::size_t waiting() const { return m_waiting.size(); }

    // Every game, oldest first: the stored ones, then those still waiting to be written (with
    // negative numbers). A store that cannot be read gives only the waiting ones, and
    // readProblem() says why.
    std::vector<GameSummary> summaries();
    // Why the last summaries() holds no stored games, in a sentence; empty when they were read.
    const QString& readProblem() const { return m_readProblem; }
    // A whole game by its summary's number.
    std::optional<GameRecord> game(qint64 id);
    // What Practice has kept; empty when the store cannot be read.
    PracticeRecord practice();
    // Keeps a practice answer and its position's new place in the schedule; false (and the
    // player told once) when the store refused.
    bool storeAnswer(PracticeAnswer& answer, const PracticeSlot& slot);

    // The game most recently finished in this run.
    const std::optional<GameRecord>& lastGame() const { return m_last; }
    QString path() const;

  private:
    // The store, opened on first use; null (and m_problem says why) when none can be had.
    GameStore* store();
    StoreFailure storeFailure() const;
    void reportSetAside();
    void reportRefusal(const StoreFailure& failure);
    void reportLoss(const StoreFailure& failure);
    void report(const QString& text, const StoreFailure& failure);

    QString m_path;
    GameStoreOpener m_open;
    std::unique_ptr<GameStore> m_store;
    QString m_problem;
    std::vector<GameRecord> m_waiting;
    std::optional<GameRecord> m_last;
    Reporter m_reporter;
    std::function<void()> m_stored;
    QString m_readProblem;
    bool m_refusalReported = false;  // since the last write that worked
    bool m_newerReported = false;    // for the whole run: such a file stays as it is
    bool m_answerRefusalReported = false;
};

}  // namespace korvex
