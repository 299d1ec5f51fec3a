// SPDX-License-Identifier: GPL-3.0-or-later
#include "coach/coach_table.h"

#include <algorithm>
#include <bit>
#include <bitset>
#include <cmath>
#include <limits>
#include <thread>

namespace korvex {
namespace {

constexpr int kRolls = DiceHands::kRollCount;
constexpr int kHands = DiceHands::kHandCount;
constexpr int kFirst = DiceHands::kFirstRoll;
constexpr unsigned kAllUsed = (1u << kCategoryCount) - 1;
constexpr int kSums = kBonusThreshold + 1;
constexpr double kUnreachable = std::numeric_limits<double>::quiet_NaN();

bool isUsed(unsigned used, int category) {
    return (used >> category) & 1u;
}

// Upper sums (capped) that the scored upper categories in `upperUsed` can add up to.
const std::array<std::bitset<kSums>, 64>& upperSums() {
    static const auto table = [] {
        std::array<std::bitset<kSums>, 64> sums{};
        for (unsigned upperUsed = 0; upperUsed < 64; ++upperUsed) {
            std::bitset<kSums> reach;
            reach.set(0);
            for (int face = 1; face <= 6; ++face) {
                if (!isUsed(upperUsed, face - 1)) continue;
                std::bitset<kSums> next;
                for (int s = 0; s < kSums; ++s)
                    if (reach.test(std::size_t(s)))
                        for (int n = 0; n <= 5; ++n)
                            next.set(std::size_t(std::min(kBonusThreshold, s + face * n)));
                reach = next;
            }
            sums[upperUsed] = reach;
        }
        return sums;
    }();
    return table;
}

// Most points the open upper categories can still add.
int upperRoom(unsigned used) {
    int room = 0;
    for (int face = 1; face <= 6; ++face)
        if (!isUsed(used, face - 1)) room += 5 * face;
    return room;
}

// Keeping a hand and throwing the rest is worth the average over the six faces of one more die.
void averageDown(const DiceHands& hands, double* value) {
    const std::int16_t* larger = hands.largerFlat() + std::size_t(kFirst - 1) * 6;
    for (int h = kFirst - 1; h >= 0; --h, larger -= 6) {
        const double sum = (value[larger[0]] + value[larger[1]]) +
                           (value[larger[2]] + value[larger[3]]) +
                           (value[larger[4]] + value[larger[5]]);
        value[h] = sum * (1.0 / 6.0);
    }
}

// Best value among the hands that can be kept out of each hand, itself included.
void bestKept(const DiceHands& hands, const double* value, double* best) {
    const std::int16_t* smaller = hands.smallerFlat();
    best[0] = value[0];
    for (int h = 1; h < kHands; ++h) {
        const std::int16_t* s = smaller + std::size_t(h) * 5;
        const double a = std::max(value[h], best[s[0]]);
        const double b = std::max(best[s[1]], best[s[2]]);
        const double c = std::max(best[s[3]], best[s[4]]);
        best[h] = std::max(a, std::max(b, c));
    }
}

}  // namespace

CoachTable::CoachTable(const CoachRules& rules)
    : m_rules(rules),
      m_hands(rules),
      m_values(std::size_t(kAllUsed + 1) * kSums * 2, kUnreachable) {
    for (int u = 0; u < kSums; ++u)
        for (int flag = 0; flag < 2; ++flag) m_values[slot(kAllUsed, u, flag)] = 0;
}

std::size_t CoachTable::slot(unsigned used, int upperSum, bool korvexScored) {
    return (std::size_t(used) * kSums + std::size_t(upperSum)) * 2 + (korvexScored ? 1 : 0);
}

CoachState CoachTable::normalised(const CoachState& state) const {
    CoachState s = state;
    s.upperSum = std::min(s.upperSum, kBonusThreshold);
    s.korvexScored = s.korvexScored && isUsed(s.used, kKorvexCategory);
    return s;
}

double CoachTable::stateValue(const CoachState& state) const {
    const CoachState s = normalised(state);
    if (s.used > kAllUsed || s.upperSum < 0) return kUnreachable;
    return m_values[slot(s.used, s.upperSum, s.korvexScored)];
}

bool CoachTable::reachable(const CoachState& state) const {
    return !std::isnan(stateValue(state));
}

double CoachTable::commitValue(const CoachState& state, int category, int roll) const {
    const CoachState s = normalised(state);
    if (category < 0 || category >= kCategoryCount || isUsed(s.used, category) || roll < 0 ||
        roll >= kRolls)
        return kUnreachable;
    const int points = m_hands.points(category, roll);
    CoachState next{s.used | (1u << category), s.upperSum, s.korvexScored};
    double value = points;
    if (category < 6) {
        next.upperSum = std::min(kBonusThreshold, s.upperSum + points);
        if (s.upperSum < kBonusThreshold && s.upperSum + points >= kBonusThreshold)
            value += m_rules.upperBonus;
    } else if (category == kKorvexCategory) {
        next.korvexScored = points > 0;
    }
    if (s.korvexScored && m_hands.fiveOfAKind(roll)) value += m_rules.extraFiveOfAKindPoints;
    return value + stateValue(next);
}

// The best commit of each roll: the walk over the open categories is the inner loop of the whole
// table, so the values of the following states are looked up once per category, not per roll.
void CoachTable::scoreNow(const CoachState& s, double* out) const {
    std::fill(out, out + kRolls, -std::numeric_limits<double>::infinity());
    for (int c = 0; c < kCategoryCount; ++c) {
        if (isUsed(s.used, c)) continue;
        const unsigned next = s.used | (1u << c);
        if (c < 6) {
            const int face = c + 1;
            std::array<double, 6> worth{};
            for (int n = 0; n <= 5; ++n) {
                const int sum = s.upperSum + face * n;
                const bool bonus = s.upperSum < kBonusThreshold && sum >= kBonusThreshold;
                worth[std::size_t(n)] =
                    face * n + (bonus ? m_rules.upperBonus : 0) +
                    m_values[slot(next, std::min(sum, kBonusThreshold), s.korvexScored)];
            }
            const std::uint8_t* shown = m_hands.faceCounts(face);
            for (int r = 0; r < kRolls; ++r) out[r] = std::max(out[r], worth[shown[r]]);
        } else if (c == kKorvexCategory) {
            const double missed = m_values[slot(next, s.upperSum, false)];
            const double scored = m_values[slot(next, s.upperSum, true)];
            const double* points = m_hands.pointsRow(c);
            for (int r = 0; r < kRolls; ++r)
                out[r] = std::max(out[r], points[r] + (points[r] > 0 ? scored : missed));
        } else {
            const double after = m_values[slot(next, s.upperSum, s.korvexScored)];
            const double* points = m_hands.pointsRow(c);
            for (int r = 0; r < kRolls; ++r) out[r] = std::max(out[r], points[r] + after);
        }
    }
    if (s.korvexScored)
        for (int r = 0; r < kRolls; ++r)
            if (m_hands.fiveOfAKind(r)) out[r] += m_rules.extraFiveOfAKindPoints;
}

double CoachTable::solveState(const CoachState& state) const {
    std::array<double, kHands> keep{}, best{};
    scoreNow(state, keep.data() + kFirst);
    for (int pass = 0; pass < 2; ++pass) {
        averageDown(m_hands, keep.data());
        bestKept(m_hands, keep.data(), best.data());
        std::copy(best.begin() + kFirst, best.end(), keep.begin() + kFirst);
    }
    double value = 0;
    for (int r = 0; r < kRolls; ++r) value += m_hands.rollChance(r) * keep[std::size_t(kFirst + r)];
    return value;
}

TurnValues CoachTable::turn(const CoachState& state) const {
    const CoachState s = normalised(state);
    TurnValues t;
    if (!reachable(s) || s.used == kAllUsed) {
        t.start = stateValue(s);
        return t;
    }
    std::array<double, kHands> best{};
    scoreNow(s, t.scoreNow.data());
    std::copy(t.scoreNow.begin(), t.scoreNow.end(), t.keepOneLeft.begin() + kFirst);
    averageDown(m_hands, t.keepOneLeft.data());
    bestKept(m_hands, t.keepOneLeft.data(), best.data());
    std::copy(best.begin() + kFirst, best.end(), t.keepTwoLeft.begin() + kFirst);
    averageDown(m_hands, t.keepTwoLeft.data());
    bestKept(m_hands, t.keepTwoLeft.data(), best.data());
    for (int r = 0; r < kRolls; ++r)
        t.start += m_hands.rollChance(r) * best[std::size_t(kFirst + r)];
    return t;
}

// Solves every state with this set of used categories. Upper sums from which the bonus can no
// longer be won (or was won already) all lead to the same future, so they are solved once.
std::size_t CoachTable::solveMask(unsigned used) {
    const auto& sums = upperSums()[used & 63u];
    const int room = upperRoom(used);
    const bool korvexUsed = isUsed(used, kKorvexCategory);
    const int flags = korvexUsed && m_rules.extraFiveOfAKindPoints != 0 ? 2 : 1;
    std::size_t solved = 0;
    for (int flag = 0; flag < flags; ++flag) {
        const double noBonusLeft = solveState({used, kBonusThreshold, flag == 1});
        ++solved;
        for (int u = 0; u < kSums; ++u) {
            if (!sums.test(std::size_t(u))) continue;
            double value = noBonusLeft;
            if (u < kBonusThreshold && u + room >= kBonusThreshold) {
                value = solveState({used, u, flag == 1});
                ++solved;
            }
            m_values[slot(used, u, flag == 1)] = value;
            // Without extra points a scored Korvex changes nothing ahead.
            if (korvexUsed && flags == 1) m_values[slot(used, u, true)] = value;
        }
    }
    return solved;
}

std::unique_ptr<CoachTable> CoachTable::solve(const CoachRules& rules, int threads,
                                              const std::atomic<bool>* cancel) {
    std::unique_ptr<CoachTable> table(new CoachTable(rules));
    std::array<std::vector<unsigned>, 14> layers;
    for (unsigned used = 0; used < kAllUsed; ++used)
        layers[std::size_t(std::popcount(used))].push_back(used);
    std::atomic<std::size_t> solved{0};
    const auto cancelled = [cancel] { return cancel && cancel->load(std::memory_order_relaxed); };
    // Each layer needs only the layer with one more category used, so its states are shared
    // out between the threads and the layer is finished before the next one starts.
    for (int layer = 12; layer >= 0; --layer) {
        const std::vector<unsigned>& masks = layers[std::size_t(layer)];
        std::atomic<std::size_t> next{0};
        const auto work = [&] {
            std::size_t count = 0;
            for (std::size_t i = next++; i < masks.size() && !cancelled(); i = next++)
                count += table->solveMask(masks[i]);
            solved += count;
        };
        std::vector<std::thread> helpers;
        for (int t = 1; t < threads; ++t) helpers.emplace_back(work);
        work();
        for (std::thread& helper : helpers) helper.join();
        if (cancelled()) return nullptr;
    }
    table->m_statesSolved = solved;
    return table;
}

std::size_t CoachTable::bytes() const {
    return sizeof(*this) + m_values.capacity() * sizeof(double) + m_hands.heapBytes();
}

}  // namespace korvex
