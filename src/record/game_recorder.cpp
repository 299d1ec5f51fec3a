#include "record/game_recorder.h"

#include "scoring/categories.h"

namespace korvex {
namespace {

// The record keeps whole seconds, as the database writes them.
QDateTime utcSeconds(const QDateTime& time) {
    return QDateTime::fromSecsSinceEpoch(time.toSecsSinceEpoch(), Qt::UTC);
}

}  // namespace

void GameRecorder::started(const QDateTime& now) {
    m_game = GameRecord{};
    m_game->started = utcSeconds(now);
    m_game->turns.emplace_back();
}

void GameRecorder::rolled(const RollRecord& roll, bool coachOn) {
    if (!m_game) return;
    TurnRecord& turn = m_game->turns.back();
    // The board never rolls a fourth time in a turn; a record that saw one would be wrong.
    if (turn.rolls.size() == 3) return discard();
    turn.rolls.push_back(roll);
    m_game->coach = m_game->coach || coachOn;
}

void GameRecorder::committed(int category, int points) {
    if (!m_game || m_game->turns.back().rolls.empty()) return discard();
    TurnRecord& turn = m_game->turns.back();
    turn.category = category;
    turn.points = points;
    if (m_game->turns.size() < std::size_t(kCategoryCount)) m_game->turns.emplace_back();
}

std::optional<GameRecord> GameRecorder::finished(int bonus, int total, bool forcedInRun,
                                                 const QDateTime& now) {
    std::optional<GameRecord> game = std::move(m_game);
    m_game.reset();
    if (!game || game->turns.size() != std::size_t(kCategoryCount) ||
        game->turns.back().category < 0)
        return std::nullopt;
    game->finished = utcSeconds(now);
    game->bonus = bonus;
    game->total = total;
    int sum = bonus;
    for (const TurnRecord& turn : game->turns) sum += turn.points;
    // Extra five-of-a-kind points are the only part of the total no commit scored directly.
    game->extra = total - sum;
    game->forced = forcedInRun;
    return game;
}

void GameRecorder::discard() {
    m_game.reset();
}

}  // namespace korvex
