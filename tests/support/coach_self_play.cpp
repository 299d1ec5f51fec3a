// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/coach_self_play.h"

#include <algorithm>
#include <stdexcept>

#include "core/rules.h"

namespace korvex {
namespace {

// The card as a game keeps it: the coach's position plus the Korvex score itself.
struct PlayedCard {
    CoachPosition position;
    int korvexScore = 0;
};

int categoryPoints(const CoachRules& rules, CategoryId category, const Faces& faces) {
    if (category == CategoryId::FullHouse && !rules.fullHouseAcceptsFiveOfAKind &&
        isFiveOfAKind(faces))
        return 0;
    return korvex::category(category).points(faces);
}

// Records the dice in `category` the way the board's commit does.
void commit(const CoachRules& rules, PlayedCard& card, CategoryId category) {
    CoachPosition& p = card.position;
    const int points = categoryPoints(rules, category, p.dice);
    if (korvex::category(category).upper) {
        if (p.upperSum < kBonusThreshold && p.upperSum + points >= kBonusThreshold)
            p.totalSoFar += rules.upperBonus;
        p.upperSum += points;
    }
    const bool korvexDone = p.used[std::size_t(CategoryId::Korvex)];
    if (isFiveOfAKind(p.dice) && korvexDone && card.korvexScore != 0) {
        card.korvexScore += rules.extraFiveOfAKindPoints;
        p.totalSoFar += rules.extraFiveOfAKindPoints;
    }
    if (category == CategoryId::Korvex) card.korvexScore = points;
    p.totalSoFar += points;
    p.used[std::size_t(category)] = true;
    p.korvexScored = p.used[std::size_t(CategoryId::Korvex)] && card.korvexScore != 0;
}

}  // namespace

double SelfPlayResult::standardDeviation() const {
    if (games < 2) return 0;
    const double m = mean();
    return std::sqrt(std::max(0.0, (sumOfSquares - games * m * m) / (games - 1)));
}

SelfPlayResult& SelfPlayResult::operator+=(const SelfPlayResult& other) {
    games += other.games;
    sum += other.sum;
    sumOfSquares += other.sumOfSquares;
    return *this;
}

int playGame(const CoachTable& table, std::mt19937_64& random) {
    std::uniform_int_distribution<int> die(1, 6);
    PlayedCard card;
    CoachPosition& p = card.position;
    for (int turnNumber = 0; turnNumber < kTurnsPerGame; ++turnNumber) {
        for (int& face : p.dice) face = die(random);
        p.rollsLeft = 2;
        const TurnValues turn = table.turn(coachState(p));
        for (;;) {
            const Advice advice = advise(table, p, &turn);
            if (advice.action == Advice::Action::Score) {
                commit(table.rules(), card, advice.category);
                break;
            }
            if (advice.action != Advice::Action::Roll || p.rollsLeft == 0)
                throw std::logic_error("the coach gave no move in the middle of a game");
            for (int i = 0; i < 5; ++i)
                if (!advice.hold[std::size_t(i)]) p.dice[std::size_t(i)] = die(random);
            --p.rollsLeft;
        }
    }
    return p.totalSoFar;
}

SelfPlayResult playGames(const CoachTable& table, int games, std::uint64_t seed) {
    std::mt19937_64 random(seed);
    SelfPlayResult result;
    for (int g = 0; g < games; ++g) {
        const double total = playGame(table, random);
        ++result.games;
        result.sum += total;
        result.sumOfSquares += total * total;
    }
    return result;
}

}  // namespace korvex
