// SPDX-License-Identifier: GPL-3.0-or-later
#include "practice/practice_session.h"

#include <algorithm>

#include "practice/practice_positions.h"
#include "record/game_history.h"

namespace korvex {

PracticeSession::PracticeSession(GameHistory& history, const CoachTable& table)
    : m_history(history), m_table(table) {}

std::vector<GameRecord> PracticeSession::latestGames() {
    std::vector<GameRecord> games;
    const std::vector<GameSummary> summaries = m_history.summaries();
    for (auto it = summaries.rbegin(); it != summaries.rend() && int(games.size()) < kGamesSearched;
         ++it) {
        // A game still waiting to be written has no lasting number for a key yet.
        if (it->id <= 0) continue;
        if (std::optional<GameRecord> game = m_history.game(it->id)) games.push_back(*game);
    }
    return games;
}

void PracticeSession::reload() {
    m_record = m_history.practice();
    m_candidates = recordedPositions(m_table, latestGames());
    m_fromCoach = m_candidates.empty();
    if (m_fromCoach) m_candidates = coachGamePositions(m_table);
    next();
}

void PracticeSession::next() {
    m_position = nextPosition(m_record, m_candidates);
}

std::optional<PracticeGrade> PracticeSession::answer(const PracticeMove& move, QDateTime when) {
    if (!m_position) return std::nullopt;
    std::optional<PracticeGrade> grade = gradeMove(m_table, *m_position, move);
    if (!grade) return std::nullopt;
    PracticeAnswer answer;
    answer.answered = QDateTime::fromSecsSinceEpoch(when.toSecsSinceEpoch(), Qt::UTC);
    answer.position = m_position->key;
    answer.move = grade->move;
    answer.givenUp = grade->givenUp;
    auto before =
        std::find_if(m_record.schedule.begin(), m_record.schedule.end(),
                     [&](const PracticeSlot& s) { return s.position.key == answer.position; });
    const PracticeSlot slot =
        rescheduled(*m_position, before == m_record.schedule.end() ? nullptr : &*before,
                    grade->givenUp, int(m_record.answers.size()) + 1);
    // A refused answer is not kept anywhere: the record stays as it is, so the position comes
    // back as if it had not been answered, as the player is told.
    m_kept = m_history.storeAnswer(answer, slot);
    if (!m_kept) return grade;
    m_record.answers.push_back(answer);
    if (before == m_record.schedule.end())
        m_record.schedule.push_back(slot);
    else
        *before = slot;
    return grade;
}

}  // namespace korvex
