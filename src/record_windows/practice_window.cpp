// SPDX-License-Identifier: GPL-3.0-or-later
#include "record_windows/practice_window.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLocale>
#include <QPushButton>
#include <QShortcut>
#include <QStringList>
#include <QVBoxLayout>

#include "core/rules.h"
#include "record/game_history.h"
#include "record_windows/dice_pictures.h"

namespace korvex {
namespace {

// The texts of PracticeWindow, under the context lupdate files them in.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(PracticeWindow)
};

QString onePlace(double value) {
    return QLocale().toString(value, 'f', 1);
}

// A score box as the board's screen-reader names read it: "Fours: 12", "Ones: 3 if scored now".
QString spokenBox(const QString& title, const QString& points, bool tentative) {
    return tentative ? QCoreApplication::translate("Accessibility", "%1: %2 if scored now")
                           .arg(title, points)
                     : QCoreApplication::translate("Accessibility", "%1: %2").arg(title, points);
}

// The coach's move told on its own, not against what the player held.
QString bestMove(const Advice& best) {
    if (best.action == Advice::Action::Score)
        return Text::tr("score %1 for %2").arg(displayTitle(best.category)).arg(best.points);
    if (best.keptFaces.empty()) return Text::tr("roll all five again");
    QStringList kept;
    for (int face : best.keptFaces) kept << QString::number(face);
    return Text::tr("hold %1 and roll").arg(kept.join(QLatin1Char(' ')));
}

QString gradeText(const PracticeGrade& grade) {
    if (grade.givenUp == 0)
        return Text::tr(
                   "%1: the best move, giving up nothing. The game expects a final total of "
                   "%2.")
            .arg(grade.move, onePlace(grade.best.expectedTotal));
    return Text::tr(
               "%1: %2 points given up. The best move was to %3, expecting a final total of "
               "%4; your move expects %5.")
        .arg(grade.move, onePlace(grade.givenUp), bestMove(grade.best),
             onePlace(grade.best.expectedTotal), onePlace(grade.chosenTotal));
}

// The grade line is a status bar to screen readers, as the board's status line is, so that each
// new verdict is read out as it comes.
QAccessibleInterface* announcedLineFace(const QString&, QObject* object) {
    if (auto* line = dynamic_cast<AnnouncedLine*>(object))
        return new QAccessibleWidget(line, QAccessible::StatusBar);
    return nullptr;
}

const char* const kTotalNames[] = {QT_TRANSLATE_NOOP("PracticeWindow", "Subtotal"),
                                   QT_TRANSLATE_NOOP("PracticeWindow", "Bonus"),
                                   QT_TRANSLATE_NOOP("PracticeWindow", "Total")};

}  // namespace

void AnnouncedLine::announce(const QString& text) {
    setText(text);
    // A new name is what a screen reader announces of a status bar.
    setAccessibleName(text);
    QAccessibleEvent event(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&event);
}

PracticeWindow::PracticeWindow(GameHistory& history, TableSource table, QWidget* parent)
    : QWidget(parent, Qt::Window), m_history(history), m_table(std::move(table)) {
    static const bool faces = (QAccessible::installFactory(&announcedLineFace), true);
    Q_UNUSED(faces);
    setObjectName(QStringLiteral("PracticeWindow"));
    // Closing the board ends the game even while this window is open.
    setAttribute(Qt::WA_QuitOnClose, false);
    setWindowTitle(Text::tr("Korvex Practice"));
    auto* layout = new QVBoxLayout(this);
    m_heading = new QLabel;
    QFont bold = m_heading->font();
    bold.setBold(true);
    m_heading->setFont(bold);
    m_heading->setWordWrap(true);
    m_where = new QLabel;
    auto* how =
        new QLabel(Text::tr("Hold the dice you would keep and press Roll, or pick the "
                            "category you would score now. The coach then grades "
                            "your move."));
    how->setWordWrap(true);
    layout->addWidget(m_heading);
    layout->addWidget(m_where);
    layout->addWidget(how);
    // Built in the order Tab goes through them: the dice and Roll, the card, then the buttons.
    layout->addWidget(buildDice());
    layout->addWidget(buildCard());
    m_grade = new AnnouncedLine;
    m_grade->setObjectName(QStringLiteral("grade"));
    m_grade->setWordWrap(true);
    m_grade->setTextFormat(Qt::PlainText);
    m_grade->setMinimumHeight(3 * m_grade->fontMetrics().lineSpacing());
    m_grade->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    layout->addWidget(m_grade);
    m_proficiency = new QLabel;
    m_proficiency->setWordWrap(true);
    layout->addWidget(m_proficiency);
    layout->addStretch(1);
    auto* buttons = new QHBoxLayout;
    m_next = new QPushButton(Text::tr("Next position"));
    connect(m_next, &QPushButton::clicked, this, [this] {
        if (!m_session) return;
        m_session->next();
        showPosition();
    });
    auto* close = new QPushButton(Text::tr("Close"));
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    buttons->addWidget(m_next);
    buttons->addStretch();
    buttons->addWidget(close);
    layout->addLayout(buttons);
    // Escape closes Practice as it closes the record's other windows.
    connect(new QShortcut(Qt::Key_Escape, this), &QShortcut::activated, this, &QWidget::close);
    m_wait.setInterval(100);
    connect(&m_wait, &QTimer::timeout, this, [this] { tryStart(); });
}

