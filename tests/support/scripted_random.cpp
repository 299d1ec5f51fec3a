// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/scripted_random.h"

namespace korvex::test {

float ScriptedRandom::next() {
    ++m_draws;
    if (!m_faces.empty()) {
        const int face = m_faces.front();
        m_faces.pop_front();
        // The middle of the face's sixth of [0, 1).
        return (float(face) - 0.5f) / 6.0f;
    }
    m_fallback = m_fallback * 1103515245u + 12345u;
    return float((m_fallback >> 8) & 0xFFFFFF) * 0x1p-24f;
}

}  // namespace korvex::test
