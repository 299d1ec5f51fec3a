// SPDX-License-Identifier: GPL-3.0-or-later
#include "review/game_review.h"

#include <QCoreApplication>
#include <QStringList>
#include <cmath>

#include "core/card.h"

namespace korvex {
namespace {

// Rounding noise of the table must not show as a loss when the move was the best.
constexpr double kNoise = 0.0005;

// The texts of GameReview, under the context lupdate files them in.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(GameReview)
};

// The expected final total after holding `held` of `faces` with `rollsLeft` rolls to come.
double holdValue(const CoachTable& table, const TurnValues& turn, const CoachPosition& position,
                 const std::array<bool, 5>& held) {
    std::array<int, 5> kept{};
    int n = 0;
    for (int i = 0; i < 5; ++i)
        if (held[std::size_t(i)]) kept[std::size_t(n++)] = position.dice[std::size_t(i)];
    const int hand = table.hands().handOfFaces(kept.data(), n);
    const auto& keep = position.rollsLeft == 2 ? turn.keepTwoLeft : turn.keepOneLeft;
    return position.totalSoFar + keep[std::size_t(hand)];
}

void judge(ReviewedDecision& decision, double chosenValue, GameReview& review) {
    decision.expectedAfter = chosenValue;
    if (!decision.judged) return;
    const double loss = decision.best.expectedTotal - chosenValue;
    decision.loss = loss < kNoise ? 0.0 : loss;
    review.totalLoss += decision.loss;
}

// The expected final total the decisions so far have left: where the next roll's luck starts.
double leftByLast(const GameReview& review) {
    if (review.decisions.empty()) return review.expectedAtStart;
    const ReviewedDecision& last = review.decisions.back();
    return last.best.expectedTotal - last.loss;
}

void reviewTurn(const CoachTable& table, const TurnRecord& played, int number, Card& card,
                GameReview& review) {
    const TurnValues turn = table.turn(coachState(coachPosition(card, {1, 1, 1, 1, 1}, 2)));
    for (std::size_t r = 0; r < played.rolls.size(); ++r) {
        const RollRecord& roll = played.rolls[r];
        const CoachPosition position = coachPosition(card, roll.faces, 2 - int(r));
        ReviewedDecision d;
        d.turn = number;
        d.roll = int(r) + 1;
        d.faces = roll.faces;
        d.best = advise(table, position, &turn);
        d.luck = d.best.expectedTotal - leftByLast(review);
        review.totalLuck += d.luck;
        const bool last = r + 1 == played.rolls.size();
        d.judged = !roll.forced && (last || !played.rolls[r + 1].forced);
        if (last) {
            d.kind = ReviewedDecision::Kind::Score;
            d.category = *played.category;
            d.points = played.points;
            const double value = table.commitValue(
                coachState(position), int(d.category),
                table.hands().handOfFaces(roll.faces.data(), 5) - DiceHands::kFirstRoll);
            judge(d, position.totalSoFar + value, review);
        } else {
            d.held = played.rolls[r + 1].held;
            judge(d, holdValue(table, turn, position, d.held), review);
        }
        review.decisions.push_back(d);
    }
    card.commit(*played.category, played.rolls.back().faces);
}

}  // namespace

const ReviewedDecision* GameReview::costliest() const {
    const ReviewedDecision* worst = nullptr;
    for (const ReviewedDecision& d : decisions)
        if (d.judged && d.loss > 0 && (!worst || d.loss > worst->loss)) worst = &d;
    return worst;
}

std::optional<GameReview> reviewGame(const CoachTable& table, const GameRecord& record) {
    if (recordFault(record)) return std::nullopt;
    GameReview review;
    review.expectedAtStart = table.startValue();
    review.total = record.total;
    Card card;
    for (std::size_t t = 0; t < record.turns.size(); ++t)
        reviewTurn(table, record.turns[t], int(t) + 1, card, review);
    return review;
}

GameLuck gameLuck(qint64 id, const GameReview& review) {
    return {id, review.totalLuck, review.totalLoss};
}

std::optional<GameLuck> gameLuck(const CoachTable& table, const GameRecord& record) {
    const std::optional<GameReview> review = reviewGame(table, record);
    if (!review) return std::nullopt;
    return gameLuck(record.id, *review);
}

QString describeChoice(const ReviewedDecision& decision) {
    if (decision.kind == ReviewedDecision::Kind::Score)
        return Text::tr("Scored %1 for %2")
            .arg(displayTitle(decision.category))
            .arg(decision.points);
    QStringList kept;
    for (int i = 0; i < 5; ++i)
        if (decision.held[std::size_t(i)]) kept << QString::number(decision.faces[std::size_t(i)]);
    if (kept.isEmpty()) return Text::tr("Rolled all five again");
    if (kept.size() == 5) return Text::tr("Held all five and rolled");
    return Text::tr("Held %1 and rolled").arg(kept.join(QLatin1Char(' ')));
}

}  // namespace korvex
