// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/board_status.h"

#include <QCoreApplication>

#include "board/coach_panel.h"
#include "record/game_record.h"

namespace korvex {
namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(Form1)
};

}  // namespace

QString rollStatus(const Game& game) {
    //: After a roll: which roll of the turn it was, and the five dice in position order.
    return Text::tr("Roll %1 of %2: %3.")
        .arg(game.rolls())
        .arg(kRollsPerTurn)
        .arg(facesText(game.faces()));
}

QString commitStatus(const CommitReport& report) {
    const QString title = displayTitle(report.category);
    QString text = report.extra
                       //: A recorded score with the extra points of a later five of a kind.
                       ? Text::tr("%1: %2 points and %3 extra.")
                             .arg(title)
                             .arg(report.points)
                             .arg(report.extra)
                       //: A recorded score: the category and its points.
                       : Text::tr("%1: %2 points.").arg(title).arg(report.points);
    if (report.bonusWon)
        text += QLatin1Char(' ') + Text::tr("Upper bonus: %1 points.").arg(kUpperBonus);
    if (report.total) text += QLatin1Char(' ') + Text::tr("Total: %1.").arg(*report.total);
    return text;
}

QString candidateStatus(const Candidate& candidate) {
    //: A category clicked but not recorded yet: what it would score.
    return Text::tr("%1: %2 if scored now.").arg(displayTitle(candidate.id)).arg(candidate.points);
}

QString gameEndStatus(int total, TableOutcome outcome, int place) {
    QString ending;
    switch (outcome) {
        case TableOutcome::Entered:
            //: %1 is the place in the table of the ten best, 1 for the best.
            ending = Text::tr("It enters the high-score table at place %1.").arg(place);
            break;
        case TableOutcome::Missed:
            ending = Text::tr("It is not among the ten best.");
            break;
        case TableOutcome::Barred:
            ending = Text::tr("After a forced roll no game of this run enters the table.");
            break;
    }
    return gameOverText(total) + QLatin1Char(' ') + ending;
}

QString forcedRollStatus(const CheatCode& cheat) {
    const QString roll =
        cheat.face
            //: The digit typed on Roll: the next roll shows this face on all five dice.
            ? Text::tr("The next roll is forced: all five dice show %1.").arg(cheat.face)
            //: "s" typed on Roll: the next roll is the straight 1 to 5.
            : Text::tr("The next roll is forced: the straight 1 2 3 4 5.");
    return roll + QLatin1Char(' ') + forcedRollNote();
}

QString forcedRollNote() {
    return Text::tr("From now on no game of this run enters the high-score table.");
}

QString newGameStatus() {
    return Text::tr("Press START for the first roll. F1 explains the game.");
}

QString coachStatus(const QString& advice) {
    //: The coach's advice as the status line reads it: "Coach: Hold 6 6 and roll".
    QString text = Text::tr("Coach: %1").arg(advice);
    // Advice reads as a command ("Hold 6 6 and roll"), a notice as a sentence of its own.
    if (!text.endsWith(QLatin1Char('.')) && !text.endsWith(QChar(0x2026))) text += QLatin1Char('.');
    return text;
}

QString coachSwitchedStatus(bool on) {
    return on ? Text::tr("Coach on.") : Text::tr("Coach off.");
}

}  // namespace korvex
