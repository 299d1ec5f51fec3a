// SPDX-License-Identifier: GPL-3.0-or-later
#include "record/game_history.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

namespace korvex {
namespace {

// The texts of GameHistory, under the context lupdate files them in.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(GameHistory)
};

}  // namespace

GameHistory::GameHistory(QString path, GameStoreOpener open)
    : m_path(std::move(path)), m_open(std::move(open)) {}

GameHistory::~GameHistory() = default;

QString GameHistory::defaultPath() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
           QStringLiteral("/games.sqlite");
}

QString GameHistory::path() const {
    return m_path.isEmpty() ? defaultPath() : m_path;
}

GameStore* GameHistory::store() {
    // Made on first use, so that starting the game never touches the file; a store that could
    // not be had is asked for again next time.
    if (!m_store && m_open) m_store = m_open(path(), m_problem);
    return m_store.get();
}

QString GameHistory::storeError() const {
    return m_store ? m_store->error() : m_problem;
}

void GameHistory::record(const GameRecord& game) {
    m_last = game;
    m_waiting.push_back(game);
    flush();
}

bool GameHistory::flush() {
    while (!m_waiting.empty()) {
        GameRecord& next = m_waiting.front();
        GameStore* games = store();
        const bool stored = games && games->store(next);
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
    GameStore* stored = store();
    if (auto read = stored ? stored->summaries() : std::nullopt) {
        games = std::move(*read);
    } else {
        if (m_reporter)
            m_reporter(Text::tr("The record of your games, %1, cannot be read (%2).")
                           .arg(QDir::toNativeSeparators(path()), storeError()),
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
    GameStore* stored = store();
    return stored ? stored->game(id) : std::nullopt;
}

void GameHistory::reportSetAside() {
    const std::optional<QString> aside = m_store ? m_store->takeSetAside() : std::nullopt;
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
            .arg(QDir::toNativeSeparators(path()), storeError()),
        Text::tr("Game Record"));
}

}  // namespace korvex
