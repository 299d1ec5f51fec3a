// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The coach on the board: a panel right of the score card that shows the best move for the dice
// on the table, marks the dice worth keeping, and keeps count of the expected points each
// recorded choice gave up. It reads the game and writes only its own labels; it never changes
// the game, and its use has no bearing on the high-score table.

#include <QObject>
#include <functional>
#include <memory>
#include <optional>

#include "coach/coach_advice.h"
#include "coach/coach_service.h"
#include "core/game.h"
#include "record/game_record.h"
#include "review/game_review.h"
#include "ui/form_model.h"

namespace korvex {

// What the panel says, in the player's language; one place, so every text can be checked for fit.
enum class CoachNotice { BeforeFirstRoll, GameOver, ForcedRoll, Working };
QString coachNotice(CoachNotice notice);
QString expectedTotalText(double total);  // "Expected final total with best play: 254.3"
QString lastLossText(double loss);        // "Your last choice gave up 3.5 points."
QString gameLossText(double loss);        // "Given up this game: 12.0 points."
// The end of a game: its total, what the decisions gave up, and the worst one (null: none).
QString gameOverText(int total);                       // "Game over: 254 points."
QString decisionsLossText(double loss);                // "Your decisions gave up 21.3 points."
QString costliestText(const ReviewedDecision* worst);  // "Costliest: turn 5, ... (8.2 points)."
QString diceMark(bool keep);  // under a die: "keep", or "release" for a held one

class CoachPanel {
  public:
    CoachPanel(FormModel& board, const Game& game);
    ~CoachPanel();

    bool isOn() const { return m_on; }
    // The "Hint" link: switches the coach on (building its table the first time) or off.
    void toggle();
    // Just before a commit records the selected category.
    void beforeCommit(CategoryId category);
    void newGame();
    // The game just ended as recorded: the panel sums it up, and the "Review" link shows.
    void gameOver(const GameRecord& game);
    // Shows what the coach makes of the game as it stands now.
    void refresh();

    // The coach's table for a review: starts making it if nobody has yet; null until it is there.
    const CoachTable* table();
    // The table if it is there already; never starts making it.
    const CoachTable* builtTable() const { return m_service ? m_service->table() : nullptr; }
    // The advice shown during play, when it differs from the last one taken; nothing while the
    // coach is off, before START and once the game is over.
    std::optional<QString> newAdvice();
    // Called when the advice changed of its own accord: the table became ready.
    void setAdviceListener(std::function<void()> listener) { m_listener = std::move(listener); }
    // Called once, when the table is first there (whoever asked for it).
    void setTableListener(std::function<void()> listener) { m_tableListener = std::move(listener); }

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
    QString m_spokenAdvice;  // the advice newAdvice() last gave
    std::function<void()> m_listener;
    std::function<void()> m_tableListener;
    QObject m_context;  // carries the table's "ready" back to the board's thread
    std::unique_ptr<CoachService> m_service;
};

}  // namespace korvex
