// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The "Korvex Practice" window: a position from the player's games (or the coach's, for a player
// with none) with the card as it stood, the dice and the roll number. The player holds dice and
// presses Roll, or picks a category, as on the board; the coach then says what the move gave up,
// the best move and the final totals both expect. The proficiency figure, the mean given up over
// the latest answers, stays in view. The coach's table may still be in the making when the
// window opens; the first position comes as soon as it is there.

#include <QLabel>
#include <QTimer>
#include <QWidget>
#include <array>
#include <memory>
#include <vector>

#include "practice/practice_session.h"
#include "record_windows/records_module.h"

class QGridLayout;
class QPushButton;

namespace korvex {

class DieButton;

// A line whose every new text a screen reader announces, as the board's status line is.
class AnnouncedLine : public QLabel {
  public:
    using QLabel::QLabel;
    // Shows and names the text, and tells screen readers it changed.
    void announce(const QString& text);
};

class PracticeWindow : public QWidget {
  public:
    PracticeWindow(GameHistory& history, TableSource table, QWidget* parent = nullptr);
    ~PracticeWindow() override;

    // Reads the record again and poses the next position (or waits for the coach's table).
    void reload();
    const PracticeSession* session() const { return m_session.get(); }

  private:
    QWidget* buildCard();
    QWidget* buildDice();
    void tryStart();
    void showPosition();
    void showCard(const PracticePosition& position);
    void showProficiency();
    void answer(const PracticeMove& move);
    void setAnswering(bool answering);

    GameHistory& m_history;
    TableSource m_table;
    std::unique_ptr<PracticeSession> m_session;
    QTimer m_wait;
    QLabel* m_heading = nullptr;
    QLabel* m_where = nullptr;
    std::array<DieButton*, 5> m_dice{};
    QPushButton* m_roll = nullptr;
    std::vector<QLabel*> m_names;      // card order, then Subtotal, Bonus, Total
    std::vector<QPushButton*> m_open;  // card order: a category still to score
    std::vector<QLabel*> m_scored;     // card order, then Subtotal, Bonus, Total
    AnnouncedLine* m_grade = nullptr;
    QLabel* m_proficiency = nullptr;
    QPushButton* m_next = nullptr;
};

}  // namespace korvex
