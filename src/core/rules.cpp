// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/rules.h"

#include <QCoreApplication>

namespace korvex {
namespace {

template <int Face>
int upperRule(const Faces& faces) {
    return upperPoints(faces, Face);
}

}  // namespace

const std::array<Category, kCategoryCount>& categories() {
    using C = CategoryId;
    static constexpr std::array<Category, kCategoryCount> table = {{
        {C::Ones, QT_TRANSLATE_NOOP("Category", "Ones"), true, upperRule<1>},
        {C::Twos, QT_TRANSLATE_NOOP("Category", "Twos"), true, upperRule<2>},
        {C::Threes, QT_TRANSLATE_NOOP("Category", "Threes"), true, upperRule<3>},
        {C::Fours, QT_TRANSLATE_NOOP("Category", "Fours"), true, upperRule<4>},
        {C::Fives, QT_TRANSLATE_NOOP("Category", "Fives"), true, upperRule<5>},
        {C::Sixes, QT_TRANSLATE_NOOP("Category", "Sixes"), true, upperRule<6>},
        {C::ThreeKind, QT_TRANSLATE_NOOP("Category", "Three of a Kind"), false, threeKindPoints},
        {C::FourKind, QT_TRANSLATE_NOOP("Category", "Four of a Kind"), false, fourKindPoints},
        {C::FullHouse, QT_TRANSLATE_NOOP("Category", "Full House"), false, fullHousePoints},
        {C::SmallStraight, QT_TRANSLATE_NOOP("Category", "Small Straight"), false,
         smallStraightPoints},
        {C::LargeStraight, QT_TRANSLATE_NOOP("Category", "Large Straight"), false,
         largeStraightPoints},
        {C::Korvex, QT_TRANSLATE_NOOP("Category", "Korvex"), false, korvexPoints},
        {C::Chance, QT_TRANSLATE_NOOP("Category", "Chance"), false, dicePoints},
    }};
    return table;
}

const Category& category(CategoryId id) {
    return categories()[std::size_t(id)];
}

QString displayTitle(CategoryId id) {
    return QCoreApplication::translate("Category", category(id).title);
}

std::optional<CategoryId> categoryOfTitle(const QString& title) {
    for (const Category& c : categories())
        if (QLatin1String(c.title) == title) return c.id;
    return std::nullopt;
}

}  // namespace korvex
