// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one assembly of a running game: the high-score table over a store, the board that plays
// with the given dice and reports through the given toolkit, and, when a record of games is
// given, the record wired to the board with its Statistics, Review and Practice windows. The
// desktop program, the tests, the benchmarks and the tools all put a game together through here.

#include <QObject>
#include <memory>

#include "app/lazy_record_views.h"
#include "board/form1.h"
#include "core/random_source.h"
#include "hiscores/mod_hi_scores.h"
#include "hiscores/settings_store.h"
#include "record/game_history.h"
#include "review/luck_fill.h"
#include "ui/toolkit.h"

namespace korvex {

class RunningGame {
  public:
    // The toolkit, dice, store and history must outlive the game. Without a history no game is
    // recorded and the Statistics link does nothing.
    RunningGame(Toolkit& toolkit, RandomSource& random, SettingsStore& store,
                GameHistory* history = nullptr);

    // Opens the board; the game then runs on the toolkit's events.
    void show() { m_toolkit.showModeless(m_board); }
    Form1& board() { return m_board; }
    ModHiScores& hiScores() { return m_hiScores; }
    GameHistory* history() { return m_history; }

  private:
    // Judges the games still without luck, if the coach's table is there.
    void judgeGames();
    void report(const QString& text, const QString& title);

    Toolkit& m_toolkit;
    ModHiScores m_hiScores;
    Form1 m_board;
    GameHistory* m_history;
    // The Statistics and Review windows, loaded on the first request; they go before the board.
    std::unique_ptr<LazyRecordViews> m_recordWindows;
    // Judges recorded games in the background once the coach's table is there; it reads the
    // board's table, so it stops before the board goes.
    QObject m_context;
    std::unique_ptr<LuckFill> m_luckFill;
};

}  // namespace korvex
