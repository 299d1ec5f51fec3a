#pragma once
// Writes down the game on the board as it is played: the board tells it of each START, roll and
// commit, and of the end of the game, which hands back the whole record. It keeps one game in
// memory and knows nothing of the board's fields or of where records are stored.

#include <optional>

#include "record/game_record.h"

namespace korvex {

class GameRecorder {
  public:
    // START: a new game begins now; whatever was written of an earlier one is dropped.
    void started(const QDateTime& now);
    // A roll made, with the holds it was rolled with; `coachOn` says whether the coach watched.
    void rolled(const RollRecord& roll, bool coachOn);
    // The turn's dice were recorded in `category` for `points`.
    void committed(int category, int points);
    // The thirteenth commit: the card's bonus and total, and whether a forced roll was asked for
    // in this run. Returns the finished record, or nothing when no whole game was watched (a
    // game started before the recorder was, say).
    std::optional<GameRecord> finished(int bonus, int total, bool forcedInRun,
                                       const QDateTime& now);
    // New Game: the game on the board is abandoned.
    void discard();

  private:
    std::optional<GameRecord> m_game;
};

}  // namespace korvex
