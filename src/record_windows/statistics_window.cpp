// SPDX-License-Identifier: GPL-3.0-or-later
#include "record_windows/statistics_window.h"

#include <QAbstractTableModel>
#include <QChartView>
#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QSaveFile>
#include <QShortcut>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QVBoxLayout>
#include <cmath>

#include "core/rules.h"
#include "record/game_history.h"
#include "record/optimal_averages.h"
#include "record_windows/statistics_charts.h"

namespace korvex {
namespace {

// The texts of StatisticsWindow, under the context lupdate files them in.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(StatisticsWindow)
};

const char* const kFigureNames[] = {
    QT_TRANSLATE_NOOP("StatisticsWindow", "Games played"),
    QT_TRANSLATE_NOOP("StatisticsWindow", "Average total"),
    QT_TRANSLATE_NOOP("StatisticsWindow", "Median total"),
    QT_TRANSLATE_NOOP("StatisticsWindow", "Best total"),
    QT_TRANSLATE_NOOP("StatisticsWindow", "Upper bonus won"),
    QT_TRANSLATE_NOOP("StatisticsWindow", "Five of a kind in Korvex"),
    QT_TRANSLATE_NOOP("StatisticsWindow", "Points given up per game"),
    QT_TRANSLATE_NOOP("StatisticsWindow", "Median points given up"),
    QT_TRANSLATE_NOOP("StatisticsWindow", "Given up in the last 10 games"),
    QT_TRANSLATE_NOOP("StatisticsWindow", "Average luck per game"),
};
constexpr int kFigureRows = 5;

QString percent(double share) {
    return QLocale().toString(100 * share, 'f', 1) + QStringLiteral(" %");
}

QString onePlace(double value) {
    return QLocale().toString(value, 'f', 1);
}

// Luck reads as a change: "+12.3", "−4.0".
QString signedOnePlace(double value) {
    const QString digits = QLocale().toString(std::abs(value), 'f', 1);
    if (digits == QLocale().toString(0.0, 'f', 1)) return digits;
    return (value > 0 ? QStringLiteral("+") : QStringLiteral("\u2212")) + digits;
}

}  // namespace

// The list of games, newest first, read straight from the summaries: a model rather than
// thousands of table items keeps the window quick to open.
class GamesTableModel : public QAbstractTableModel {
  public:
    explicit GamesTableModel(QObject* parent) : QAbstractTableModel(parent) {}
    void setGames(const std::vector<GameSummary>* games) {
        beginResetModel();
        m_games = games;
        endResetModel();
    }
    const GameSummary& game(int row) const {
        return (*m_games)[m_games->size() - 1 - std::size_t(row)];
    }
    int rowCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() || !m_games ? 0 : int(m_games->size());
    }
    int columnCount(const QModelIndex& = {}) const override { return 4; }
    QVariant data(const QModelIndex& index, int role) const override {
        if (role != Qt::DisplayRole && role != Qt::TextAlignmentRole) return {};
        if (role == Qt::TextAlignmentRole)
            return index.column() == 0 ? QVariant() : QVariant(Qt::AlignCenter);
        const GameSummary& g = game(index.row());
        switch (index.column()) {
            case 0:
                return QLocale().toString(g.finished.toLocalTime(), QLocale::ShortFormat);
            case 1:
                return g.total;
            case 2:
                return g.forced ? Text::tr("yes") : QString();
            default:
                return g.coach ? Text::tr("on") : QString();
        }
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
        static const char* const names[] = {QT_TRANSLATE_NOOP("StatisticsWindow", "Finished"),
                                            QT_TRANSLATE_NOOP("StatisticsWindow", "Total"),
                                            QT_TRANSLATE_NOOP("StatisticsWindow", "Forced roll"),
                                            QT_TRANSLATE_NOOP("StatisticsWindow", "Coach")};
        return Text::tr(names[section]);
    }

  private:
    const std::vector<GameSummary>* m_games = nullptr;
};

