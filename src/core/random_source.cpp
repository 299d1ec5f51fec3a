// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/random_source.h"

#include <chrono>
#include <cmath>

namespace korvex {
namespace {

std::uint64_t highResolutionNow() {
    return std::uint64_t(std::chrono::high_resolution_clock::now().time_since_epoch().count());
}

}  // namespace

ClockSeededRandom::ClockSeededRandom(Clock clock)
    : m_clock(clock ? std::move(clock) : Clock(highResolutionNow)),
      m_runSalt((std::uint64_t(std::random_device{}()) << 32) ^ std::random_device{}()) {
    reseed();
}

void ClockSeededRandom::reseed() {
    const std::uint64_t now = m_clock();
    const std::uint64_t count = ++m_counter;
    std::seed_seq seq{std::uint32_t(now),       std::uint32_t(now >> 32),
                      std::uint32_t(count),     std::uint32_t(count >> 32),
                      std::uint32_t(m_runSalt), std::uint32_t(m_runSalt >> 32)};
    m_engine.seed(seq);
}

float ClockSeededRandom::next() {
    // 24 random bits make every float value k / 2^24 equally likely; the largest is below 1.
    return float(m_engine() >> 8) * 0x1p-24f;
}

int faceFor(float r) {
    return int(std::floor(6.0 * double(r) + 1.0));
}

}  // namespace korvex
