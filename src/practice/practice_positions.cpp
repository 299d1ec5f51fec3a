// SPDX-License-Identifier: GPL-3.0-or-later
#include "practice/practice_positions.h"

#include <algorithm>

#include "core/card.h"
#include "practice/game_generator.h"

namespace korvex {
namespace {

void costliestFirst(std::vector<PracticeCandidate>& candidates) {
    // Stable, so equal losses keep the order of play and the choice is the same every run.
    std::stable_sort(candidates.begin(), candidates.end(),
                     [](const auto& a, const auto& b) { return a.loss > b.loss; });
}

}  // namespace

std::vector<PracticeCandidate> positionsOfGame(const GameRecord& record, const GameReview& review,
                                               const QString& stem) {
    std::vector<PracticeCandidate> out;
    // The card as each turn found it: the decisions come turn by turn, in order.
    Card card;
    int cardTurn = 1;
    for (const ReviewedDecision& d : review.decisions) {
        for (; cardTurn < d.turn; ++cardTurn) {
            const TurnRecord& turn = record.turns[std::size_t(cardTurn - 1)];
            card.commit(*turn.category, turn.rolls.back().faces);
        }
        if (!d.judged || d.loss <= 0) continue;
        PracticeCandidate c;
        c.position.key = QStringLiteral("%1 turn %2 roll %3").arg(stem).arg(d.turn).arg(d.roll);
        c.position.gameId = record.id;
        c.position.turn = d.turn;
        c.position.roll = d.roll;
        c.position.card = card;
        c.position.faces = d.faces;
        c.loss = d.loss;
        out.push_back(std::move(c));
    }
    return out;
}

std::vector<PracticeCandidate> recordedPositions(const CoachTable& table,
                                                 const std::vector<GameRecord>& games) {
    std::vector<PracticeCandidate> out;
    for (const GameRecord& game : games) {
        const std::optional<GameReview> review = reviewGame(table, game);
        if (!review) continue;
        auto found = positionsOfGame(game, *review, QStringLiteral("game %1").arg(game.id));
        out.insert(out.end(), found.begin(), found.end());
    }
    costliestFirst(out);
    return out;
}

std::vector<PracticeCandidate> coachGamePositions(const CoachTable& table, int games) {
    std::vector<PracticeCandidate> out;
    for (int n = 1; n <= games; ++n) {
        GameGenerator generator(std::uint64_t(n), {&table, kCoachNoise, 0.0, 0.0});
        const GameRecord game = generator.next();  // not recorded: its number stays 0
        const std::optional<GameReview> review = reviewGame(table, game);
        if (!review) continue;
        auto found = positionsOfGame(game, *review, QStringLiteral("coach %1").arg(n));
        out.insert(out.end(), found.begin(), found.end());
    }
    costliestFirst(out);
    return out;
}

}  // namespace korvex