StatisticsWindow::StatisticsWindow(GameHistory& history, ReviewRequest review, QWidget* parent)
    : QWidget(parent, Qt::Window), m_history(history), m_review(std::move(review)) {
    setWindowTitle(Text::tr("Korvex Statistics"));
    m_warn = [this](const QString& title, const QString& text) {
        QMessageBox::warning(this, title, text);
    };
    setObjectName(QStringLiteral("StatisticsWindow"));
    // Closing the board ends the game even while this window is open.
    setAttribute(Qt::WA_QuitOnClose, false);
    auto* layout = new QVBoxLayout(this);
    // Why the window shows no recorded games, when it cannot read them.
    m_problem = new QLabel;
    m_problem->setWordWrap(true);
    m_problem->setTextFormat(Qt::PlainText);
    m_problem->setStyleSheet(QStringLiteral("QLabel { color: #8b0000; }"));
    m_problem->hide();
    layout->addWidget(m_problem);
    layout->addWidget(buildFigures());
    m_tabs = new QTabWidget;
    for (QChartView*& view : m_charts) {
        view = new QChartView;
        view->setRenderHint(QPainter::Antialiasing);
    }
    auto* categories = new QWidget;
    auto* categoryLayout = new QHBoxLayout(categories);
    m_categoryTable = new QTableWidget(kCategoryCount, 3);
    m_categoryTable->setAccessibleName(Text::tr("Average points per category"));
    categoryLayout->addWidget(m_charts[Categories], 3);
    categoryLayout->addWidget(m_categoryTable, 2);
    m_tabs->addTab(m_charts[Histogram], Text::tr("Totals"));
    m_tabs->addTab(m_charts[OverTime], Text::tr("Over time"));
    m_tabs->addTab(m_charts[GivenUp], Text::tr("Given up"));
    m_tabs->addTab(categories, Text::tr("Categories"));
    m_tabs->addTab(m_charts[Practice], Text::tr("Practice"));
    m_tabs->addTab(buildGamesTab(), Text::tr("Games"));
    connect(m_tabs, &QTabWidget::currentChanged, this, [this] { showCurrentChart(); });
    layout->addWidget(m_tabs, 1);
    auto* buttons = new QHBoxLayout;
    auto* exportButton = new QPushButton(Text::tr("Export…"));
    auto* close = new QPushButton(Text::tr("Close"));
    connect(exportButton, &QPushButton::clicked, this, [this] { exportGames(); });
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    buttons->addWidget(exportButton);
    buttons->addStretch();
    buttons->addWidget(close);
    layout->addLayout(buttons);
    // Escape closes the window as it closes any window that only shows something.
    connect(new QShortcut(Qt::Key_Escape, this), &QShortcut::activated, this, &QWidget::close);
}

StatisticsWindow::~StatisticsWindow() = default;

QWidget* StatisticsWindow::buildFigures() {
    auto* box = new QWidget;
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    for (int i = 0; i < int(std::size(kFigureNames)); ++i) {
        auto* name = new QLabel(Text::tr(kFigureNames[i]) + QLatin1Char(':'));
        auto* value = new QLabel;
        value->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        name->setBuddy(value);
        grid->addWidget(name, i % kFigureRows, (i / kFigureRows) * 2);
        grid->addWidget(value, i % kFigureRows, (i / kFigureRows) * 2 + 1);
        m_values.push_back(value);
    }
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    // How many games the coach's figures leave out, while some are still to be judged.
    m_judgedNote = new QLabel;
    m_judgedNote->setWordWrap(true);
    m_judgedNote->hide();
    grid->addWidget(m_judgedNote, kFigureRows, 0, 1, 4);
    m_includeForced = new QCheckBox(Text::tr("Include games with forced rolls"));
    connect(m_includeForced, &QCheckBox::toggled, this, [this] { fill(); });
    grid->addWidget(m_includeForced, kFigureRows + 1, 0, 1, 4);
    return box;
}

QWidget* StatisticsWindow::buildGamesTab() {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    m_model = new GamesTableModel(this);
    m_list = new QTableView;
    m_list->setModel(m_model);
    m_list->setAccessibleName(Text::tr("Recorded games, newest first"));
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->verticalHeader()->hide();
    m_list->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    m_list->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    connect(m_list, &QTableView::doubleClicked, this, [this] { reviewSelected(); });
    m_reviewButton = new QPushButton(Text::tr("Review"));
    connect(m_reviewButton, &QPushButton::clicked, this, [this] { reviewSelected(); });
    layout->addWidget(m_list, 1);
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(m_reviewButton);
    layout->addLayout(row);
    return page;
}

void StatisticsWindow::reload() {
    // A game a refused write kept in memory gets another chance now.
    m_history.flush();
    m_games = m_history.summaries();
    m_proficiency = practiceProficiency(m_history.practice().answers);
    m_problem->setText(m_history.readProblem());
    m_problem->setAccessibleName(m_history.readProblem());
    m_problem->setVisible(!m_history.readProblem().isEmpty());
    m_model->setGames(&m_games);
    m_reviewButton->setEnabled(!m_games.empty());
    fill();
}

void StatisticsWindow::fill() {
    m_statistics = computeStatistics(m_games, m_includeForced->isChecked());
    fillFigures();
    fillJudgedNote();
    fillCategoryTable();
    m_stale.fill(true);
    showCurrentChart();
}

void StatisticsWindow::showCurrentChart() {
    const int tab = m_tabs->currentIndex();
    if (tab >= 0 && tab < kCharts && m_stale[std::size_t(tab)]) buildChart(Chart(tab));
}

