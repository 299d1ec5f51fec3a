// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What optimal play scores on average in each category, for the Statistics window to set the
// player's averages beside. The coach's table gives only the expected total of a whole game, so
// these figures come from games played by the coach's best advice: 100,000 of them with fixed
// dice (tools/korvex-optimal-averages 100000 20261208 prints this table). Their mean total lies
// within 0.15 points of the table's exact expectation.

#include <array>

#include "core/rules.h"

namespace korvex {

struct OptimalAverages {
    std::array<double, kCategoryCount> category;  // card order; Korvex without its extra points
    double bonus;
    double extra;  // extra five-of-a-kind points
    double total;
    int games;  // how many games the figures average over
};

inline constexpr OptimalAverages kOptimalAverages = {
    {
        1.8679,   // Ones
        5.2850,   // Twos
        8.5457,   // Threes
        12.1693,  // Fours
        15.6794,  // Fives
        19.1998,  // Sixes
        21.7321,  // Three of a Kind
        13.1261,  // Four of a Kind
        22.7518,  // Full House
        29.4840,  // Small Straight
        32.3608,  // Large Straight
        16.8100,  // Korvex
        22.0087,  // Chance
    },
    23.8059,
    9.4490,
    254.2754,
    100000,
};

}  // namespace korvex
