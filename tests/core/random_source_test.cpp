// SPDX-License-Identifier: GPL-3.0-or-later
// The production dice: uniform faces even when the clock does not move between reseeds.

#include "core/random_source.h"

#include <gtest/gtest.h>

#include <array>
#include <set>
#include <vector>

namespace korvex {
namespace {

TEST(RandomSource, facesCoverOneToSixAtTheEdges) {
    EXPECT_EQ(faceFor(0.0f), 1);
    EXPECT_EQ(faceFor(std::nextafter(1.0f, 0.0f)), 6);
    EXPECT_EQ(faceFor(1.0f / 6.0f), 2);
    EXPECT_EQ(faceFor(0.5f), 4);
}

TEST(RandomSource, valuesStayBelowOne) {
    ClockSeededRandom random;
    for (int i = 0; i < 200000; ++i) {
        const float r = random.next();
        ASSERT_GE(r, 0.0f);
        ASSERT_LT(r, 1.0f);
    }
}

TEST(RandomSource, reseedsAtOneClockReadingGiveDifferentSequences) {
    ClockSeededRandom random([] { return std::uint64_t(42); });
    std::set<std::vector<float>> sequences;
    for (int i = 0; i < 100; ++i) {
        random.reseed();
        sequences.insert({random.next(), random.next(), random.next()});
    }
    EXPECT_EQ(sequences.size(), 100u);
}

// Every roll reseeds first. With a frozen clock the faces must still be uniform: a chi-square
// statistic over 60,000 rolls far above its 5 degrees of freedom means the reseed repeats itself.
TEST(RandomSource, frozenClockStillRollsUniformFaces) {
    ClockSeededRandom random([] { return std::uint64_t(1'700'000'000'000'000'000ULL); });
    std::array<int, 7> counts{};
    const int rolls = 60000;
    for (int i = 0; i < rolls; ++i) {
        random.reseed();
        const int face = faceFor(random.next());
        ASSERT_GE(face, 1);
        ASSERT_LE(face, 6);
        ++counts[std::size_t(face)];
    }
    const double expected = rolls / 6.0;
    double chi2 = 0;
    for (int f = 1; f <= 6; ++f) chi2 += (counts[f] - expected) * (counts[f] - expected) / expected;
    EXPECT_LT(chi2, 35.9);  // p = 1e-6 at 5 degrees of freedom
}

}  // namespace
}  // namespace korvex
