// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One game of Korvex as a value: the five dice and their holds, the rolls of this turn, the card,
// and the run's forced-roll code. Its transitions are the moves a player makes (START, Roll, a
// hold, a category, Save, New Game); each either changes the game and says so, or refuses and
// leaves it exactly as it was. Nothing here knows a window: the board shows a game, it does not
// hold one.

#include <array>
#include <cstdint>
#include <optional>

#include "core/card.h"
#include "core/random_source.h"
#include "core/rules.h"

namespace korvex {

// The forced-roll code (`Cheat`): a run that never armed one may enter the high-score table; an
// armed code makes the next roll show one face on all five dice, or the straight 1 to 5.
struct CheatCode {
    enum class State : std::uint8_t { Never, Armed, Spent };
    State state = State::Never;
    int face = 0;  // Armed: 1 to 6, or 0 for the straight

    bool everArmed() const { return state != State::Never; }
    friend bool operator==(const CheatCode&, const CheatCode&) = default;
};

// A category clicked this turn and what it would score.
struct Candidate {
    CategoryId id;
    int points;
    friend bool operator==(const Candidate&, const Candidate&) = default;
};

class Game {
  public:
    enum class Roll { Refused, Ordinary, Forced };
    enum class Commit { NothingSelected, NextTurn, GameOver };

    // The game as the program opens it: no die rolled yet, no code armed.
    Game() = default;

    // New Game: an empty card waiting for START. The dice keep their faces and the run keeps
    // its forced-roll code.
    void newGame();
    // START: the first roll of the game. Refused once the game has started.
    Roll start(RandomSource& random);
    // Rolls the dice not held, or makes the armed forced roll (all five, holds kept). Refused
    // before START, after the third roll of a turn and once the card is full.
    Roll roll(RandomSource& random);
    // A key typed on the Roll button: the digits 1 to 6 and a lower-case s arm a forced roll.
    bool armForcedRoll(char16_t key);
    // A click on the picture of `face` at `position` (1 to 5) holds or releases that die, and
    // frames or unframes that picture. Refused before START.
    bool toggleHold(int face, int position);
    // A click on a category: it becomes the one candidate, scored on the dice as they stand.
    // Refused before START and on a recorded category.
    bool select(CategoryId id);
    // Save: records the candidate, with the extra points for a later five of a kind, and
    // releases every hold. The next turn's first roll is the caller's to make.
    Commit commit();

    const Faces& faces() const { return m_faces; }
    // The face position `p` (0 to 4) shows; 0 before the first roll of the run.
    int face(int p) const { return m_faces[std::size_t(p)]; }
    bool held(int p) const { return m_held[std::size_t(p)]; }
    // Whether the picture of `face` at position `p` carries the hold frame. A frame stays on
    // its picture when a forced roll changes the face under it.
    bool framed(int p, int face) const { return (m_frames[std::size_t(p)] >> face) & 1u; }
    bool started() const { return m_started; }
    bool over() const { return m_card.full(); }
    int rolls() const { return m_rolls; }  // this turn: 0 to 3
    bool lastRollForced() const { return m_lastRollForced; }
    bool mayRoll() const { return m_started && !over() && m_rolls < kRollsPerTurn; }
    // Save is offered once a category was clicked or the third roll made, until the turn ends.
    bool mayCommit() const { return m_commitOffered; }
    const std::optional<Candidate>& candidate() const { return m_candidate; }
    const Card& card() const { return m_card; }
    const CheatCode& cheat() const { return m_cheat; }

    friend bool operator==(const Game&, const Game&) = default;

  private:
    void releaseHolds();

    Faces m_faces{};
    std::array<bool, 5> m_held{};
    std::array<std::uint8_t, 5> m_frames{};  // bit f: the picture of face f is framed
    bool m_started = false;
    int m_rolls = 0;
    bool m_lastRollForced = false;
    bool m_commitOffered = false;
    std::optional<Candidate> m_candidate;
    Card m_card;
    CheatCode m_cheat;
};

}  // namespace korvex
