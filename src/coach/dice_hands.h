// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every handful of dice the coach reasons about: the 462 handfuls of zero to five dice that can be
// kept between rolls, the last 252 of which are the distinct rolls of all five. A handful is a
// multiset of faces, so the order of the dice never matters. The table also holds, for each roll,
// the points each category gives under the chosen rules, taken from the card's own value rules.

#include <array>
#include <cstdint>
#include <vector>

#include "coach/coach_rules.h"

namespace korvex {

class DiceHands {
  public:
    static constexpr int kHandCount = 462;
    static constexpr int kRollCount = 252;
    // Hands are ordered by size; the rolls of five dice come last.
    static constexpr int kFirstRoll = kHandCount - kRollCount;

    using Counts = std::array<std::uint8_t, 6>;  // how many dice show faces 1 to 6

    explicit DiceHands(const CoachRules& rules);

    // Index of the hand with these counts (at most five dice in all), or -1.
    int handOf(const Counts& counts) const;
    // Index of the hand holding these faces (1 to 6 each; any order), or -1 for a bad face.
    int handOfFaces(const int* faces, int n) const;
    const Counts& counts(int hand) const { return m_counts[std::size_t(hand)]; }
    int size(int hand) const { return m_size[std::size_t(hand)]; }
    // The hand with one more die showing `face` (1 to 6); only for hands of fewer than five dice.
    int withDie(int hand, int face) const { return m_with[std::size_t(hand)][face - 1]; }
    // The hands one die smaller, one per distinct face shown.
    int smallerCount(int hand) const { return m_smallerCount[std::size_t(hand)]; }
    int smaller(int hand, int i) const { return m_smaller[std::size_t(hand)][std::size_t(i)]; }

    // The same links laid out flat for the planning loops: six larger hands for each hand below
    // five dice, and five smaller hands for each hand, padded with the empty hand (which every
    // hand contains, so it never changes a best choice).
    const std::int16_t* largerFlat() const { return m_largerFlat.data(); }
    const std::int16_t* smallerFlat() const { return m_smallerFlat.data(); }
    // How many dice of each roll show `face` (1 to 6).
    const std::uint8_t* faceCounts(int face) const {
        return m_faceCounts[std::size_t(face - 1)].data();
    }

    // Points of category `category` (card order) for roll `roll` (0 to 251), as a number ready for
    // the planning arithmetic.
    const double* pointsRow(int category) const { return m_points[std::size_t(category)].data(); }
    int points(int category, int roll) const { return int(m_points[category][roll]); }
    bool fiveOfAKind(int roll) const { return m_fiveOfAKind[std::size_t(roll)]; }
    // Chance of each roll when all five dice are thrown.
    double rollChance(int roll) const { return m_chance[std::size_t(roll)]; }
    // Memory held outside the object itself.
    std::size_t heapBytes() const;

  private:
    std::vector<Counts> m_counts;
    std::vector<std::uint8_t> m_size;
    std::vector<std::array<std::int16_t, 6>> m_with;
    std::vector<std::array<std::int16_t, 5>> m_smaller;
    std::vector<std::uint8_t> m_smallerCount;
    std::vector<std::int16_t> m_index;  // by counts code, base 6
    std::vector<std::int16_t> m_largerFlat;
    std::vector<std::int16_t> m_smallerFlat;
    std::array<std::array<std::uint8_t, kRollCount>, 6> m_faceCounts{};
    std::array<std::array<double, kRollCount>, kCategoryCount> m_points{};
    std::array<bool, kRollCount> m_fiveOfAKind{};
    std::array<double, kRollCount> m_chance{};
};

}  // namespace korvex
