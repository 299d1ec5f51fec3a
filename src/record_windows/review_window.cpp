// SPDX-License-Identifier: GPL-3.0-or-later
#include "record_windows/review_window.h"

#include <QChartView>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineSeries>
#include <QLocale>
#include <QPushButton>
#include <QShortcut>
#include <QSplitter>
#include <QStringList>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

#include "record_windows/statistics_charts.h"

namespace korvex {
namespace {

// The texts of ReviewWindow, under the context lupdate files them in.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(ReviewWindow)
};

QString onePlace(double value) {
    return QLocale().toString(value, 'f', 1);
}

QString diceText(const Faces& faces) {
    QStringList parts;
    for (int face : faces) parts << QString::number(face);
    return parts.join(QLatin1Char(' '));
}

// The coach's move in the past tense's neighbour: what it would have done.
QString bestMove(const Advice& best) {
    if (best.action == Advice::Action::Score)
        return Text::tr("Score %1 for %2").arg(displayTitle(best.category)).arg(best.points);
    if (best.keptFaces.empty()) return Text::tr("Roll all five again");
    QStringList kept;
    for (int face : best.keptFaces) kept << QString::number(face);
    return Text::tr("Hold %1 and roll").arg(kept.join(QLatin1Char(' ')));
}

}  // namespace

ReviewWindow::ReviewWindow(GameRecord game, TableSource table, QWidget* parent)
    : QWidget(parent, Qt::Window), m_game(std::move(game)), m_table(std::move(table)) {
    setObjectName(QStringLiteral("ReviewWindow"));
    // Closing the board ends the game even while this window is open.
    setAttribute(Qt::WA_QuitOnClose, false);
    setWindowTitle(Text::tr("Korvex Review"));
    auto* layout = new QVBoxLayout(this);
    m_heading = new QLabel;
    QFont bold = m_heading->font();
    bold.setBold(true);
    m_heading->setFont(bold);
    m_summary = new QLabel(Text::tr("Working out the best play…"));
    m_summary->setWordWrap(true);
    m_decisions = new QTableWidget(0, 7);
    m_decisions->setAccessibleName(Text::tr("Every decision of the game"));
    m_decisions->setHorizontalHeaderLabels(
        {Text::tr("Turn"), Text::tr("Roll"), Text::tr("Dice"), Text::tr("Your move"),
         Text::tr("Best move"), Text::tr("Given up"), Text::tr("Expected total after")});
    m_decisions->verticalHeader()->hide();
    m_decisions->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_decisions->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_chart = new QChartView;
    m_chart->setRenderHint(QPainter::Antialiasing);
    auto* split = new QSplitter(Qt::Vertical);
    split->addWidget(m_decisions);
    split->addWidget(m_chart);
    split->setSizes({380, 260});
    layout->addWidget(m_heading);
    layout->addWidget(m_summary);
    layout->addWidget(split, 1);
    auto* buttons = new QHBoxLayout;
    auto* close = new QPushButton(Text::tr("Close"));
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    buttons->addStretch();
    buttons->addWidget(close);
    layout->addLayout(buttons);
    // Escape closes the review as it closes any window that only shows something.
    connect(new QShortcut(Qt::Key_Escape, this), &QShortcut::activated, this, &QWidget::close);
    m_heading->setText(
        Text::tr("Game finished %1, total %2")
            .arg(QLocale().toString(m_game.finished.toLocalTime(), QLocale::ShortFormat))
            .arg(m_game.total));
    // The table is made on a worker thread; look for it now and then until it is there.
    m_wait.setInterval(100);
    connect(&m_wait, &QTimer::timeout, this, [this] { tryFill(); });
    tryFill();
}

void ReviewWindow::tryFill() {
    const CoachTable* table = m_table ? m_table() : nullptr;
    if (!table) {
        if (!m_wait.isActive()) m_wait.start();
        return;
    }
    m_wait.stop();
    m_review = reviewGame(*table, m_game);
    if (!m_review) {
        m_summary->setText(
            Text::tr("This record is not a whole game, so the coach cannot replay it."));
        return;
    }
    const ReviewedDecision* worst = m_review->costliest();
    QString text = Text::tr(
                       "Your decisions gave up %1 points against best play, which expected %2 at "
                       "the start.")
                       .arg(onePlace(m_review->totalLoss), onePlace(m_review->expectedAtStart));
    if (worst)
        text += QLatin1Char(' ') + Text::tr("The costliest: turn %1, roll %2, %3 (%4 points).")
                                       .arg(worst->turn)
                                       .arg(worst->roll)
                                       .arg(describeChoice(*worst))
                                       .arg(onePlace(worst->loss));
    if (m_game.forced) text += QLatin1Char(' ') + Text::tr("Moves on forced rolls are not judged.");
    m_summary->setText(text);
    m_summary->setAccessibleName(text);
    fillTable();
    fillChart();
}

void ReviewWindow::fillTable() {
    const auto& decisions = m_review->decisions;
    const ReviewedDecision* worst = m_review->costliest();
    m_decisions->setRowCount(int(decisions.size()));
    for (int row = 0; row < int(decisions.size()); ++row) {
        const ReviewedDecision& d = decisions[std::size_t(row)];
        const QString cells[] = {QString::number(d.turn),
                                 QString::number(d.roll),
                                 diceText(d.faces),
                                 describeChoice(d),
                                 d.judged ? bestMove(d.best) : Text::tr("forced roll: not judged"),
                                 d.judged ? onePlace(d.loss) : QString(),
                                 onePlace(d.expectedAfter)};
        for (int column = 0; column < 7; ++column) {
            auto* item = new QTableWidgetItem(cells[column]);
            if (column != 3 && column != 4) item->setTextAlignment(Qt::AlignCenter);
            if (&d == worst) item->setBackground(QColor(255, 230, 180));
            m_decisions->setItem(row, column, item);
        }
    }
    m_decisions->resizeColumnsToContents();
    m_decisions->horizontalHeader()->setStretchLastSection(true);
}

void ReviewWindow::fillChart() {
    auto* chart = new QChart;
    chart->setTitle(Text::tr("Expected final total after each decision"));
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->legend()->hide();
    auto* line = new QLineSeries;
    line->append(0, m_review->expectedAtStart);
    double low = m_review->expectedAtStart, high = low;
    for (std::size_t i = 0; i < m_review->decisions.size(); ++i) {
        const double value = m_review->decisions[i].expectedAfter;
        line->append(double(i + 1), value);
        low = std::min(low, value);
        high = std::max(high, value);
    }
    chart->addSeries(line);
    auto* x = new QValueAxis;
    x->setTitleText(Text::tr("Decision"));
    x->setLabelFormat(QStringLiteral("%d"));
    x->setRange(0, double(m_review->decisions.size()));
    x->applyNiceNumbers();
    auto* y = new QValueAxis;
    y->setTitleText(Text::tr("Expected total"));
    y->setLabelFormat(QStringLiteral("%d"));
    y->setRange(std::floor(low / 10) * 10, std::ceil(high / 10) * 10 + 10);
    y->applyNiceNumbers();
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    line->attachAxis(x);
    line->attachAxis(y);
    QChart* old = m_chart->chart();
    m_chart->setChart(chart);
    delete old;
    m_chart->setAccessibleName(Text::tr("Expected final total after each decision"));
    m_chart->setAccessibleDescription(
        Text::tr(
            "Line chart over %1 decisions: the expected final total starts at %2 and ends at the "
            "game's total, %3.")
            .arg(m_review->decisions.size())
            .arg(onePlace(m_review->expectedAtStart))
            .arg(m_review->total));
}

}  // namespace korvex