PracticeWindow::~PracticeWindow() = default;

QWidget* PracticeWindow::buildDice() {
    auto* row = new QWidget;
    auto* dice = new QHBoxLayout(row);
    dice->setContentsMargins(0, 6, 0, 6);
    for (int p = 1; p <= 5; ++p) {
        auto* die = new DieButton(p);
        m_dice[std::size_t(p - 1)] = die;
        dice->addWidget(die);
    }
    dice->addSpacing(16);
    m_roll = new QPushButton(Text::tr("Roll"));
    connect(m_roll, &QPushButton::clicked, this, [this] {
        PracticeMove move;
        for (std::size_t i = 0; i < 5; ++i) move.held[i] = m_dice[i]->isChecked();
        answer(move);
    });
    dice->addWidget(m_roll);
    dice->addStretch();
    return row;
}

QWidget* PracticeWindow::buildCard() {
    auto* box = new QGroupBox(
        Text::tr("The card as it stood: an open box shows what these dice would score there"));
    auto* grid = new QGridLayout(box);
    grid->setHorizontalSpacing(10);
    const auto place = [&](QLabel* name, QWidget* value, int row, int column) {
        grid->addWidget(name, row, column * 2);
        grid->addWidget(value, row, column * 2 + 1);
    };
    for (const Category& c : categories()) {
        auto* name = new QLabel(displayTitle(c.id) + QLatin1Char(':'));
        name->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        auto* open = new QPushButton;
        open->setMinimumWidth(56);
        connect(open, &QPushButton::clicked, this, [this, id = c.id] {
            PracticeMove move;
            move.kind = PracticeMove::Kind::Score;
            move.category = id;
            answer(move);
        });
        auto* scored = new QLabel;
        scored->setAlignment(Qt::AlignCenter);
        scored->setMinimumWidth(56);
        auto* value = new QWidget;
        auto* stack = new QHBoxLayout(value);
        stack->setContentsMargins(0, 0, 0, 0);
        stack->addWidget(open);
        stack->addWidget(scored);
        const int row = c.upper ? c.index() : c.index() - 6;
        place(name, value, row, c.upper ? 0 : 1);
        m_names.push_back(name);
        m_open.push_back(open);
        m_scored.push_back(scored);
    }
    for (int i = 0; i < 3; ++i) {
        auto* name = new QLabel(Text::tr(kTotalNames[i]) + QLatin1Char(':'));
        name->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        auto* value = new QLabel;
        value->setAlignment(Qt::AlignCenter);
        name->setBuddy(value);
        // Subtotal and Bonus under the upper section, Total under the lower one.
        place(name, value, i < 2 ? 6 + i : 7, i < 2 ? 0 : 1);
        m_names.push_back(name);
        m_scored.push_back(value);
    }
    grid->setColumnStretch(4, 1);
    return box;
}

void PracticeWindow::reload() {
    m_session.reset();
    m_heading->setText(Text::tr("Practice"));
    m_where->clear();
    setAnswering(false);
    m_next->setEnabled(false);
    m_grade->announce(Text::tr("Working out the best play…"));
    showProficiency();
    tryStart();
}

void PracticeWindow::tryStart() {
    const CoachTable* table = m_table ? m_table() : nullptr;
    if (!table) {
        if (!m_wait.isActive()) m_wait.start();
        return;
    }
    m_wait.stop();
    m_session = std::make_unique<PracticeSession>(m_history, *table);
    m_session->reload();
    showPosition();
}

