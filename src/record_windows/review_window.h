// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The review of one recorded game: the coach replays it and shows, decision by decision, the
// dice (drawn as on the board), the luck of the roll that dealt them, the player's move, the best
// move and the expected points given up; above them the game's account on one line (expected at
// the start, luck, points given up, total), and below them a chart of the expected final total
// after each decision. The coach's table may still be
// in the making when the window opens; it fills in as soon as the table is there.

#include <QTimer>
#include <QWidget>
#include <functional>
#include <optional>

#include "record/game_record.h"
#include "record_windows/records_module.h"
#include "review/game_review.h"

class QChartView;
class QLabel;
class QTableWidget;

namespace korvex {

class CoachTable;

class ReviewWindow : public QWidget {
  public:
    ReviewWindow(GameRecord game, TableSource table, QWidget* parent = nullptr);

    const GameRecord& game() const { return m_game; }
    // The replay, once the table was there.
    const std::optional<GameReview>& review() const { return m_review; }

  private:
    void tryFill();
    void fillTable();
    void fillChart();

    GameRecord m_game;
    TableSource m_table;
    std::optional<GameReview> m_review;
    QTimer m_wait;
    QLabel* m_heading = nullptr;
    QLabel* m_summary = nullptr;
    QLabel* m_verdict = nullptr;
    QTableWidget* m_decisions = nullptr;
    QChartView* m_chart = nullptr;
};

}  // namespace korvex
