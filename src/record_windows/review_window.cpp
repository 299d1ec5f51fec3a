// SPDX-License-Identifier: GPL-3.0-or-later
#include "record_windows/review_window.h"

#include <QApplication>
#include <QChartView>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineSeries>
#include <QLocale>
#include <QPainter>
#include <QPushButton>
#include <QShortcut>
#include <QSplitter>
#include <QStringList>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

#include "record_windows/statistics_charts.h"
#include "ui/qt/pictures.h"

namespace korvex {
namespace {

// The texts of ReviewWindow, under the context lupdate files them in.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(ReviewWindow)
};

QString onePlace(double value) {
    return QLocale().toString(value, 'f', 1);
}

// Luck reads as a change: "+12.3", "−4.0".
QString signedOnePlace(double value) {
    const QString digits = QLocale().toString(std::abs(value), 'f', 1);
    if (digits == QLocale().toString(0.0, 'f', 1)) return digits;
    return (value > 0 ? QStringLiteral("+") : QStringLiteral("\u2212")) + digits;
}

QString diceText(const Faces& faces) {
    QStringList parts;
    for (int face : faces) parts << QString::number(face);
    return parts.join(QLatin1Char(' '));
}

// The dice of a decision in words, for a screen reader: "1 4 3 5 1, holding 4 3".
QString spokenDice(const ReviewedDecision& d) {
    QStringList held;
    for (int i = 0; i < 5; ++i)
        if (d.held[std::size_t(i)]) held << QString::number(d.faces[std::size_t(i)]);
    if (held.isEmpty()) return diceText(d.faces);
    return Text::tr("%1, holding %2").arg(diceText(d.faces), held.join(QLatin1Char(' ')));
}

// Where a row keeps its dice for the painter: the faces, then the held positions.
constexpr int kFacesRole = Qt::UserRole;
constexpr int kHeldRole = Qt::UserRole + 1;

// The dice of a decision drawn as the board draws them, the ones then held in the board's hold
// frame, so that a row reads at a glance as the moment it was on the board.
class DiceDelegate : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;
    static constexpr int kFace = 16;
    static constexpr int kSlot = kFace + 2 * kHoldFrameMargin + 2;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyleOptionViewItem plain(option);
        initStyleOption(&plain, index);
        plain.text.clear();  // the dice stand for the text
        const QWidget* widget = option.widget;
        QStyle* style = widget ? widget->style() : QApplication::style();
        style->drawControl(QStyle::CE_ItemViewItem, &plain, painter, widget);
        const QList<QVariant> faces = index.data(kFacesRole).toList();
        const QList<QVariant> held = index.data(kHeldRole).toList();
        const QRect cell = option.rect;
        const int left = cell.left() + (cell.width() - kSlot * int(faces.size())) / 2;
        for (int i = 0; i < int(faces.size()); ++i) {
            const QRectF face(left + i * kSlot + (kSlot - kFace) / 2,
                              cell.top() + (cell.height() - kFace) / 2, kFace, kFace);
            paintDieFace(*painter, face, faces[i].toInt());
            if (i < int(held.size()) && held[i].toBool()) paintHoldFrame(*painter, face);
        }
    }
    QSize sizeHint(const QStyleOptionViewItem&, const QModelIndex& index) const override {
        return QSize(kSlot * int(index.data(kFacesRole).toList().size()) + 8, kSlot + 2);
    }
};

// The coach's move in the past tense's neighbour: what it would have done.
QString bestMove(const Advice& best) {
    if (best.action == Advice::Action::Score)
        return Text::tr("Score %1 for %2").arg(displayTitle(best.category)).arg(best.points);
    if (best.keptFaces.empty()) return Text::tr("Roll all five again");
    QStringList kept;
    for (int face : best.keptFaces) kept << QString::number(face);
    return Text::tr("Hold %1 and roll").arg(kept.join(QLatin1Char(' ')));
}

enum Column { kDiceColumn = 2, kMoveColumn = 4, kBestColumn = 5, kColumns = 8 };

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
    m_summary->setTextFormat(Qt::PlainText);
    m_verdict = new QLabel;
    m_verdict->setWordWrap(true);
    m_verdict->setTextFormat(Qt::PlainText);
    m_verdict->hide();
    m_decisions = new QTableWidget(0, kColumns);
    m_decisions->setAccessibleName(Text::tr("Every decision of the game"));
    m_decisions->setHorizontalHeaderLabels({Text::tr("Turn"), Text::tr("Roll"), Text::tr("Dice"),
                                            Text::tr("Luck"), Text::tr("Your move"),
                                            Text::tr("Best move"), Text::tr("Given up"),
                                            Text::tr("Expected total after")});
    m_decisions->setItemDelegateForColumn(kDiceColumn, new DiceDelegate(m_decisions));
    m_decisions->verticalHeader()->hide();
    m_decisions->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_decisions->verticalHeader()->setDefaultSectionSize(DiceDelegate::kSlot + 2);
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
    layout->addWidget(m_verdict);
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
    // The game's whole account on one line: where it started, what the dice and the decisions
    // did to it, and where it ended.
    const QString account =
        Text::tr(
            "Expected %1 at the start · luck %2 · your decisions gave up %3 · "
            "total %4")
            .arg(onePlace(m_review->expectedAtStart), signedOnePlace(m_review->totalLuck),
                 onePlace(m_review->totalLoss))
            .arg(m_review->total);
    m_summary->setText(account);
    m_summary->setAccessibleName(account);
    QStringList verdict;
    if (const ReviewedDecision* worst = m_review->costliest())
        verdict << Text::tr("The costliest: turn %1, roll %2, %3 (%4 points).")
                       .arg(worst->turn)
                       .arg(worst->roll)
                       .arg(describeChoice(*worst))
                       .arg(onePlace(worst->loss));
    if (m_game.forced) verdict << Text::tr("Moves on forced rolls are not judged.");
    m_verdict->setText(verdict.join(QLatin1Char(' ')));
    m_verdict->setAccessibleName(m_verdict->text());
    m_verdict->setVisible(!verdict.isEmpty());
    fillTable();
    fillChart();
}

void ReviewWindow::fillTable() {
    const auto& decisions = m_review->decisions;
    const ReviewedDecision* worst = m_review->costliest();
    m_decisions->setRowCount(int(decisions.size()));
    for (int row = 0; row < int(decisions.size()); ++row) {
        const ReviewedDecision& d = decisions[std::size_t(row)];
        const QString cells[kColumns] = {
            QString::number(d.turn),
            QString::number(d.roll),
            diceText(d.faces),
            signedOnePlace(d.luck),
            describeChoice(d),
            d.judged ? bestMove(d.best) : Text::tr("forced roll: not judged"),
            d.judged ? onePlace(d.loss) : QString(),
            onePlace(d.expectedAfter)};
        for (int column = 0; column < kColumns; ++column) {
            auto* item = new QTableWidgetItem(cells[column]);
            if (column != kMoveColumn && column != kBestColumn)
                item->setTextAlignment(Qt::AlignCenter);
            if (&d == worst) item->setBackground(QColor(255, 230, 180));
            m_decisions->setItem(row, column, item);
        }
        QTableWidgetItem* dice = m_decisions->item(row, kDiceColumn);
        QList<QVariant> faces, held;
        for (int i = 0; i < 5; ++i) {
            faces << d.faces[std::size_t(i)];
            held << d.held[std::size_t(i)];
        }
        dice->setData(kFacesRole, faces);
        dice->setData(kHeldRole, held);
        dice->setData(Qt::AccessibleTextRole, spokenDice(d));
        dice->setToolTip(spokenDice(d));
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
