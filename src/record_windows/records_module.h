// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The entry point of the module that holds the Statistics, Review and Practice windows, as the
// module defines it and as the game looks it up the first time a player opens one of them. Nothing
// of Qt Widgets or Qt Charts shows here, so the game includes it without loading either.

#include <functional>

namespace korvex {

class CoachTable;
class GameHistory;
struct GameRecord;

// The windows that show recorded games, as the board's links ask for them.
class RecordViews {
  public:
    virtual ~RecordViews() = default;
    virtual void showStatistics() = 0;
    // The record holds something new (games judged in the background): an open window shows it.
    virtual void recordChanged() {}
    virtual void showReview(const GameRecord& record) = 0;
    virtual void showPractice() = 0;
};

// Gives the coach's table, or null while it is being made.
using TableSource = std::function<const CoachTable*()>;

}  // namespace korvex

extern "C" {
// The windows over `history`, owned by the caller; a review and Practice take the coach's table
// from `table`.
korvex::RecordViews* korvexCreateRecordViews(korvex::GameHistory& history,
                                             korvex::TableSource table);
}

namespace korvex {
using CreateRecordViews = decltype(&korvexCreateRecordViews);
inline constexpr char kCreateRecordViewsSymbol[] = "korvexCreateRecordViews";
inline constexpr char kRecordsModuleName[] = "korvex-records.so";
}  // namespace korvex
