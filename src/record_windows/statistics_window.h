// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The "Korvex Statistics" window: the figures of every recorded game as text a screen reader
// reads, with the points given up and the luck of the games the coach has judged; five charts
// (totals, totals over time, points given up over time, averages per category beside optimal
// play, Practice's proficiency); the list of games with a review for any of them, and the export
// of all games as CSV. A chart is built when its tab is first shown after the figures changed,
// so the window opens with only the chart on top to draw.

#include <QString>
#include <QWidget>
#include <array>
#include <functional>
#include <vector>

#include "record/game_statistics.h"

class QCheckBox;
class QChartView;
class QLabel;
class QPushButton;
class QTableView;
class QTableWidget;
class QTabWidget;

namespace korvex {

class GameHistory;
struct GameRecord;
class GamesTableModel;

class StatisticsWindow : public QWidget {
  public:
    using ReviewRequest = std::function<void(const GameRecord&)>;

    StatisticsWindow(GameHistory& history, ReviewRequest review, QWidget* parent = nullptr);
    ~StatisticsWindow() override;

    // Reads the games again and shows them.
    void reload();
    // Where "Export…" writes; empty (the default) asks with the desktop's save dialog.
    void setExportPath(const QString& path) { m_exportPath = path; }
    // Shows a problem to the player; a message box unless replaced (by tests).
    void setWarning(std::function<void(const QString& title, const QString& text)> warn) {
        m_warn = std::move(warn);
    }
    // Writes every recorded game as CSV; false (after telling the player) when it cannot.
    bool exportGames();
    const GameStatistics& statistics() const { return m_statistics; }

    enum Chart { Histogram, OverTime, GivenUp, Categories, Practice, kCharts };

  private:
    QWidget* buildFigures();
    QWidget* buildGamesTab();
    void fill();
    void fillFigures();
    void fillJudgedNote();
    void fillCategoryTable();
    void showCurrentChart();
    void buildChart(Chart chart);
    void reviewSelected();

    GameHistory& m_history;
    ReviewRequest m_review;
    QString m_exportPath;
    std::function<void(const QString&, const QString&)> m_warn;
    std::vector<GameSummary> m_games;
    GameStatistics m_statistics;
    std::vector<double> m_proficiency;
    QLabel* m_problem = nullptr;
    QLabel* m_judgedNote = nullptr;
    QCheckBox* m_includeForced = nullptr;
    std::vector<QLabel*> m_values;
    QTabWidget* m_tabs = nullptr;
    // Tab i shows chart i (the list of games comes after them).
    std::array<QChartView*, kCharts> m_charts{};
    std::array<bool, kCharts> m_stale{};
    QTableWidget* m_categoryTable = nullptr;
    QTableView* m_list = nullptr;
    GamesTableModel* m_model = nullptr;
    QPushButton* m_reviewButton = nullptr;
};

}  // namespace korvex
