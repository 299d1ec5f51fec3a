#include "scoring/categories.h"

#include <QCoreApplication>

namespace korvex {
namespace {

template <int Face>
int upperRule(const Dice& dice) {
    return upperPoints(dice, Face);
}

Category upper(CategoryId id, const char* title, int face, int (*rule)(const Dice&)) {
    const QString n = QString::number(face);
    return {id, QString::fromLatin1(title), "Perm" + n, "Score" + n, "Score" + n + "x", true, rule};
}

Category lower(CategoryId id, const char* title, const char* field, int (*rule)(const Dice&)) {
    const QString f = QString::fromLatin1(field);
    return {id,  QString::fromLatin1(title), "Perm" + f, "Score" + f, "Score" + f + "x", false,
            rule};
}

}  // namespace

const std::array<Category, kCategoryCount>& categories() {
    static const std::array<Category, kCategoryCount> table = {
        upper(CategoryId::Ones, QT_TRANSLATE_NOOP("Categories", "Ones"), 1, upperRule<1>),
        upper(CategoryId::Twos, QT_TRANSLATE_NOOP("Categories", "Twos"), 2, upperRule<2>),
        upper(CategoryId::Threes, QT_TRANSLATE_NOOP("Categories", "Threes"), 3, upperRule<3>),
        upper(CategoryId::Fours, QT_TRANSLATE_NOOP("Categories", "Fours"), 4, upperRule<4>),
        upper(CategoryId::Fives, QT_TRANSLATE_NOOP("Categories", "Fives"), 5, upperRule<5>),
        upper(CategoryId::Sixes, QT_TRANSLATE_NOOP("Categories", "Sixes"), 6, upperRule<6>),
        lower(CategoryId::ThreeKind, QT_TRANSLATE_NOOP("Categories", "Three of a Kind"),
              "ThreeKind", threeKindPoints),
        lower(CategoryId::FourKind, QT_TRANSLATE_NOOP("Categories", "Four of a Kind"), "FourKind",
              fourKindPoints),
        lower(CategoryId::FullHouse, QT_TRANSLATE_NOOP("Categories", "Full House"), "FullHouse",
              fullHousePoints),
        lower(CategoryId::SmallStraight, QT_TRANSLATE_NOOP("Categories", "Small Straight"), "SmStr",
              smallStraightPoints),
        lower(CategoryId::LargeStraight, QT_TRANSLATE_NOOP("Categories", "Large Straight"), "LgStr",
              largeStraightPoints),
        // Korvex is the game's own name, the same in every language.
        lower(CategoryId::Korvex, "Korvex", "Korvex", korvexPoints),
        lower(CategoryId::Chance, QT_TRANSLATE_NOOP("Categories", "Chance"), "Chance", dicePoints),
    };
    return table;
}

const Category& category(CategoryId id) {
    return categories()[std::size_t(id)];
}

QString shownTitle(const Category& category) {
    return QCoreApplication::translate("Categories", category.title.toUtf8().constData());
}

}  // namespace korvex
