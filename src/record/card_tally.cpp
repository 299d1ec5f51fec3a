#include "record/card_tally.h"

#include "scoring/categories.h"
#include "scoring/score_card.h"

namespace korvex {

int CardTally::commit(int category, const std::array<int, 5>& faces) {
    const Dice dice = diceFromFaces(faces);
    const Category& chosen = categories()[std::size_t(category)];
    const int points = chosen.points(dice);
    const int before = m_bonus + m_extra;
    if (chosen.upper) {
        // The commit that brings the upper section to the threshold wins the bonus at once.
        if (m_upperSum < kBonusThreshold && m_upperSum + points >= kBonusThreshold)
            m_bonus = kUpperBonus;
        m_upperSum += points;
    }
    // A later five of a kind adds to a Korvex score already recorded and not 0, whatever
    // category these dice go into.
    if (isFiveOfAKind(dice) && used(int(CategoryId::Korvex)) && m_korvex != 0) {
        m_korvex += kExtraFiveOfAKindPoints;
        m_extra += kExtraFiveOfAKindPoints;
    }
    if (chosen.id == CategoryId::Korvex) m_korvex = points;
    m_used[std::size_t(category)] = true;
    ++m_turns;
    m_total += points + m_bonus + m_extra - before;
    return points;
}

CoachPosition CardTally::position(const std::array<int, 5>& faces, int rollsLeft) const {
    CoachPosition p;
    p.used = m_used;
    p.upperSum = m_upperSum;
    p.korvexScored = used(int(CategoryId::Korvex)) && m_korvex != 0;
    p.totalSoFar = m_total;
    p.dice = faces;
    p.rollsLeft = rollsLeft;
    return p;
}

}  // namespace korvex
