// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A random source whose draws are chosen by the test: each queued face comes out as a value
// that the roll turns into that face. With nothing queued it falls back to a fixed sequence.

#include <deque>
#include <vector>

#include "core/random_source.h"

namespace korvex::test {

class ScriptedRandom : public RandomSource {
  public:
    void queue(const std::vector<int>& faces) {
        m_faces.insert(m_faces.end(), faces.begin(), faces.end());
    }
    float next() override;
    void reseed() override { ++m_reseeds; }

    int reseeds() const { return m_reseeds; }
    int draws() const { return m_draws; }
    std::size_t queued() const { return m_faces.size(); }

  private:
    std::deque<int> m_faces;
    int m_reseeds = 0;
    int m_draws = 0;
    unsigned m_fallback = 12345;
};

}  // namespace korvex::test
