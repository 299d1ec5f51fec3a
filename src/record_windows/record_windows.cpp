// SPDX-License-Identifier: GPL-3.0-or-later
#include "record_windows/record_windows.h"

#include <QGuiApplication>
#include <QScreen>

namespace korvex {

namespace {

// A window that opens afresh opens at its own good size where the screen has room for it, and
// within the screen where it has not, centred; it remembers nothing of an earlier opening. One
// still open only comes to the front.
void open(QWidget* window, QSize preferred) {
    if (!window->isVisible()) {
        const QScreen* screen = QGuiApplication::primaryScreen();
        const QRect room = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
        const QSize size = preferred.boundedTo(room.size() * 9 / 10)
                               .expandedTo(window->minimumSizeHint())
                               .boundedTo(room.size());
        window->resize(size);
        window->move(room.center() - QPoint(size.width() / 2, size.height() / 2));
        window->show();
    }
    window->raise();
    window->activateWindow();
}

}  // namespace

RecordWindows::RecordWindows(GameHistory& history, TableSource table)
    : m_history(history), m_table(std::move(table)) {}

RecordWindows::~RecordWindows() = default;

void RecordWindows::recordChanged() {
    if (m_statistics && m_statistics->isVisible()) m_statistics->reload();
}

void RecordWindows::showStatistics() {
    if (!m_statistics)
        m_statistics = std::make_unique<StatisticsWindow>(
            m_history, [this](const GameRecord& game) { showReview(game); });
    // Read afresh each time: games finished since the window was last open count too.
    m_statistics->reload();
    open(m_statistics.get(), QSize(860, 640));
}

void RecordWindows::showReview(const GameRecord& record) {
    m_review = std::make_unique<ReviewWindow>(record, m_table);
    open(m_review.get(), QSize(820, 680));
}

void RecordWindows::showPractice() {
    if (!m_practice) m_practice = std::make_unique<PracticeWindow>(m_history, m_table);
    // A window still open keeps the position the player is on; one opened afresh reads the
    // record again, so games finished since count too.
    if (!m_practice->isVisible()) m_practice->reload();
    open(m_practice.get(), QSize(640, 540));
}

}  // namespace korvex