void StatisticsWindow::buildChart(Chart which) {
    QString description, name;
    QChart* chart = nullptr;
    switch (which) {
        case Histogram:
            chart = totalsHistogram(m_statistics, description);
            name = Text::tr("Histogram of totals");
            break;
        case OverTime:
            chart = totalsOverTime(m_statistics, description);
            name = Text::tr("Totals over time");
            break;
        case GivenUp:
            chart = givenUpOverTime(m_statistics, description);
            name = Text::tr("Points given up per game over time");
            break;
        case Categories:
            chart = categoryComparison(m_statistics, description);
            name = Text::tr("Average points per category beside optimal play");
            break;
        default:
            chart = practiceOverAnswers(m_proficiency, description);
            name = Text::tr("Practice: points given up per move over your answers");
            break;
    }
    QChartView* view = m_charts[std::size_t(which)];
    QChart* old = view->chart();
    view->setChart(chart);
    delete old;
    view->setAccessibleName(name);
    view->setAccessibleDescription(description);
    view->setToolTip(description);
    m_stale[std::size_t(which)] = false;
}

void StatisticsWindow::fillFigures() {
    const GameStatistics& s = m_statistics;
    const bool any = s.games > 0;
    const QString none = QStringLiteral("–");
    const bool judged = s.judged > 0;
    const QString texts[] = {QLocale().toString(s.games),
                             any ? onePlace(s.average) : none,
                             any ? onePlace(s.median) : none,
                             any ? QLocale().toString(s.best) : none,
                             any ? percent(s.bonusRate) : none,
                             any ? percent(s.fiveOfAKindRate) : none,
                             judged ? onePlace(s.givenUpMean) : none,
                             judged ? onePlace(s.givenUpMedian) : none,
                             judged ? onePlace(s.givenUpRecent) : none,
                             judged ? signedOnePlace(s.luckMean) : none};
    for (std::size_t i = 0; i < m_values.size(); ++i) {
        m_values[i]->setText(texts[i]);
        m_values[i]->setAccessibleName(Text::tr(kFigureNames[i]) + QStringLiteral(": ") + texts[i]);
    }
}

void StatisticsWindow::fillJudgedNote() {
    const int waiting = m_statistics.games - m_statistics.judged;
    QString text;
    if (waiting > 0 && m_statistics.judged == 0)
        text = Text::tr(
            "The coach has not yet judged these games: points given up and luck "
            "show once it has.");
    else if (waiting > 0)
        text = Text::tr(
                   "Points given up and luck count only the games the coach has judged so "
                   "far; still to be judged: %1.")
                   .arg(QLocale().toString(waiting));
    m_judgedNote->setText(text);
    m_judgedNote->setAccessibleName(text);
    m_judgedNote->setVisible(!text.isEmpty());
}

void StatisticsWindow::fillCategoryTable() {
    m_categoryTable->setHorizontalHeaderLabels(
        {Text::tr("Category"), Text::tr("Yours"), Text::tr("Optimal play")});
    m_categoryTable->verticalHeader()->hide();
    m_categoryTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    for (int c = 0; c < kCategoryCount; ++c) {
        const QString values[] = {displayTitle(CategoryId(c)),
                                  m_statistics.games
                                      ? onePlace(m_statistics.categoryAverage[std::size_t(c)])
                                      : QStringLiteral("–"),
                                  onePlace(kOptimalAverages.category[std::size_t(c)])};
        for (int column = 0; column < 3; ++column) {
            auto* item = new QTableWidgetItem(values[column]);
            if (column > 0) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            m_categoryTable->setItem(c, column, item);
        }
    }
    m_categoryTable->resizeColumnsToContents();
    m_categoryTable->horizontalHeader()->setStretchLastSection(true);
}

void StatisticsWindow::reviewSelected() {
    const QModelIndexList rows = m_list->selectionModel()->selectedRows();
    const int row = rows.isEmpty() ? 0 : rows.front().row();
    if (row >= m_model->rowCount()) return;
    if (const std::optional<GameRecord> game = m_history.game(m_model->game(row).id)) {
        if (m_review) m_review(*game);
    } else {
        m_warn(Text::tr("Review"), Text::tr("This game's moves cannot be read."));
    }
}

bool StatisticsWindow::exportGames() {
    QString path = m_exportPath;
    if (path.isEmpty())
        path = QFileDialog::getSaveFileName(
            this, Text::tr("Export…"), QDir::home().filePath(QStringLiteral("korvex-games.csv")),
            Text::tr("CSV files (*.csv)"));
    if (path.isEmpty()) return false;
    // Every recorded game, forced rolls or not: the file is the player's own copy of them all.
    QSaveFile file(path);
    const QByteArray csv = csvOf(m_games).toUtf8();
    if (!file.open(QIODevice::WriteOnly) || file.write(csv) != csv.size() || !file.commit()) {
        m_warn(Text::tr("Export…"), Text::tr("The games could not be written to %1 (%2).")
                                        .arg(QDir::toNativeSeparators(path), file.errorString()));
        return false;
    }
    return true;
}

}  // namespace korvex
