// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/card.h"

namespace korvex {

int Card::shown(CategoryId id) const {
    const int points = scores[std::size_t(id)].value_or(0);
    return id == CategoryId::Korvex ? points + extraPoints : points;
}

int Card::upperSum() const {
    int sum = 0;
    for (const Category& c : categories())
        if (c.upper) sum += shown(c.id);
    return sum;
}

int Card::total() const {
    int sum = bonus();
    for (const Category& c : categories()) sum += shown(c.id);
    return sum;
}

int Card::turnsPlayed() const {
    int n = 0;
    for (const auto& score : scores) n += score.has_value();
    return n;
}

void Card::commit(CategoryId id, int points, const Faces& faces) {
    if (isFiveOfAKind(faces) && korvexCounts()) extraPoints += kExtraFiveOfAKindPoints;
    scores[std::size_t(id)] = points;
}

int Card::commit(CategoryId id, const Faces& faces) {
    const int points = category(id).points(faces);
    commit(id, points, faces);
    return points;
}

}  // namespace korvex
