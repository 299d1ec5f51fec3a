// SPDX-License-Identifier: GPL-3.0-or-later
#include "record/card_tally.h"

namespace korvex {

int CardTally::commit(int category, const std::array<int, 5>& faces) {
    const Category& chosen = korvex::category(category);
    const int points = chosen.points(faces);
    // A later five of a kind adds to a Korvex score already recorded and not 0, whatever
    // category these dice go into.
    if (isFiveOfAKind(faces) && used(int(CategoryId::Korvex)) && m_card.shown(CategoryId::Korvex))
        m_card.extraPoints += kExtraFiveOfAKindPoints;
    m_card.scores[std::size_t(category)] = points;
    return points;
}

CoachPosition CardTally::position(const std::array<int, 5>& faces, int rollsLeft) const {
    CoachPosition p;
    for (int c = 0; c < kCategoryCount; ++c) p.used[std::size_t(c)] = used(c);
    p.upperSum = m_card.upperSum();
    p.korvexScored = used(int(CategoryId::Korvex)) && m_card.shown(CategoryId::Korvex) != 0;
    p.totalSoFar = m_card.total();
    p.dice = faces;
    p.rollsLeft = rollsLeft;
    return p;
}

}  // namespace korvex
