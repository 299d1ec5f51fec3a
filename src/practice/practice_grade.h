// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The coach's verdict on a practice answer: the expected points the move gave up against the
// best one, the best move itself, and the final totals both moves expect with best play after
// them.

#include <QString>
#include <array>
#include <optional>

#include "coach/coach_advice.h"
#include "record/practice_record.h"

namespace korvex {

// What the player did in a position: held some dice and rolled the others, or scored a category.
struct PracticeMove {
    enum class Kind { Hold, Score };
    Kind kind = Kind::Hold;
    std::array<bool, 5> held{};  // Hold: the positions held for the next roll
    CategoryId category{};       // Score
};

struct PracticeGrade {
    double givenUp = 0;      // expected points the move gave up; 0 for the best move
    Advice best;             // the coach's move in the position
    double chosenTotal = 0;  // the final total expected after the player's move
    QString move;            // the player's move in words: "Held 6 6 and rolled"
};

// The rolls still to come after the position's roll.
inline int rollsLeftAfter(const PracticePosition& position) {
    return 3 - position.roll;
}

// Grades `move` in `position`. Nothing when the move is not one the position allows (a roll
// after the third, a category already scored) or the position is not one a game reaches.
std::optional<PracticeGrade> gradeMove(const CoachTable& table, const PracticePosition& position,
                                       const PracticeMove& move);

}  // namespace korvex
