#include "board/coach_panel.h"

#include <QCoreApplication>
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

QString points(double value) {
    return QString::number(value, 'f', 1);
}

}  // namespace

CoachPanel::CoachPanel(FormModel& board, const Game& game) : m_board(board), m_game(game) {}

CoachPanel::~CoachPanel() = default;

void CoachPanel::toggle() {
    m_on = !m_on;
    if (m_on) table();
    showPanel(m_on);
    refresh();
}

const CoachTable* CoachPanel::table() {
    if (!m_service) {
        m_service = std::make_unique<CoachService>();
        m_service->start(&m_context, [this] { refresh(); });
    }
    return m_service->table();
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

void CoachPanel::beforeCommit(int category) {
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
        return m_board.setText(kAdvice, QStringLiteral("Advice begins with the first roll."));
    if (m_game.over()) {
        // The summary needs the coach's table; until it is there the panel says only this.
        m_board.setText(kAdvice, QStringLiteral("The game is over."));
        if (m_service->ready()) showSummary();
        return;
    }
    if (m_game.lastRollForced())
        return m_board.setText(kAdvice, QStringLiteral("No advice on a forced roll."));
    if (!m_service->ready())
        return m_board.setText(kAdvice, QStringLiteral("Working out the best play…"));
    const std::optional<CoachPosition> p = coachPosition(m_game);
    if (!p) return m_board.setText(kAdvice, QString());
    showAdvice(advise(*m_service->table(), *p));
}

void CoachPanel::showAdvice(const Advice& advice) {
    m_board.setText(kAdvice, describe(advice));
    if (advice.action == Advice::Action::None) return;
    m_board.setText(kExpected, QStringLiteral("Expected final total with best play: %1")
                                   .arg(points(advice.expectedTotal)));
    if (advice.action == Advice::Action::Roll) markDice(advice.hold, advice.release);
}

// Under each die: "keep" where the best move holds it, "release" where the player holds a die
// that the best move lets go.
void CoachPanel::markDice(const std::array<bool, 5>& keep, const std::array<bool, 5>& release) {
    for (int p = 1; p <= 5; ++p) {
        const std::size_t i = std::size_t(p - 1);
        if (keep[i] || release[i])
            m_board.setText(keepMark(p),
                            keep[i] ? QStringLiteral("keep") : QStringLiteral("release"));
        m_board.setVisible(keepMark(p), m_on && (keep[i] || release[i]));
    }
}

void CoachPanel::showLosses() {
    m_board.setText(
        kLast, m_lastLoss
                   ? QStringLiteral("Your last choice gave up %1 points.").arg(points(*m_lastLoss))
                   : QString());
    m_board.setText(
        kGame, m_lastLoss ? QStringLiteral("Given up this game: %1 points.").arg(points(m_gameLoss))
                          : QString());
}

// The end of a game in three lines: the total, what the decisions gave up, and the worst one.
void CoachPanel::showSummary() {
    if (!m_finished) return;
    const std::optional<GameReview> review = reviewGame(*m_service->table(), *m_finished);
    if (!review) return;
    m_board.setText(
        kAdvice, QCoreApplication::translate("Form1", "Game over: %1 points.").arg(review->total));
    m_board.setText(kLast, QCoreApplication::translate("Form1", "Your decisions gave up %1 points.")
                               .arg(points(review->totalLoss)));
    const ReviewedDecision* worst = review->costliest();
    m_board.setText(
        kGame, worst ? QCoreApplication::translate("Form1", "Costliest: turn %1, %2 (%3 points).")
                           .arg(worst->turn)
                           .arg(describeChoice(*worst))
                           .arg(points(worst->loss))
                     : QCoreApplication::translate("Form1", "Every decision was the best."));
}

}  // namespace korvex
