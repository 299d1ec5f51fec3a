#pragma once
// A score card kept by the card's rules alone, commit by commit: the upper bonus, the extra
// five-of-a-kind points and the total, and the position the coach needs before each decision.
// The game generator plays with it, the review replays records through it, and a record read
// back is checked against it.

#include <array>

#include "coach/coach_advice.h"

namespace korvex {

class CardTally {
  public:
    // Records `faces` in `category` and returns the category's points (extra points apart).
    // The category must be open.
    int commit(int category, const std::array<int, 5>& faces);

    bool used(int category) const { return m_used[std::size_t(category)]; }
    int turnsPlayed() const { return m_turns; }
    int bonus() const { return m_bonus; }
    int extra() const { return m_extra; }
    int total() const { return m_total; }
    // The coach's view of the card with these dice on the table and `rollsLeft` rolls to come.
    CoachPosition position(const std::array<int, 5>& faces, int rollsLeft) const;

  private:
    std::array<bool, 13> m_used{};
    int m_upperSum = 0;
    int m_korvex = 0;
    int m_bonus = 0;
    int m_extra = 0;
    int m_total = 0;
    int m_turns = 0;
};

}  // namespace korvex
