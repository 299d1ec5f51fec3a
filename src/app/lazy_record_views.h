// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The board's "Statistics", "Review" and "Practice" links, as the running game provides them: the
// windows live in a module (korvex-records) that is loaded the first time a player asks for one, so
// that starting the game never loads the chart libraries. A module that cannot be loaded is
// reported once per request, and the game goes on.

#include <QStringList>
#include <functional>
#include <memory>

#include "record_windows/records_module.h"

namespace korvex {

class LazyRecordViews : public RecordViews {
  public:
    using Reporter = std::function<void(const QString& text, const QString& title)>;

    // `modules` are the files tried in turn, the first that loads wins.
    LazyRecordViews(QStringList modules, GameHistory& history, TableSource table, Reporter report);
    ~LazyRecordViews() override;

    // Where the game looks for the module: beside the program, then where it is installed.
    static QStringList defaultModules();

    void showStatistics() override;
    void showReview(const GameRecord& record) override;
    void showPractice() override;
    void recordChanged() override {
        if (m_views) m_views->recordChanged();
    }
    bool loaded() const { return m_views != nullptr; }

  private:
    RecordViews* views(const QString& title);

    QStringList m_modules;
    GameHistory& m_history;
    TableSource m_table;
    Reporter m_report;
    std::unique_ptr<RecordViews> m_views;
};

}  // namespace korvex
