#pragma once
// The coach on the board: a panel right of the score card that shows the best move for the dice
// on the table, marks the dice worth keeping, and keeps count of the expected points each
// recorded choice gave up. It reads the game and writes only its own labels; it never changes
// the game, and its use has no bearing on the high-score table.

#include <QObject>
#include <memory>
#include <optional>

#include "coach/coach_advice.h"
#include "coach/coach_service.h"
#include "core/game.h"
#include "record/game_record.h"
#include "ui/form_model.h"

namespace korvex {

class CoachPanel {
  public:
    CoachPanel(FormModel& board, const Game& game);
    ~CoachPanel();

    bool isOn() const { return m_on; }
    // The "Hint" link: switches the coach on (building its table the first time) or off.
    void toggle();
    // Just before a commit records the selected category (card-order index).
    void beforeCommit(int category);
    void newGame();
    // The game just ended as recorded: the panel sums it up, and the "Review" link shows.
    void gameOver(const GameRecord& game);
    // Shows what the coach makes of the game as it stands now.
    void refresh();

    // The coach's table for a review: starts making it if nobody has yet; null until it is there.
    const CoachTable* table();

  private:
    void showPanel(bool on);
    void showAdvice(const Advice& advice);
    void markDice(const std::array<bool, 5>& keep, const std::array<bool, 5>& release);
    void showLosses();
    void showSummary();

    FormModel& m_board;
    const Game& m_game;
    bool m_on = false;
    std::optional<double> m_lastLoss;
    double m_gameLoss = 0;
    std::optional<GameRecord> m_finished;
    QObject m_context;  // carries the table's "ready" back to the board's thread
    std::unique_ptr<CoachService> m_service;
};

}  // namespace korvex
