// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The value rules of the thirteen categories: pure functions of five faces (1 to 6, in position
// order). No board and no toolkit here, so every rule can be swept over all 7,776 rolls.

#include <array>

namespace korvex {

using Faces = std::array<int, 5>;

// The fixed points of the categories that do not add up the dice.
inline constexpr int kFullHousePoints = 25;
inline constexpr int kSmallStraightPoints = 30;
inline constexpr int kLargeStraightPoints = 40;
inline constexpr int kFiveOfAKindPoints = 50;

// Points of the upper category of face k: k for every die showing k.
int upperPoints(const Faces& faces, int face);
// The sum of the five dice.
int dicePoints(const Faces& faces);
// Sum of all five dice when some face shows at least three (four) times, else 0.
int threeKindPoints(const Faces& faces);
int fourKindPoints(const Faces& faces);
// 25 when one face shows three times and another twice, or one face five times.
int fullHousePoints(const Faces& faces);
// 30 when 1-2-3-4, 2-3-4-5 or 3-4-5-6 are all present.
int smallStraightPoints(const Faces& faces);
// 40 for five different faces without both a 1 and a 6.
int largeStraightPoints(const Faces& faces);
// 50 for five of a kind.
int korvexPoints(const Faces& faces);
bool isFiveOfAKind(const Faces& faces);

}  // namespace korvex
