// SPDX-License-Identifier: GPL-3.0-or-later
#include "record/game_recorder.h"

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

void GameRecorder::rolled(const Game& game, bool coachOn) {
    if (!m_game) return;
    TurnRecord& turn = m_game->turns.back();
    // The board never rolls a fourth time in a turn; a record that saw one would be wrong.
    if (turn.rolls.size() == std::size_t(kRollsPerTurn)) return discard();
    RollRecord roll;
    for (std::size_t p = 0; p < roll.faces.size(); ++p) {
        roll.faces[p] = game.face(int(p));
        roll.held[p] = game.held(int(p));
    }
    roll.forced = game.lastRollForced();
    turn.rolls.push_back(roll);
    m_game->coach = m_game->coach || coachOn;
}

void GameRecorder::committed(const Game& game, CategoryId category) {
    const std::optional<int>& points = game.card().scores[std::size_t(category)];
    if (!m_game || m_game->turns.back().rolls.empty() || !points) return discard();
    TurnRecord& turn = m_game->turns.back();
    turn.category = category;
    turn.points = *points;
    if (m_game->turns.size() < std::size_t(kTurnsPerGame)) m_game->turns.emplace_back();
}

std::optional<GameRecord> GameRecorder::finished(const Game& game, const QDateTime& now) {
    std::optional<GameRecord> record = std::move(m_game);
    m_game.reset();
    if (!record || !game.over() || record->turns.size() != std::size_t(kTurnsPerGame) ||
        !record->turns.back().category)
        return std::nullopt;
    const Card& card = game.card();
    record->finished = utcSeconds(now);
    record->bonus = card.bonus();
    record->extra = card.extraPoints;
    record->total = card.total();
    record->forced = game.cheat().everArmed();
    return record;
}

void GameRecorder::discard() {
    m_game.reset();
}

}  // namespace korvex
