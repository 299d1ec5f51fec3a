// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Writes down the game on the board as it is played: after each START, roll and commit the board
// hands it the game as it now stands, and at the end of the game it hands back the whole record.
// It reads the typed game only, keeps one game in memory, and knows nothing of the board's fields
// or of where records are stored.

#include <optional>

#include "core/game.h"
#include "record/game_record.h"

namespace korvex {

class GameRecorder {
  public:
    // START: a new game begins now; whatever was written of an earlier one is dropped.
    void started(const QDateTime& now);
    // `game` has just rolled: its faces, the holds they were rolled with (a roll keeps the
    // holds) and whether the roll was forced. `coachOn` says whether the coach watched.
    void rolled(const Game& game, bool coachOn);
    // `game` has just recorded the turn's dice in `category`.
    void committed(const Game& game, CategoryId category);
    // The thirteenth commit: the card's bonus, extra points and total, and whether a forced roll
    // was asked for in this run. Returns the finished record, or nothing when no whole game was
    // watched (a game started before the recorder was, say).
    std::optional<GameRecord> finished(const Game& game, const QDateTime& now);
    // New Game: the game on the board is abandoned.
    void discard();

  private:
    std::optional<GameRecord> m_game;
};

}  // namespace korvex
