// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The rules of the card, in one place: the thirteen categories in card order with their titles,
// value rules and section, the upper bonus, the extra points for a later five of a kind, and the
// length of a game. Scoring, the coach and the help window all read them from here.

#include <QString>
#include <array>
#include <optional>

#include "core/value_rules.h"

namespace korvex {

enum class CategoryId {
    Ones,
    Twos,
    Threes,
    Fours,
    Fives,
    Sixes,
    ThreeKind,
    FourKind,
    FullHouse,
    SmallStraight,
    LargeStraight,
    Korvex,
    Chance,
};

inline constexpr int kCategoryCount = 13;
// One category is filled per turn, so a game lasts as many turns as the card has categories.
inline constexpr int kTurnsPerGame = kCategoryCount;
inline constexpr int kRollsPerTurn = 3;
// An upper section adding up to this much earns the bonus.
inline constexpr int kBonusThreshold = 63;
inline constexpr int kUpperBonus = 35;
// Each later five of a kind, once Korvex holds a score that is not 0.
inline constexpr int kExtraFiveOfAKindPoints = 100;

struct Category {
    CategoryId id;
    const char* title;  // "Fours", "Three of a Kind": how the card names it
    bool upper;         // counts towards Subtotal and the bonus
    int (*rule)(const Faces&);

    int points(const Faces& faces) const { return rule(faces); }
    int index() const { return int(id); }
};

// All thirteen, in card order.
const std::array<Category, kCategoryCount>& categories();
const Category& category(CategoryId id);
// The category at a card-order index (0 to 12).
inline const Category& category(int index) {
    return categories()[std::size_t(index)];
}

// The category's title as the card shows it, in the player's language ("Full House").
QString displayTitle(CategoryId id);
// The category of a stored English title ("Full House"), as the record of games writes it.
std::optional<CategoryId> categoryOfTitle(const QString& title);

}  // namespace korvex
