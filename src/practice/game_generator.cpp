// SPDX-License-Identifier: GPL-3.0-or-later
#include "practice/game_generator.h"

namespace korvex {

GameGenerator::GameGenerator(std::uint64_t seed, Options options)
    : m_options(options), m_random(seed), m_clock(QDate(2025, 1, 1), QTime(9, 0), Qt::UTC) {}

bool GameGenerator::stray() {
    return !m_options.coach || std::bernoulli_distribution(m_options.noise)(m_random);
}

GameRecord GameGenerator::next() {
    GameRecord game;
    std::uniform_int_distribution<int> minutes(2, 240);
    m_clock = m_clock.addSecs(60 * minutes(m_random));
    game.started = m_clock;
    game.forced = std::bernoulli_distribution(m_options.forcedShare)(m_random);
    game.coach = std::bernoulli_distribution(m_options.coachShare)(m_random);
    std::uniform_int_distribution<int> turns(0, 12);
    const int forcedTurn = game.forced ? turns(m_random) : -1;
    Card card;
    for (int t = 0; t < kCategoryCount; ++t) playTurn(game, card, t == forcedTurn);
    m_clock = m_clock.addSecs(60 * std::uniform_int_distribution<int>(2, 8)(m_random));
    game.finished = m_clock;
    game.bonus = card.bonus();
    game.extra = card.extraPoints;
    game.total = card.total();
    return game;
}

void GameGenerator::playTurn(GameRecord& game, Card& card, bool forceOne) {
    std::uniform_int_distribution<int> die(1, 6);
    TurnRecord& turn = game.turns.emplace_back();
    RollRecord roll;
    for (int& face : roll.faces) face = die(m_random);
    for (int rollsLeft = 2;; --rollsLeft) {
        turn.rolls.push_back(roll);
        const CoachPosition position = coachPosition(card, roll.faces, rollsLeft);
        std::array<bool, 5> hold{};
        if (rollsLeft == 0 || !chooseRollAgain(position, hold)) break;
        roll.held = hold;
        roll.forced = forceOne && rollsLeft == 1;
        // A forced roll shows one face on every die, held or not.
        const int forcedFace = die(m_random);
        for (int i = 0; i < 5; ++i)
            if (roll.forced || !hold[std::size_t(i)])
                roll.faces[std::size_t(i)] = roll.forced ? forcedFace : die(m_random);
    }
    const CategoryId chosen = chooseCategory(coachPosition(card, turn.rolls.back().faces, 0));
    turn.category = chosen;
    turn.points = card.commit(chosen, turn.rolls.back().faces);
}

bool GameGenerator::chooseRollAgain(const CoachPosition& position, std::array<bool, 5>& hold) {
    if (stray()) {
        if (std::bernoulli_distribution(0.3)(m_random)) return false;
        for (bool& h : hold) h = std::bernoulli_distribution(0.5)(m_random);
        return true;
    }
    const Advice advice = advise(*m_options.coach, position);
    hold = advice.hold;
    return advice.action == Advice::Action::Roll;
}

CategoryId GameGenerator::chooseCategory(const CoachPosition& position) {
    if (stray()) {
        std::vector<CategoryId> open;
        for (const Category& c : categories())
            if (!position.used[std::size_t(c.index())]) open.push_back(c.id);
        return open[std::uniform_int_distribution<std::size_t>(0, open.size() - 1)(m_random)];
    }
    return advise(*m_options.coach, position).category;
}

}  // namespace korvex