void PracticeWindow::showPosition() {
    showProficiency();
    const std::optional<PracticePosition>& position = m_session->position();
    if (!position) {
        setAnswering(false);
        m_next->setEnabled(false);
        m_grade->announce(Text::tr("There is no position to practise yet."));
        return;
    }
    m_heading->setText(position->gameId > 0
                           ? Text::tr("A position from one of your games")
                           : Text::tr("A position from a game the coach played: your own games "
                                      "give positions once you have played some"));
    m_where->setText(Text::tr("Turn %1 of %2, roll %3 of %4")
                         .arg(position->turn)
                         .arg(kTurnsPerGame)
                         .arg(position->roll)
                         .arg(kRollsPerTurn));
    for (std::size_t i = 0; i < 5; ++i) {
        m_dice[i]->setChecked(false);
        m_dice[i]->setFace(position->faces[i]);
    }
    showCard(*position);
    setAnswering(true);
    m_next->setEnabled(false);
    m_grade->announce(Text::tr("Your move?"));
    m_dice[0]->setFocus(Qt::OtherFocusReason);
}

void PracticeWindow::showCard(const PracticePosition& position) {
    const Card& card = position.card;
    for (const Category& c : categories()) {
        const std::size_t i = std::size_t(c.index());
        const bool used = card.used(c.id);
        const QString title = displayTitle(c.id);
        const QString points = QString::number(used ? card.shown(c.id) : c.points(position.faces));
        m_open[i]->setVisible(!used);
        m_scored[i]->setVisible(used);
        m_open[i]->setText(points);
        m_scored[i]->setText(used ? points : QString());
        m_open[i]->setAccessibleName(spokenBox(title, points, true));
        m_scored[i]->setAccessibleName(spokenBox(title, points, false));
        m_names[i]->setBuddy(used ? static_cast<QWidget*>(m_scored[i]) : m_open[i]);
    }
    const bool upperDone =
        std::all_of(categories().begin(), categories().end(),
                    [&](const Category& c) { return !c.upper || card.used(c.id); });
    const QString totals[] = {QString::number(card.upperSum()),
                              card.bonus() || upperDone ? QString::number(card.bonus()) : QString(),
                              QString::number(card.total())};
    for (int t = 0; t < 3; ++t) {
        QLabel* value = m_scored[std::size_t(kCategoryCount + t)];
        value->setText(totals[t]);
        value->setAccessibleName(spokenBox(Text::tr(kTotalNames[t]), totals[t], false));
    }
}

void PracticeWindow::setAnswering(bool answering) {
    const std::optional<PracticePosition>* position = m_session ? &m_session->position() : nullptr;
    const bool posed = answering && position && *position;
    for (DieButton* die : m_dice) die->setEnabled(posed);
    m_roll->setEnabled(posed && rollsLeftAfter(**position) > 0);
    for (QPushButton* open : m_open) open->setEnabled(posed);
}

void PracticeWindow::answer(const PracticeMove& move) {
    if (!m_session) return;
    const std::optional<PracticeGrade> grade = m_session->answer(move);
    if (!grade) {
        m_grade->announce(Text::tr("That move is not open in this position."));
        return;
    }
    QString text = gradeText(*grade);
    if (!m_session->lastAnswerKept())
        text += QLatin1Char(' ') +
                Text::tr("The record could not keep this answer, so it does not count.");
    setAnswering(false);
    m_next->setEnabled(true);
    m_next->setDefault(true);
    m_next->setFocus(Qt::OtherFocusReason);
    m_grade->announce(text);
    showProficiency();
}

void PracticeWindow::showProficiency() {
    const std::optional<double> figure = m_session ? m_session->proficiency() : std::nullopt;
    const int answers = m_session ? int(m_session->record().answers.size()) : 0;
    const int counted = std::min(answers, kProficiencyAnswers);
    QString text = Text::tr(
        "Proficiency: answer a position to see how many points your decisions "
        "give up.");
    if (figure && counted == 1)
        text = Text::tr("Proficiency: %1 points given up in your one answer so far.")
                   .arg(onePlace(*figure));
    else if (figure)
        text = Text::tr("Proficiency: %1 points given up per decision over your last %2 answers.")
                   .arg(onePlace(*figure))
                   .arg(counted);
    m_proficiency->setText(text);
    m_proficiency->setAccessibleName(text);
}

}  // namespace korvex
