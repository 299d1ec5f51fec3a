// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Qt windows behind the board's "Statistics", "Review" and "Practice" links: one Statistics
// window and one Practice window, each read afresh when opened, and one review at a time. The
// coach's table for a review and for Practice comes from the board's coach, which makes it on
// first need.

#include <QPointer>
#include <memory>

#include "record_windows/practice_window.h"
#include "record_windows/records_module.h"
#include "record_windows/review_window.h"
#include "record_windows/statistics_window.h"

namespace korvex {

class GameHistory;

class RecordWindows : public RecordViews {
  public:
    RecordWindows(GameHistory& history, TableSource table);
    ~RecordWindows() override;

    void showStatistics() override;
    void recordChanged() override;
    void showReview(const GameRecord& record) override;
    void showPractice() override;

    StatisticsWindow* statistics() const { return m_statistics.get(); }
    ReviewWindow* review() const { return m_review.get(); }
    PracticeWindow* practice() const { return m_practice.get(); }

  private:
    GameHistory& m_history;
    TableSource m_table;
    std::unique_ptr<StatisticsWindow> m_statistics;
    std::unique_ptr<ReviewWindow> m_review;
    std::unique_ptr<PracticeWindow> m_practice;
};

}  // namespace korvex
