// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// When Practice poses a position again. The schedule is a row of boxes measured in answers, not
// days, so that it follows how much the player practises: a good answer moves a position up a
// box, from where it comes back only after more answers; a poor one sends it back to the first
// box, due again after a few. Also which position comes next, and the player's proficiency.

#include <optional>
#include <vector>

#include "record/practice_record.h"

namespace korvex {

// An answer is good when it gives up less than this many expected points: a move that close to
// the best costs less than a point over a whole game, where a poor one usually costs several.
inline constexpr double kGoodAnswerLoss = 0.5;
// The highest box; a position there comes back every kAnswersUntilDue[kTopBox] answers.
inline constexpr int kTopBox = 5;
// The proficiency figure is the mean given up over this many latest answers.
inline constexpr int kProficiencyAnswers = 50;

// How many answers after being answered a position in `box` is due again.
int answersUntilDue(int box);
bool goodAnswer(double givenUp);

// The position's place after an answer that gave up `givenUp`; `before` is its place until now,
// null for a position never answered, and `answersAfter` counts every answer, this one included.
PracticeSlot rescheduled(const PracticePosition& position, const PracticeSlot* before,
                         double givenUp, int answersAfter);

// A position Practice could pose, and what the move made in it cost when it was played.
struct PracticeCandidate {
    PracticePosition position;
    double loss = 0;
};

// The next position to pose: the due ones first, the most overdue of them first; then the new
// candidates (those not in the schedule), in their given order; then the one due soonest. The
// position answered last comes back at once only when there is no other. Nothing when there is
// neither a schedule nor a candidate.
std::optional<PracticePosition> nextPosition(const PracticeRecord& record,
                                             const std::vector<PracticeCandidate>& candidates);

// The mean expected points given up per answer over the latest kProficiencyAnswers answers;
// nothing before the first answer.
std::optional<double> proficiency(const std::vector<PracticeAnswer>& answers);

}  // namespace korvex
