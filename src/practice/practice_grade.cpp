// SPDX-License-Identifier: GPL-3.0-or-later
#include "practice/practice_grade.h"

#include <algorithm>
#include <cmath>

#include "review/game_review.h"

namespace korvex {
namespace {

// Rounding noise of the table must not show as points given up when the move was the best.
constexpr double kNoise = 0.0005;

// The expected final total after holding `held` with `rollsLeft` (1 or 2) rolls to come.
double holdTotal(const CoachTable& table, const CoachPosition& position,
                 const std::array<bool, 5>& held) {
    std::array<int, 5> kept{};
    int n = 0;
    for (std::size_t i = 0; i < 5; ++i)
        if (held[i]) kept[std::size_t(n++)] = position.dice[i];
    const TurnValues turn = table.turn(coachState(position));
    const auto& keep = position.rollsLeft == 2 ? turn.keepTwoLeft : turn.keepOneLeft;
    return position.totalSoFar + keep[std::size_t(table.hands().handOfFaces(kept.data(), n))];
}

// The move in the words the review uses for the same decision.
QString moveText(const PracticePosition& position, const PracticeMove& move) {
    ReviewedDecision decision;
    decision.faces = position.faces;
    if (move.kind == PracticeMove::Kind::Score) {
        decision.kind = ReviewedDecision::Kind::Score;
        decision.category = move.category;
        decision.points = category(move.category).points(position.faces);
    } else {
        decision.held = move.held;
    }
    return describeChoice(decision);
}

}  // namespace

std::optional<PracticeGrade> gradeMove(const CoachTable& table, const PracticePosition& position,
                                       const PracticeMove& move) {
    const int rollsLeft = rollsLeftAfter(position);
    if (rollsLeft < 0 || rollsLeft > 2) return std::nullopt;
    const CoachPosition at =
        coachPosition(position.card, position.faces, rollsLeft,
                      move.kind == PracticeMove::Kind::Hold ? move.held : std::array<bool, 5>{});
    PracticeGrade grade;
    grade.best = advise(table, at);
    if (grade.best.action == Advice::Action::None) return std::nullopt;
    if (move.kind == PracticeMove::Kind::Score) {
        const double loss = choiceLoss(table, at, move.category);
        if (std::isnan(loss)) return std::nullopt;
        grade.chosenTotal = grade.best.expectedTotal - loss;
    } else {
        if (rollsLeft == 0) return std::nullopt;
        grade.chosenTotal = holdTotal(table, at, move.held);
    }
    const double loss = grade.best.expectedTotal - grade.chosenTotal;
    grade.givenUp = loss < kNoise ? 0.0 : loss;
    grade.move = moveText(position, move);
    return grade;
}

}  // namespace korvex
