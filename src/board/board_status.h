// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the board's status line says after a move, in the player's language: the dice of a roll,
// a recorded score and the new total, the end of a game and whether it entered the table, a
// forced roll and what it costs. A screen reader hears each of these as the line shows it.

#include <QString>
#include <optional>

#include "core/game.h"

namespace korvex {

// "Roll 2 of 3: 3 3 5 6 1."
QString rollStatus(const Game& game);
// What a Save recorded: "Full House: 25 points. Total: 142." The points of the category, any
// extra points for a later five of a kind and a newly won bonus; the total unless the game ended.
struct CommitReport {
    CategoryId category;
    int points = 0;
    int extra = 0;
    bool bonusWon = false;
    std::optional<int> total;
};
QString commitStatus(const CommitReport& report);
// A category clicked: "Ones: 2 if scored now."
QString candidateStatus(const Candidate& candidate);
// The end of a game. `place` is its place in the table (1 for the best), if it entered it.
enum class TableOutcome { Entered, Missed, Barred };
QString gameEndStatus(int total, TableOutcome outcome, int place = 0);
// A forced roll armed on the Roll button, and that the run no longer enters the table.
QString forcedRollStatus(const CheatCode& cheat);
// The line that stays on the board once a forced roll was asked for.
QString forcedRollNote();
// A fresh board: how to begin, and where the rules are.
QString newGameStatus();
// The coach's advice as the status line says it, and its switching on or off.
QString coachStatus(const QString& advice);
QString coachSwitchedStatus(bool on);

}  // namespace korvex
