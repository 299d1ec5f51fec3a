// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A score card kept by the card's rules alone, commit by commit: the upper bonus, the extra
// five-of-a-kind points and the total, and the position the coach needs before each decision.
// The game generator plays with it, the review replays records through it, and a record read
// back is checked against it. It keeps the game's own card, so the rules live in one place.

#include <array>

#include "coach/coach_advice.h"
#include "core/game.h"

namespace korvex {

class CardTally {
  public:
    // Records `faces` in `category` and returns the category's points (extra points apart).
    // The category must be open.
    int commit(int category, const std::array<int, 5>& faces);

    bool used(int category) const { return m_card.used(CategoryId(category)); }
    int turnsPlayed() const { return m_card.turnsPlayed(); }
    int bonus() const { return m_card.bonus(); }
    int extra() const { return m_card.extraPoints; }
    int total() const { return m_card.total(); }
    // The coach's view of the card with these dice on the table and `rollsLeft` rolls to come.
    CoachPosition position(const std::array<int, 5>& faces, int rollsLeft) const;

  private:
    Card m_card;
};

}  // namespace korvex
