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

// What SQLite itself said, as a line of details under the message.
QString withDetail(const QString& text, const StoreFailure& failure) {
    if (failure.detail.isEmpty()) return text;
    //: A line under a message about the record of games; %1 is what SQLite itself said.
    return text + QStringLiteral("\n\n") + Text::tr("Details: %1").arg(failure.detail);
}

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

StoreFailure GameHistory::storeFailure() const {
    if (m_store) return m_store->failure();
    return {StoreFailure::Kind::Refused, m_problem, {}};
}

void GameHistory::record(const GameRecord& game) {
    m_last = game;
    m_waiting.push_back(game);
    flush(Occasion::GameEnd);
}

bool GameHistory::flush(Occasion occasion) {
    const int wait =
        occasion == Occasion::Closing ? GameStore::kClosingWaitMs : GameStore::kBoardWaitMs;
    bool wrote = false;
    while (!m_waiting.empty()) {
        GameRecord& next = m_waiting.front();
        GameStore* games = store();
        const bool stored = games && games->store(&next, 1, wait);
        reportSetAside();
        if (!stored) {
            const StoreFailure failure = storeFailure();
            occasion == Occasion::Closing ? reportLoss(failure) : reportRefusal(failure);
            if (wrote && m_stored && occasion != Occasion::Closing) m_stored();
            return false;
        }
        if (m_last && m_last->started == next.started && m_last->finished == next.finished)
            m_last->id = next.id;
        m_waiting.erase(m_waiting.begin());
        wrote = true;
    }
    m_refusalReported = false;
    if (wrote && m_stored && occasion != Occasion::Closing) m_stored();
    return true;
}

std::vector<GameSummary> GameHistory::summaries() {
    std::vector<GameSummary> games;
    m_readProblem.clear();
    GameStore* stored = store();
    if (auto read = stored ? stored->summaries() : std::nullopt) {
        games = std::move(*read);
    } else {
        const StoreFailure failure = storeFailure();
        const QString file = QDir::toNativeSeparators(path());
        m_readProblem = withDetail(
            failure.kind == StoreFailure::Kind::Newer
                ? Text::tr("The record of your games, %1, was written by a newer version of "
                           "Korvex, which this version cannot read. The file is left as it is.")
                      .arg(file)
                : Text::tr("The record of your games, %1, cannot be read: %2.")
                      .arg(file, failure.cause),
            failure);
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

PracticeRecord GameHistory::practice() {
    GameStore* stored = store();
    std::optional<PracticeRecord> kept = stored ? stored->practice() : std::nullopt;
    return kept ? std::move(*kept) : PracticeRecord{};
}

bool GameHistory::storeAnswer(PracticeAnswer& answer, const PracticeSlot& slot) {
    GameStore* stored = store();
    const bool kept = stored && stored->storeAnswer(answer, slot, GameStore::kBoardWaitMs);
    reportSetAside();
    if (kept) {
        m_answerRefusalReported = false;
        return true;
    }
    // Once until an answer is kept again: every answer of a session must not bring a box.
    if (m_answerRefusalReported) return false;
    m_answerRefusalReported = true;
    const StoreFailure failure = storeFailure();
    const QString file = QDir::toNativeSeparators(path());
    report(failure.kind == StoreFailure::Kind::Newer
               ? Text::tr("Your practice answers cannot be kept in %1: it was written by a newer "
                          "version of Korvex, and this version cannot add to it. The file is left "
                          "as it is.")
                     .arg(file)
               : Text::tr("Your practice answer could not be written to %1: %2. It is not kept, "
                          "and the position comes back as if it had not been answered.")
                     .arg(file, failure.cause),
           failure);
    return false;
}

void GameHistory::report(const QString& text, const StoreFailure& failure) {
    if (m_reporter) m_reporter(withDetail(text, failure), Text::tr("Game Record"));
}

void GameHistory::reportSetAside() {
    const std::optional<QString> aside = m_store ? m_store->takeSetAside() : std::nullopt;
    if (!aside) return;
    report(Text::tr("The record of your games, %1, was damaged. It has been kept as %2, and a new "
                    "record has been started.")
               .arg(QDir::toNativeSeparators(path()), QDir::toNativeSeparators(*aside)),
           {});
}

void GameHistory::reportRefusal(const StoreFailure& failure) {
    const QString file = QDir::toNativeSeparators(path());
    if (failure.kind == StoreFailure::Kind::Newer) {
        // Such a file is never written by this version: saying so once is enough.
        if (m_newerReported) return;
        m_newerReported = true;
        return report(Text::tr("The games you finish cannot be recorded in %1: it was written by "
                               "a newer version of Korvex, and this version cannot add games to "
                               "it. The file is left as it is.")
                          .arg(file),
                      failure);
    }
    // Once until a write succeeds again: a locked file must not greet every game with a box.
    if (m_refusalReported) return;
    m_refusalReported = true;
    report(Text::tr("Your game could not be written to %1: %2. It is kept and will be recorded at "
                    "the next chance: when your next game ends, when Statistics opens, or when "
                    "you close the board.")
               .arg(file, failure.cause),
           failure);
}

// The board is closing: what still waits is lost with this run. A file from a newer version was
// named as such when the games ended, so there is nothing new to say about it.
void GameHistory::reportLoss(const StoreFailure& failure) {
    if (failure.kind == StoreFailure::Kind::Newer && m_newerReported) return;
    const QString file = QDir::toNativeSeparators(path());
    report(m_waiting.size() == 1
               ? Text::tr("A game you finished could not be recorded in %1: %2. It is lost.")
                     .arg(file, failure.cause)
               : Text::tr("%3 games you finished could not be recorded in %1: %2. They are lost.")
                     .arg(file, failure.cause)
                     .arg(m_waiting.size()),
           failure);
}

}  // namespace korvex
