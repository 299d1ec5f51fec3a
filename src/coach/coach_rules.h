// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The scoring rules the coach plans for. This game's own card is the default; the other set is
// the traditional card without extra five-of-a-kind points, kept so that the planning machinery
// can be checked against a well-known optimum.

#include "core/rules.h"

namespace korvex {

struct CoachRules {
    // Five of a kind also counts as a full house.
    bool fullHouseAcceptsFiveOfAKind = true;
    // Added at each commit of five of a kind once Korvex holds a non-zero score.
    int extraFiveOfAKindPoints = kExtraFiveOfAKindPoints;
    // Earned by the commit that brings the upper section to the threshold.
    int upperBonus = kUpperBonus;

    // This game's card.
    static CoachRules korvex() { return {}; }
    // The traditional card: a full house needs three of one face and two of another, and a
    // repeated five of a kind earns nothing extra.
    static CoachRules classic() { return {false, 0, kUpperBonus}; }
};

}  // namespace korvex
