// SPDX-License-Identifier: GPL-3.0-or-later
#include "record_windows/record_windows.h"

namespace korvex {

RecordWindows::RecordWindows(GameHistory& history, TableSource table)
    : m_history(history), m_table(std::move(table)) {}

RecordWindows::~RecordWindows() = default;

void RecordWindows::showStatistics() {
    if (!m_statistics)
        m_statistics = std::make_unique<StatisticsWindow>(
            m_history, [this](const GameRecord& game) { showReview(game); });
    // Read afresh each time: games finished since the window was last open count too.
    m_statistics->reload();
    m_statistics->show();
    m_statistics->raise();
    m_statistics->activateWindow();
}

void RecordWindows::showReview(const GameRecord& record) {
    m_review = std::make_unique<ReviewWindow>(record, m_table);
    m_review->show();
    m_review->raise();
    m_review->activateWindow();
}

}  // namespace korvex
