#include "scoring/value_rules.h"

#include <algorithm>

#include "ui/form_model.h"

namespace korvex {
namespace {

// How many positions hold exactly the same text as the most frequent die.
int largestGroup(const Dice& dice) {
    int best = 0;
    for (const QString& die : dice)
        best = std::max<int>(best, int(std::count(dice.begin(), dice.end(), die)));
    return best;
}

bool shows(const Dice& dice, int face) {
    return std::any_of(dice.begin(), dice.end(),
                       [face](const QString& die) { return fieldNumber(die) == face; });
}

}  // namespace

int upperPoints(const Dice& dice, int face) {
    int points = 0;
    for (const QString& die : dice)
        if (fieldNumber(die) == face) points += face;
    return points;
}

int dicePoints(const Dice& dice) {
    long long sum = 0;
    for (const QString& die : dice) sum += wholeNumber(die);
    return int(sum);
}

int threeKindPoints(const Dice& dice) {
    return largestGroup(dice) >= 3 ? dicePoints(dice) : 0;
}

int fourKindPoints(const Dice& dice) {
    return largestGroup(dice) >= 4 ? dicePoints(dice) : 0;
}

int fullHousePoints(const Dice& dice) {
    const int largest = largestGroup(dice);
    if (largest == 5) return 25;
    if (largest != 3) return 0;
    // Three alike: the other two must match each other.
    for (const QString& die : dice) {
        const int n = int(std::count(dice.begin(), dice.end(), die));
        if (n != 3 && n != 2) return 0;
    }
    return 25;
}

int smallStraightPoints(const Dice& dice) {
    const bool three = shows(dice, 3), four = shows(dice, 4);
    if (!three || !four) return 0;
    const bool run = (shows(dice, 1) && shows(dice, 2)) || (shows(dice, 2) && shows(dice, 5)) ||
                     (shows(dice, 5) && shows(dice, 6));
    return run ? 30 : 0;
}

int largeStraightPoints(const Dice& dice) {
    for (int i = 0; i < 5; ++i)
        for (int j = i + 1; j < 5; ++j)
            if (dice[i] == dice[j]) return 0;
    return shows(dice, 1) && shows(dice, 6) ? 0 : 40;
}

bool isFiveOfAKind(const Dice& dice) {
    return std::all_of(dice.begin() + 1, dice.end(),
                       [&](const QString& die) { return die == dice[0]; });
}

int korvexPoints(const Dice& dice) {
    return isFiveOfAKind(dice) ? 50 : 0;
}

Dice diceFromFaces(const std::array<int, 5>& faces) {
    Dice dice;
    for (int i = 0; i < 5; ++i) dice[i] = QString::number(faces[i]);
    return dice;
}

}  // namespace korvex
