// SPDX-License-Identifier: GPL-3.0-or-later
#include "coach/dice_hands.h"

#include "core/rules.h"

namespace korvex {
namespace {

constexpr int kCodeSpace = 6 * 6 * 6 * 6 * 6 * 6;

int codeOf(const DiceHands::Counts& counts) {
    int code = 0;
    for (int f = 5; f >= 0; --f) code = code * 6 + counts[std::size_t(f)];
    return code;
}

// All ways to spread `left` dice over faces `face` to 6, in ascending lexicographic order.
void spread(DiceHands::Counts& counts, int face, int left, std::vector<DiceHands::Counts>& out) {
    if (face == 5) {
        counts[5] = std::uint8_t(left);
        out.push_back(counts);
        return;
    }
    for (int n = left; n >= 0; --n) {
        counts[std::size_t(face)] = std::uint8_t(n);
        spread(counts, face + 1, left - n, out);
    }
}

double factorial(int n) {
    return n <= 1 ? 1.0 : n * factorial(n - 1);
}

}  // namespace

DiceHands::DiceHands(const CoachRules& rules) : m_index(kCodeSpace, -1) {
    for (int n = 0; n <= 5; ++n) {
        Counts counts{};
        spread(counts, 0, n, m_counts);
    }
    const std::size_t total = m_counts.size();
    m_size.resize(total);
    m_with.resize(total);
    m_smaller.resize(total);
    m_smallerCount.resize(total);
    for (std::size_t h = 0; h < total; ++h) {
        int n = 0;
        for (int c : m_counts[h]) n += c;
        m_size[h] = std::uint8_t(n);
        m_index[std::size_t(codeOf(m_counts[h]))] = std::int16_t(h);
    }
    for (std::size_t h = 0; h < total; ++h) {
        m_with[h].fill(-1);
        for (int f = 0; f < 6; ++f) {
            Counts c = m_counts[h];
            if (m_size[h] < 5) {
                ++c[std::size_t(f)];
                m_with[h][std::size_t(f)] = std::int16_t(handOf(c));
            }
            c = m_counts[h];
            if (c[std::size_t(f)] > 0) {
                --c[std::size_t(f)];
                m_smaller[h][m_smallerCount[h]++] = std::int16_t(handOf(c));
            }
        }
    }

    m_largerFlat.resize(std::size_t(kFirstRoll) * 6);
    m_smallerFlat.assign(total * 5, 0);
    for (std::size_t h = 0; h < total; ++h) {
        for (int f = 0; f < 6 && h < std::size_t(kFirstRoll); ++f)
            m_largerFlat[h * 6 + std::size_t(f)] = m_with[h][std::size_t(f)];
        for (int i = 0; i < m_smallerCount[h]; ++i)
            m_smallerFlat[h * 5 + std::size_t(i)] = m_smaller[h][std::size_t(i)];
    }

    // The points come from the card's own value rules, applied to each roll once.
    for (int r = 0; r < kRollCount; ++r) {
        const Counts& c = m_counts[std::size_t(kFirstRoll + r)];
        std::array<int, 5> faces{};
        int i = 0;
        double ways = factorial(5);
        for (int f = 0; f < 6; ++f) {
            for (int k = 0; k < c[std::size_t(f)]; ++k) faces[std::size_t(i++)] = f + 1;
            ways /= factorial(c[std::size_t(f)]);
        }
        m_chance[std::size_t(r)] = ways / 7776.0;
        for (int f = 0; f < 6; ++f)
            m_faceCounts[std::size_t(f)][std::size_t(r)] = c[std::size_t(f)];
        m_fiveOfAKind[std::size_t(r)] = isFiveOfAKind(faces);
        for (int cat = 0; cat < kCategoryCount; ++cat) {
            int points = category(cat).points(faces);
            if (CategoryId(cat) == CategoryId::FullHouse && !rules.fullHouseAcceptsFiveOfAKind &&
                isFiveOfAKind(faces))
                points = 0;
            m_points[std::size_t(cat)][std::size_t(r)] = points;
        }
    }
}

int DiceHands::handOf(const Counts& counts) const {
    int n = 0;
    for (int c : counts) {
        if (c > 5) return -1;
        n += c;
    }
    if (n > 5) return -1;
    return m_index[std::size_t(codeOf(counts))];
}

int DiceHands::handOfFaces(const int* faces, int n) const {
    if (n < 0 || n > 5) return -1;
    Counts counts{};
    for (int i = 0; i < n; ++i) {
        if (faces[i] < 1 || faces[i] > 6) return -1;
        ++counts[std::size_t(faces[i] - 1)];
    }
    return handOf(counts);
}

std::size_t DiceHands::heapBytes() const {
    return m_counts.capacity() * sizeof(Counts) + m_size.capacity() +
           m_with.capacity() * sizeof(m_with[0]) + m_smaller.capacity() * sizeof(m_smaller[0]) +
           m_smallerCount.capacity() +
           (m_index.capacity() + m_largerFlat.capacity() + m_smallerFlat.capacity()) *
               sizeof(std::int16_t);
}

}  // namespace korvex
