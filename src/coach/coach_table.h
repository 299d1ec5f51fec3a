// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The coach's table: for every turn-start state of a game that can arise, the expected points
// still to come with best play. A state is the set of used categories, the upper sum capped at
// the bonus threshold, and whether Korvex holds a non-zero score. The table is built once,
// backwards from the states with one category left, and never changes afterwards, so any number
// of threads may read it.

#include <QString>
#include <atomic>
#include <memory>
#include <vector>

#include "coach/coach_rules.h"
#include "coach/dice_hands.h"

namespace korvex {

// Index of the Korvex category in card order, and the bit of the used mask for it.
inline constexpr int kKorvexCategory = int(CategoryId::Korvex);

struct CoachState {
    unsigned used = 0;  // bit c set when category c (card order) is scored
    int upperSum = 0;   // capped at the bonus threshold
    bool korvexScored = false;
};

// Everything the coach knows about one turn, from its state: the value of each roll when it must
// be scored now, and the value of keeping each hand with one or two rolls still to come.
struct TurnValues {
    std::array<double, DiceHands::kRollCount> scoreNow{};
    std::array<double, DiceHands::kHandCount> keepOneLeft{};  // hold, roll once more, score
    std::array<double, DiceHands::kHandCount> keepTwoLeft{};  // hold, then two rolls to come
    double start = 0;                                         // before the first roll
};

class CoachTable {
  public:
    // Builds the whole table on `threads` threads (the calling one included). Returns null when
    // `cancel` becomes true before the table is complete.
    static std::unique_ptr<CoachTable> solve(const CoachRules& rules, int threads = 2,
                                             const std::atomic<bool>* cancel = nullptr);

    const CoachRules& rules() const { return m_rules; }
    const DiceHands& hands() const { return m_hands; }

    // Expected points still to come from the start of a turn in this state (bonus and extra
    // points included, points already scored not). NaN for a state no game reaches; 0 once all
    // thirteen categories are used.
    double stateValue(const CoachState& state) const;
    bool reachable(const CoachState& state) const;
    // The game's expected final total with best play.
    double startValue() const { return stateValue({}); }

    // What committing category `category` with roll `roll` (0 to 251) is worth in this state:
    // its points, any bonus or extra points, and the expected points still to come after it.
    double commitValue(const CoachState& state, int category, int roll) const;
    // The values of a whole turn played from this state.
    TurnValues turn(const CoachState& state) const;

    // The table kept in a file, so that a later run has it at once instead of solving it again:
    // written whole or not at all. load() gives null for a file that is missing, for other
    // rules, of another layout, cut short or changed in any byte.
    bool save(const QString& path) const;
    static std::unique_ptr<CoachTable> load(const CoachRules& rules, const QString& path);

    std::size_t bytes() const;
    std::size_t statesSolved() const { return m_statesSolved; }

  private:
    explicit CoachTable(const CoachRules& rules);
    static std::size_t slot(unsigned used, int upperSum, bool korvexScored);
    CoachState normalised(const CoachState& state) const;
    void scoreNow(const CoachState& state, double* out) const;
    double solveState(const CoachState& state) const;
    std::size_t solveMask(unsigned used);

    CoachRules m_rules;
    DiceHands m_hands;
    std::vector<double> m_values;
    std::size_t m_statesSolved = 0;
};

}  // namespace korvex
