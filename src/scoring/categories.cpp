#include "scoring/categories.h"

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
        upper(CategoryId::Ones, "Ones", 1, upperRule<1>),
        upper(CategoryId::Twos, "Twos", 2, upperRule<2>),
        upper(CategoryId::Threes, "Threes", 3, upperRule<3>),
        upper(CategoryId::Fours, "Fours", 4, upperRule<4>),
        upper(CategoryId::Fives, "Fives", 5, upperRule<5>),
        upper(CategoryId::Sixes, "Sixes", 6, upperRule<6>),
        lower(CategoryId::ThreeKind, "Three of a Kind", "ThreeKind", threeKindPoints),
        lower(CategoryId::FourKind, "Four of a Kind", "FourKind", fourKindPoints),
        lower(CategoryId::FullHouse, "Full House", "FullHouse", fullHousePoints),
        lower(CategoryId::SmallStraight, "Small Straight", "SmStr", smallStraightPoints),
        lower(CategoryId::LargeStraight, "Large Straight", "LgStr", largeStraightPoints),
        lower(CategoryId::Korvex, "Korvex", "Korvex", korvexPoints),
        lower(CategoryId::Chance, "Chance", "Chance", dicePoints),
    };
    return table;
}

const Category& category(CategoryId id) {
    return categories()[std::size_t(id)];
}

}  // namespace korvex
