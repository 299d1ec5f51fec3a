// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/game.h"

namespace korvex {

void Game::newGame() {
    const Faces faces = m_faces;
    const CheatCode cheat = m_cheat;
    *this = Game();
    m_faces = faces;
    m_cheat = cheat;
}

Game::Roll Game::start(RandomSource& random) {
    if (m_started) return Roll::Refused;
    m_started = true;
    return roll(random);
}

Game::Roll Game::roll(RandomSource& random) {
    if (!mayRoll()) return Roll::Refused;
    m_lastRollForced = m_cheat.state == CheatCode::State::Armed;
    if (m_lastRollForced) {
        // Held dice change too; holds, frames and the candidate stay as they are.
        for (int p = 0; p < 5; ++p) m_faces[std::size_t(p)] = m_cheat.face ? m_cheat.face : p + 1;
        m_cheat = {CheatCode::State::Spent, 0};
    } else {
        random.reseed();
        m_candidate.reset();
        for (int p = 0; p < 5; ++p)
            if (!m_held[std::size_t(p)]) m_faces[std::size_t(p)] = faceFor(random.next());
    }
    if (++m_rolls == kRollsPerTurn) m_commitOffered = true;
    return m_lastRollForced ? Roll::Forced : Roll::Ordinary;
}

bool Game::armForcedRoll(char16_t key) {
    if (key >= u'1' && key <= u'6') {
        m_cheat = {CheatCode::State::Armed, int(key - u'0')};
        return true;
    }
    if (key != u's') return false;
    m_cheat = {CheatCode::State::Armed, 0};
    return true;
}

bool Game::toggleHold(int face, int position) {
    // Before START the dice on show are not this game's dice: a hold taken then would carry an
    // old or empty face into the first roll.
    if (!m_started || face < 1 || face > 6 || position < 1 || position > 5) return false;
    const std::size_t p = std::size_t(position - 1);
    m_held[p] = !m_held[p];
    if (m_held[p])
        m_frames[p] |= std::uint8_t(1u << face);
    else
        m_frames[p] &= std::uint8_t(~(1u << face));
    return true;
}

bool Game::select(CategoryId id) {
    if (!m_started || m_card.used(id)) return false;
    m_commitOffered = true;
    m_candidate = Candidate{id, category(id).points(m_faces)};
    return true;
}

void Game::releaseHolds() {
    m_held = {};
    m_frames = {};
}

Game::Commit Game::commit() {
    if (!m_candidate) return Commit::NothingSelected;
    // The points shown when the category was clicked, for the dice on the table now: a forced
    // roll after the click keeps the candidate.
    m_card.commit(m_candidate->id, m_candidate->points, m_faces);
    m_candidate.reset();
    releaseHolds();
    m_commitOffered = false;
    if (over()) return Commit::GameOver;
    m_rolls = 0;
    return Commit::NextTurn;
}

}  // namespace korvex
