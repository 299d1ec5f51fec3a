// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What Practice keeps in the record of games: the positions it poses, each with its place in the
// schedule that brings it back, and every answer given. A position is a moment of a game just
// after a roll: the card as it stood, the dice, the roll number. It comes from one of the
// player's recorded games, or from a game the coach played for a player with no games yet.

#include <QDateTime>
#include <QString>
#include <array>
#include <vector>

#include "core/card.h"

namespace korvex {

struct PracticePosition {
    // Which moment this is, unique in the record: "game 12 turn 3 roll 2" for a recorded game,
    // "coach 7 turn 3 roll 2" for one the coach played. The schedule and answers refer to it.
    QString key;
    qint64 gameId = 0;  // the recorded game it comes from; 0 for one the coach played
    int turn = 1;       // 1 to 13
    int roll = 1;       // 1 to 3: the roll that left these dice
    Card card;          // as it stood before this turn's commit
    Faces faces{};
    friend bool operator==(const PracticePosition&, const PracticePosition&) = default;
};

// Where a position stands in the schedule: its box (0 after a poor answer, one higher after each
// good one) and the number of answers after which it is due again.
struct PracticeSlot {
    PracticePosition position;
    int box = 0;
    int due = 0;  // due once the record holds this many answers
    friend bool operator==(const PracticeSlot&, const PracticeSlot&) = default;
};

struct PracticeAnswer {
    qint64 id = 0;        // the database's number; 0 until stored
    QDateTime answered;   // UTC, whole seconds
    QString position;     // PracticePosition::key
    QString move;         // the move chosen, in words
    double givenUp = 0;   // expected points the move gave up against the best one
    friend bool operator==(const PracticeAnswer&, const PracticeAnswer&) = default;
};

// Everything Practice has kept: every answer, oldest first, and the schedule.
struct PracticeRecord {
    std::vector<PracticeAnswer> answers;
    std::vector<PracticeSlot> schedule;
};

// A game's luck and the points its decisions gave up, as the coach's table judged it.
struct GameLuck {
    qint64 id = 0;
    double luck = 0;
    double givenUp = 0;
};

}  // namespace korvex
