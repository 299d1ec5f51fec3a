// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The record of one finished game: when it was played, every roll with the holds it was rolled
// with, every commit, and the card's result. A plain value: the recorder builds it, the game
// database stores and reads it, the statistics and the review only read it.

#include <QDateTime>
#include <QString>
#include <array>
#include <optional>
#include <vector>

#include "core/rules.h"

namespace korvex {

struct RollRecord {
    Faces faces{};               // 1 to 6, in position order, as the roll left them
    std::array<bool, 5> held{};  // positions held when this roll was made
    bool forced = false;         // a forced roll: its faces were chosen, not thrown
    friend bool operator==(const RollRecord&, const RollRecord&) = default;
};

struct TurnRecord {
    std::vector<RollRecord> rolls;       // one to three
    std::optional<CategoryId> category;  // the category scored; none until the turn is
    int points = 0;                      // what that category scored (extra points not included)
    friend bool operator==(const TurnRecord&, const TurnRecord&) = default;
};

struct GameRecord {
    qint64 id = 0;                  // the database's number for the game; 0 until stored
    QDateTime started, finished;    // UTC
    std::vector<TurnRecord> turns;  // thirteen in a finished game
    int bonus = 0;                  // 0 or the upper bonus
    int extra = 0;                  // extra five-of-a-kind points
    int total = 0;
    bool forced = false;  // a forced roll was asked for in the run that played this game
    bool coach = false;   // the coach was on during the game

    // Points of each category in card order (-1 for a category the record never scored).
    std::array<int, kCategoryCount> categoryPoints() const;
    friend bool operator==(const GameRecord&, const GameRecord&) = default;
};

// What is wrong with a record, in a sentence, or nothing when it is a whole, consistent game:
// thirteen turns, each category once, one to three rolls of faces 1 to 6 with the first roll
// holding nothing, points and total matching the card's rules.
std::optional<QString> recordFault(const GameRecord& record);

// Five faces as the database writes them ("3 3 5 6 1"), and held positions ("1 2").
QString facesText(const Faces& faces);
QString heldText(const std::array<bool, 5>& held);
std::optional<Faces> facesFromText(const QString& text);
std::optional<std::array<bool, 5>> heldFromText(const QString& text);

}  // namespace korvex
