// SPDX-License-Identifier: GPL-3.0-or-later
#include "record/game_history.h"

#include <QCoreApplication>
#include <QDir>

#include "record/game_database.h"
#include "record/record_views.h"

namespace korvex {
namespace {

// The texts of GameHistory, under the context lupdate files them in.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(GameHistory)
};

}  // namespace

GameHistory::GameHistory(QString path) : m_path(std::move(path)) {}

GameHistory::~GameHistory() = default;

QString GameHistory::path() const {
    return m_path.isEmpty() ? GameDatabase::defaultPath() : m_path;
}

GameDatabase& GameHistory::database() {
    // Made on first use, so that starting the game never touches the file.
    if (!m_database) m_database = std::make_unique<GameDatabase>(path());
    return *m_database;
}

void GameHistory::record(const GameRecord& game) {
    m_last = game;
    m_waiting.push_back(game);
    flush();
}

bool GameHistory::flush() {
    while (!m_waiting.empty()) {
        GameRecord& next = m_waiting.front();
        const bool stored = database().store(next);
        reportSetAside();
        if (!stored) {
            reportRefusal();
            return false;
        }
        if (m_last && m_last->started == next.started && m_last->finished == next.finished)
            m_last->id = next.id;
        m_waiting.erase(m_waiting.begin());
    }
    m_refusalReported = false;
    return true;
}

std::vector<GameSummary> GameHistory::summaries() {
    std::vector<GameSummary> games;
    if (auto stored = database().summaries()) {
        games = std::move(*stored);
    } else {
        if (m_reporter)
            m_reporter(Text::tr("The record of your games, %1, cannot be read (%2).")
                           .arg(QDir::toNativeSeparators(path()), database().error()),
                       Text::tr("Statistics"));
    }
    reportSetAside();
    for (std::size_t i = 0; i < m_waiting.size(); ++i) {
        GameSummary waiting = summaryOf(m_waiting[i]);
        waiting.id = -qint64(i) - 1;
        games.push_back(waiting);
    }
    return games;
}

std::optional<GameRecord> GameHistory::game(qint64 id) {
    if (id < 0) {
        const std::size_t i = std::size_t(-id - 1);
        if (i < m_waiting.size()) return m_waiting[i];
        return std::nullopt;
    }
    return database().game(id);
}

void GameHistory::showStatistics() {
    if (m_views) m_views->showStatistics();
}

void GameHistory::showReview(const GameRecord& game) {
    if (m_views) m_views->showReview(game);
}

void GameHistory::reportSetAside() {
    const std::optional<QString> aside = database().takeSetAside();
    if (!aside || !m_reporter) return;
    m_reporter(
        Text::tr("The record of your games, %1, was damaged. It has been kept as %2, and a new "
                 "record has been started.")
            .arg(QDir::toNativeSeparators(path()), QDir::toNativeSeparators(*aside)),
        Text::tr("Game Record"));
}

void GameHistory::reportRefusal() {
    // Once until a write succeeds again: a locked file must not greet every game with a box.
    if (m_refusalReported || !m_reporter) return;
    m_refusalReported = true;
    m_reporter(
        Text::tr("Your game could not be written to %1 (%2). It is kept and will be recorded "
                 "at the next chance.")
            .arg(QDir::toNativeSeparators(path()), database().error()),
        Text::tr("Game Record"));
}

}  // namespace korvex
