// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One sitting of Practice over the record of games: it finds the positions (from the player's
// recorded games, or from the coach's own for a player with none), poses them in the schedule's
// order, grades each answer against the coach's table and keeps the answer and the position's new
// place in the record. An answer the record refuses is graded but not counted. Practice
// never plays a game: nothing here reaches the high-score table or the list of games.

#include <QDateTime>
#include <optional>
#include <vector>

#include "practice/practice_grade.h"
#include "practice/practice_schedule.h"
#include "record/game_record.h"

namespace korvex {

class CoachTable;
class GameHistory;

class PracticeSession {
  public:
    // The latest games whose decisions are searched for positions: enough for a long record's
    // worst habits, few enough that Practice opens at once.
    static constexpr int kGamesSearched = 200;

    PracticeSession(GameHistory& history, const CoachTable& table);

    // Reads the record and the games again, and poses the next position.
    void reload();
    // The position posed now; none when there is nothing to practise.
    const std::optional<PracticePosition>& position() const { return m_position; }
    // The answer to the position posed now: graded, scheduled and kept. Nothing (and nothing
    // changes) when the move is not one the position allows.
    std::optional<PracticeGrade> answer(const PracticeMove& move,
                                        QDateTime when = QDateTime::currentDateTimeUtc());
    // Poses the next position in the schedule's order.
    void next();

    std::optional<double> proficiency() const { return korvex::proficiency(m_record.answers); }
    const PracticeRecord& record() const { return m_record; }
    // The positions come from games the coach played, the player having none of their own.
    bool fromCoachGames() const { return m_fromCoach; }
    // Whether the last answer was written to the record; one that was not (the player was told
    // why) leaves the schedule and the proficiency as they were.
    bool lastAnswerKept() const { return m_kept; }

  private:
    std::vector<GameRecord> latestGames();

    GameHistory& m_history;
    const CoachTable& m_table;
    PracticeRecord m_record;
    std::vector<PracticeCandidate> m_candidates;
    std::optional<PracticePosition> m_position;
    bool m_fromCoach = false;
    bool m_kept = true;
};

}  // namespace korvex
