#pragma once
// The value rules of the thirteen categories: pure functions of the five die texts ("1" to "6"
// in position order). Two dice are equal when their texts are equal; a die shows face k when its
// number equals k. No model and no toolkit here, so every rule can be swept over all 7,776 rolls.

#include <QString>
#include <array>

namespace korvex {

using Dice = std::array<QString, 5>;

// Points of the upper category of face k: k for every die showing k.
int upperPoints(const Dice& dice, int face);
// The sum of the five dice, each cut to its whole part.
int dicePoints(const Dice& dice);
// Sum of all five dice when some face shows at least three (four) times, else 0.
int threeKindPoints(const Dice& dice);
int fourKindPoints(const Dice& dice);
// 25 when one face shows three times and another twice, or one face five times.
int fullHousePoints(const Dice& dice);
// 30 when 1-2-3-4, 2-3-4-5 or 3-4-5-6 are all present.
int smallStraightPoints(const Dice& dice);
// 40 for five different faces without both a 1 and a 6.
int largeStraightPoints(const Dice& dice);
// 50 for five of a kind.
int korvexPoints(const Dice& dice);
bool isFiveOfAKind(const Dice& dice);

Dice diceFromFaces(const std::array<int, 5>& faces);

}  // namespace korvex
