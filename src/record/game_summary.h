// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One finished game as the statistics see it: its result, per category, without its moves.

#include <QDateTime>
#include <array>
#include <optional>

#include "record/game_record.h"

namespace korvex {

struct GameSummary {
    // The database's number of the game; a game still waiting to be stored has a negative one.
    qint64 id = 0;
    QDateTime started, finished;  // UTC
    int total = 0, bonus = 0, extra = 0;
    bool forced = false, coach = false;
    std::array<int, kCategoryCount> points{};  // each category's points, card order
    // The game's luck and the expected points its decisions gave up, once the coach's table
    // has judged it (games recorded before the table was ready are judged later).
    std::optional<double> luck, givenUp;

    friend bool operator==(const GameSummary&, const GameSummary&) = default;
};

inline GameSummary summaryOf(const GameRecord& record) {
    return {record.id,    record.started, record.finished, record.total,           record.bonus,
            record.extra, record.forced,  record.coach,    record.categoryPoints(),
            {},           {}};
}

}  // namespace korvex
