// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/coach_panel.h"

#include <QCoreApplication>
#include <QLocale>
#include <algorithm>
#include <cmath>

#include "board/form1_layout.h"
#include "review/game_review.h"
#include "ui/form_model.h"

namespace korvex {
namespace {

const QString kAdvice = QStringLiteral("lblCoachAdvice");
const QString kExpected = QStringLiteral("lblCoachExpected");
const QString kLast = QStringLiteral("lblCoachLast");
const QString kGame = QStringLiteral("lblCoachGame");
const QString kReview = QStringLiteral("lblReview");

// Tenths of a point, with the player's decimal sign ("12.5", "12,5") and no grouping.
QString points(double value) {
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale.toString(value, 'f', 1);
}

}  // namespace

QString coachNotice(CoachNotice notice) {
    switch (notice) {
        case CoachNotice::BeforeFirstRoll:
            return QCoreApplication::translate("Coach", "Advice begins with the first roll.");
        case CoachNotice::GameOver:
            return QCoreApplication::translate("Coach", "The game is over.");
        case CoachNotice::ForcedRoll:
            return QCoreApplication::translate("Coach", "No advice on a forced roll.");
        case CoachNotice::Working:
            return QCoreApplication::translate("Coach", "Working out the best play…");
    }
    return {};
}

QString expectedTotalText(double total) {
    return QCoreApplication::translate("Coach", "Expected final total with best play: %1")
        .arg(points(total));
}

QString lastLossText(double loss) {
    return QCoreApplication::translate("Coach", "Your last choice gave up %1 points.")
        .arg(points(loss));
}

QString gameLossText(double loss) {
    return QCoreApplication::translate("Coach", "Given up this game: %1 points.").arg(points(loss));
}

QString gameOverText(int total) {
    return QCoreApplication::translate("Form1", "Game over: %1 points.").arg(total);
}

QString decisionsLossText(double loss) {
    return QCoreApplication::translate("Form1", "Your decisions gave up %1 points.")
        .arg(points(loss));
}

QString costliestText(const ReviewedDecision* worst) {
    if (!worst) return QCoreApplication::translate("Form1", "Every decision was the best.");
    //: %1 is the turn, %2 the player's move there ("Held 6 6 and rolled"), %3 what it gave up.
    return QCoreApplication::translate("Form1", "Costliest: turn %1, %2 (%3 points).")
        .arg(QString::number(worst->turn), describeChoice(*worst), points(worst->loss));
}

QString diceMark(bool keep) {
    //: Under a die: the coach's best move holds it for the next roll. One short word, as wide
    //: as the die.
    if (keep) return QCoreApplication::translate("Form1", "keep");
    //: Under a die the player holds: the coach's best move lets it go. One short word, as wide
    //: as the die.
    return QCoreApplication::translate("Form1", "release");
}

CoachPanel::CoachPanel(FormModel& board, const Game& game) : m_board(board), m_game(game) {}

CoachPanel::~CoachPanel() = default;

void CoachPanel::toggle() {
    m_on = !m_on;
    m_spokenAdvice.clear();  // switched on again, the advice is news again
    if (m_on) table();
    showPanel(m_on);
    refresh();
}

const CoachTable* CoachPanel::table() {
    if (!m_service) {
        m_service = std::make_unique<CoachService>();
        m_service->start(&m_context, [this] {
            refresh();
            if (m_listener) m_listener();
            if (m_tableListener) m_tableListener();
        });
    }
    return m_service->table();
}

std::optional<QString> CoachPanel::newAdvice() {
    if (!m_on || !m_game.started() || m_game.over()) return std::nullopt;
    const QString advice = m_board.text(kAdvice);
    if (advice.isEmpty() || advice == m_spokenAdvice) return std::nullopt;
    m_spokenAdvice = advice;
    return advice;
}

void CoachPanel::showPanel(bool on) {
    for (const char* name : kCoachPanel) m_board.setVisible(QString::fromLatin1(name), on);
    if (!on) markDice({}, {});
}

void CoachPanel::newGame() {
    m_lastLoss.reset();
    m_gameLoss = 0;
    m_finished.reset();
    m_board.setVisible(kReview, false);
    refresh();
}

void CoachPanel::gameOver(const GameRecord& game) {
    m_finished = game;
    m_board.setVisible(kReview, true);
    refresh();
}

void CoachPanel::beforeCommit(CategoryId category) {
    if (!m_on || !m_service || !m_service->ready()) return;
    const std::optional<CoachPosition> p = coachPosition(m_game);
    if (!p) return;
    const double loss = choiceLoss(*m_service->table(), *p, category);
    if (std::isnan(loss)) return;
    // Rounding noise of the table must not show as a loss when the choice was the best.
    m_lastLoss = loss < 0.0005 ? 0.0 : loss;
    m_gameLoss += *m_lastLoss;
}

void CoachPanel::refresh() {
    if (!m_on) return;
    showLosses();
    markDice({}, {});
    m_board.setText(kExpected, QString());
    if (!m_game.started())
        return m_board.setText(kAdvice, coachNotice(CoachNotice::BeforeFirstRoll));
    if (m_game.over()) {
        // The summary needs the coach's table; until it is there the panel says only this.
        m_board.setText(kAdvice, coachNotice(CoachNotice::GameOver));
        if (m_service->ready()) showSummary();
        return;
    }
    if (m_game.lastRollForced())
        return m_board.setText(kAdvice, coachNotice(CoachNotice::ForcedRoll));
    if (!m_service->ready()) return m_board.setText(kAdvice, coachNotice(CoachNotice::Working));
    const std::optional<CoachPosition> p = coachPosition(m_game);
    if (!p) return m_board.setText(kAdvice, QString());
    showAdvice(advise(*m_service->table(), *p));
}

void CoachPanel::showAdvice(const Advice& advice) {
    m_board.setText(kAdvice, describe(advice));
    if (advice.action == Advice::Action::None) return;
    m_board.setText(kExpected, expectedTotalText(advice.expectedTotal));
    if (advice.action == Advice::Action::Roll) markDice(advice.hold, advice.release);
}

// Under each die: "keep" where the best move holds it, "release" where the player holds a die
// that the best move lets go.
void CoachPanel::markDice(const std::array<bool, 5>& keep, const std::array<bool, 5>& release) {
    for (int p = 1; p <= 5; ++p) {
        const std::size_t i = std::size_t(p - 1);
        if (keep[i] || release[i]) m_board.setText(keepMark(p), diceMark(keep[i]));
        m_board.setVisible(keepMark(p), m_on && (keep[i] || release[i]));
    }
}

void CoachPanel::showLosses() {
    m_board.setText(kLast, m_lastLoss ? lastLossText(*m_lastLoss) : QString());
    m_board.setText(kGame, m_lastLoss ? gameLossText(m_gameLoss) : QString());
}

// The end of a game in three lines: the total, what the decisions gave up, and the worst one.
void CoachPanel::showSummary() {
    if (!m_finished) return;
    const std::optional<GameReview> review = reviewGame(*m_service->table(), *m_finished);
    if (!review) return;
    m_board.setText(kAdvice, gameOverText(review->total));
    m_board.setText(kLast, decisionsLossText(review->totalLoss));
    m_board.setText(kGame, costliestText(review->costliest()));
}

}  // namespace korvex
