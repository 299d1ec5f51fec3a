#pragma once
// The thirteen categories of the score card in card order: the one place that knows each
// category's caption, fields and value rule. Selection, clearing, the commit and the sums all
// walk this table.

#include <QString>
#include <array>

#include "scoring/value_rules.h"

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

struct Category {
    CategoryId id;
    QString title;       // "Fours", "Three of a Kind": how the card names it
    QString usedFlag;    // "Perm4"
    QString scoreBox;    // "Score4": the visible box, and the element a click lands on
    QString valueField;  // "Score4x": the number the sums count
    bool upper;          // counts towards Subtotal and the bonus
    int (*rule)(const Dice&);

    int points(const Dice& dice) const { return rule(dice); }
};

// All thirteen, in card order.
const std::array<Category, kCategoryCount>& categories();
const Category& category(CategoryId id);
// The title in the player's language, for texts the player reads; `title` itself stays English.
QString shownTitle(const Category& category);

}  // namespace korvex
