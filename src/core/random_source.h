// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the dice come from. One generator for the whole program: draw a single-precision value
// in [0, 1), and reseed from the clock before every ordinary roll. Tests inject their own.

#include <cstdint>
#include <functional>
#include <random>

namespace korvex {

class RandomSource {
  public:
    virtual ~RandomSource() = default;
    virtual float next() = 0;  // 0 <= value < 1
    virtual void reseed() = 0;
};

// The production source. A reseed mixes the clock's reading with a per-run counter and the
// process's entropy, so two reseeds at the same clock reading never repeat a sequence.
class ClockSeededRandom : public RandomSource {
  public:
    using Clock = std::function<std::uint64_t()>;
    // The clock defaults to the high-resolution clock; tests may freeze it.
    explicit ClockSeededRandom(Clock clock = {});
    float next() override;
    void reseed() override;

  private:
    Clock m_clock;
    std::uint64_t m_counter = 0;
    std::uint64_t m_runSalt;
    std::mt19937 m_engine;
};

// The face that a value r in [0, 1) gives: the whole part of 6r + 1, so 1 to 6.
int faceFor(float r);

}  // namespace korvex
