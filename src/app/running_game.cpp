// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/running_game.h"

namespace korvex {

RunningGame::RunningGame(Toolkit& toolkit, RandomSource& random, SettingsStore& store,
                         GameHistory* history)
    : m_toolkit(toolkit),
      m_hiScores(store, toolkit),
      m_board(toolkit, random, m_hiScores),
      m_history(history) {
    if (!m_history) return;
    const auto reporter = [this](const QString& text, const QString& title) {
        report(text, title);
    };
    // Problems of the record are told on the board; its file opens only when first needed.
    m_history->setReporter(reporter);
    m_recordWindows = std::make_unique<LazyRecordViews>(
        LazyRecordViews::defaultModules(), *m_history, [this] { return m_board.coach().table(); },
        reporter);
    m_board.setHistory(m_history);
    m_luckFill = std::make_unique<LuckFill>(m_history->opener(), m_history->path());
    m_board.coach().setTableListener([this] { judgeGames(); });
    m_history->setStoredListener([this] { judgeGames(); });
    m_board.setRecordLinks({[this] {
                                // Statistics shows what the coach makes of the games: it asks
                                // for the table, which judges them once it is there.
                                m_board.coach().table();
                                judgeGames();
                                m_recordWindows->showStatistics();
                            },
                            [this](const GameRecord& game) { m_recordWindows->showReview(game); },
                            [this] { m_recordWindows->showPractice(); }});
}

void RunningGame::judgeGames() {
    const CoachTable* table = m_board.coach().builtTable();
    if (!table || !m_luckFill) return;
    m_luckFill->start(*table, &m_context, [this](int judged) {
        if (judged) m_recordWindows->recordChanged();
    });
}

void RunningGame::report(const QString& text, const QString& title) {
    m_toolkit.messageBox(&m_board, text, title, MessageButtons::Ok);
}

}  // namespace korvex
