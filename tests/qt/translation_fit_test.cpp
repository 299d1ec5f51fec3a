// SPDX-License-Identifier: GPL-3.0-or-later
// Every window in every language, with the game's real translations loaded: each button and
// label shows its whole text at the layout's size, clear of every other element. A one-line
// label may grow past its box where the renderer lets it, but stays inside the window and
// shrinks a pixel at most.

#include <gtest/gtest.h>

#include <QLabel>
#include <QStyle>
#include <QTimer>

#include "about/frm_about.h"
#include "about/frm_how_to_play.h"
#include "app/running_game.h"
#include "board/board_status.h"
#include "board/coach_panel.h"
#include "board/form1.h"
#include "board/form1_layout.h"
#include "coach/coach_advice.h"
#include "core/random_source.h"
#include "hiscores/frm_get_name.h"
#include "hiscores/frm_hi_scores.h"
#include "hiscores/mod_hi_scores.h"
#include "qt_test_support.h"
#include "support/memory_store.h"
#include "ui/qt/element_widgets.h"
#include "ui/qt/form_view.h"
#include "ui/qt/qt_toolkit.h"
#include "ui/qt/translations.h"

namespace korvex {
namespace {

QString buttonMisfit(const ElementButton& button) {
    const QRect room = button.captionRoom();
    const QFontMetrics metrics = button.fontMetrics();
    const QStringList lines = button.text().split(QLatin1Char('\n'));
    for (const QString& line : lines)
        if (metrics.horizontalAdvance(plainCaption(line)) > room.width())
            return QStringLiteral("line \"%1\" wider than %2 px").arg(line).arg(room.width());
    if (int(lines.size()) * metrics.lineSpacing() > room.height())
        return QStringLiteral("%1 lines taller than %2 px").arg(lines.size()).arg(room.height());
    return {};
}

QString labelMisfit(const QLabel& label, const ElementSpec& item) {
    const QRect shown = label.geometry();
    const QFontMetrics metrics = label.fontMetrics();
    if (label.wordWrap()) {
        const QRect need =
            metrics.boundingRect(QRect(0, 0, shown.width(), 10000),
                                 int(label.alignment()) | Qt::TextWordWrap, label.text());
        // The lowest pixel row of a line's descent is blank in the layout's faces, so the last
        // line may lose it.
        if (need.width() > shown.width() || need.height() > shown.height() + 1)
            return QStringLiteral("wrapped text needs %1x%2 px in %3x%4")
                .arg(need.width())
                .arg(need.height())
                .arg(shown.width())
                .arg(shown.height());
    } else if (metrics.horizontalAdvance(label.text()) > shown.width()) {
        return QStringLiteral("%1 px wide in %2")
            .arg(metrics.horizontalAdvance(label.text()))
            .arg(shown.width());
    }
    if (!label.parentWidget()->rect().contains(shown)) return QStringLiteral("leaves the window");
    if (label.font().pixelSize() < layoutFont(item.font).pixelSize() - 1)
        return QStringLiteral("shrunk to %1 px").arg(label.font().pixelSize());
    return {};
}

// Where a label's text is drawn: its lines' extent, placed as the label aligns them.
QRect textRect(const QLabel& label) {
    const QFontMetrics metrics = label.fontMetrics();
    if (label.wordWrap())
        return metrics.boundingRect(label.geometry(), int(label.alignment()) | Qt::TextWordWrap,
                                    label.text());
    const QSize size(metrics.horizontalAdvance(label.text()), metrics.height());
    return QStyle::alignedRect(Qt::LeftToRight, label.alignment(), size, label.geometry());
}

// The pixels a one-line label's letters cover, without the blank leading above and below them.
QRect inkRect(const QLabel& label) {
    const QRect line = textRect(label);
    if (label.wordWrap()) return line;
    const QFontMetrics metrics = label.fontMetrics();
    return metrics.tightBoundingRect(label.text())
        .translated(line.left(), line.top() + metrics.ascent());
}

// Another element on which the label's text lies; "" when its text lies clear of all others.
// Elements that show at different times count too: each of them may show with this text. Against
// another text the lines' whole height counts; against a picture, a box or a button, only the
// letters themselves (the frame of a held die comes close to the coach's mark under it).
QString overlapOf(const QtToolkit& toolkit, const Form& form, const QLabel& label,
                  const ElementSpec& item) {
    const QRect text = textRect(label);
    const QRect ink = inkRect(label);
    for (const ElementSpec& other : form.layout().elements) {
        if (other.name == item.name || other.kind == ElementKind::Field) continue;
        const QWidget* widget = toolkit.widgetOf(form, other.name);
        const auto* otherLabel = dynamic_cast<const QLabel*>(widget);
        if (otherLabel && otherLabel->text().isEmpty()) continue;
        const bool overlaps = otherLabel ? text.intersects(textRect(*otherLabel))
                              : widget   ? ink.intersects(widget->geometry())
                                         : false;
        if (overlaps) return other.name;
    }
    return {};
}

// "Form1/CB_Save: "Eintragen && weiterwürfeln": line ... wider than 71 px", or "" when it fits.
QString misfit(const QtToolkit& toolkit, const Form& form, const QString& element) {
    const ElementSpec& item = *form.layout().find(element);
    QWidget* widget = toolkit.widgetOf(form, element);
    QString problem, text;
    if (const auto* button = dynamic_cast<const ElementButton*>(widget)) {
        problem = buttonMisfit(*button);
        text = button->text();
    } else if (const auto* label = dynamic_cast<const QLabel*>(widget)) {
        problem = labelMisfit(*label, item);
        if (problem.isEmpty()) {
            const QString other = overlapOf(toolkit, form, *label, item);
            if (!other.isEmpty()) problem = QStringLiteral("lies over ") + other;
        }
        text = label->text();
    }
    if (problem.isEmpty()) return {};
    return QStringLiteral("%1/%2: \"%3\": %4").arg(form.name(), element, text, problem);
}

// Every button and label of an open window, with the texts it shows now.
QStringList misfits(const QtToolkit& toolkit, const Form& form) {
    QStringList found;
    for (const ElementSpec& item : form.layout().elements) {
        if (item.kind != ElementKind::Button && item.kind != ElementKind::Label) continue;
        if (form.model().text(item.name).isEmpty()) continue;
        const QString problem = misfit(toolkit, form, item.name);
        if (!problem.isEmpty()) found << problem;
    }
    return found;
}

// The end of a game: the widest total, losses, and the costliest move of every kind.
void addSummaryTexts(std::vector<std::pair<QString, QString>>& texts) {
    texts.emplace_back(QStringLiteral("lblCoachAdvice"), gameOverText(1575));
    texts.emplace_back(QStringLiteral("lblCoachLast"), decisionsLossText(888.8));
    const QString costliest = QStringLiteral("lblCoachGame");
    texts.emplace_back(costliest, costliestText(nullptr));
    ReviewedDecision worst;
    worst.turn = 13;
    worst.loss = 88.8;
    worst.faces = {6, 6, 6, 6, 5};
    for (const std::array<bool, 5>& held :
         {std::array<bool, 5>{}, {true, true, true, true, false}, {true, true, true, true, true}}) {
        worst.held = held;
        texts.emplace_back(costliest, costliestText(&worst));
    }
    worst.kind = ReviewedDecision::Kind::Score;
    worst.points = 50;
    for (const Category& category : categories()) {
        worst.category = category.id;
        texts.emplace_back(costliest, costliestText(&worst));
    }
}

// The status line at its longest: a score with extra points and the bonus, the next roll and the
// longest advice; the end of a game barred by a forced roll; and the forced roll's note.
void addStatusTexts(std::vector<std::pair<QString, QString>>& texts) {
    QString longest;
    for (const auto& [element, text] : texts)
        if (element == QLatin1String("lblCoachAdvice") && text.size() > longest.size())
            longest = text;
    Game game;
    ClockSeededRandom random;
    game.start(random);
    const CommitReport report{CategoryId::FourKind, 30, 100, true, 1575};
    const QString status = QStringLiteral("lblStatus");
    texts.emplace_back(status, newGameStatus());
    texts.emplace_back(status,
                       commitStatus(report) + ' ' + rollStatus(game) + ' ' + coachStatus(longest));
    CommitReport last = report;
    last.total.reset();
    for (TableOutcome outcome : {TableOutcome::Entered, TableOutcome::Missed, TableOutcome::Barred})
        texts.emplace_back(status, commitStatus(last) + ' ' + gameEndStatus(1575, outcome, 10));
    for (int face : {0, 6})
        texts.emplace_back(status, forcedRollStatus({CheatCode::State::Armed, face}));
    texts.emplace_back(QStringLiteral("lblForced"), forcedRollNote());
}

// What the coach panel can say, with the widest numbers a game gives.
std::vector<std::pair<QString, QString>> coachTexts() {
    std::vector<std::pair<QString, QString>> texts;
    const QString advice = QStringLiteral("lblCoachAdvice");
    for (CoachNotice notice : {CoachNotice::BeforeFirstRoll, CoachNotice::GameOver,
                               CoachNotice::ForcedRoll, CoachNotice::Working})
        texts.emplace_back(advice, coachNotice(notice));
    Advice roll;
    roll.action = Advice::Action::Roll;
    texts.emplace_back(advice, describe(roll));
    roll.releasedFaces = {1, 2, 3, 5};
    texts.emplace_back(advice, describe(roll));
    roll.releasedFaces = {3};
    texts.emplace_back(advice, describe(roll));
    roll.keptFaces = {6, 6, 6, 6};
    texts.emplace_back(advice, describe(roll));
    roll.keptFaces = {6, 6, 6};
    roll.releasedFaces = {2, 5};
    texts.emplace_back(advice, describe(roll));
    roll.keptFaces = {6, 6};
    roll.releasedFaces = {1, 2, 5};
    texts.emplace_back(advice, describe(roll));
    roll.keptFaces = {6, 6, 6, 6};
    roll.releasedFaces = {5};
    texts.emplace_back(advice, describe(roll));
    roll.releasedFaces.clear();
    roll.holdsMatch = true;
    texts.emplace_back(advice, describe(roll));
    for (const Category& category : categories()) {
        Advice score;
        score.action = Advice::Action::Score;
        score.category = category.id;
        score.points = 50;
        texts.emplace_back(advice, describe(score));
    }
    texts.emplace_back(QStringLiteral("lblCoachExpected"), expectedTotalText(888.8));
    texts.emplace_back(QStringLiteral("lblCoachLast"), lastLossText(88.8));
    texts.emplace_back(QStringLiteral("lblCoachGame"), gameLossText(888.8));
    for (int p = 1; p <= 5; ++p)
        for (bool keep : {true, false}) texts.emplace_back(keepMark(p), diceMark(keep));
    addSummaryTexts(texts);
    addStatusTexts(texts);
    return texts;
}

class TranslationFit : public ::testing::TestWithParam<const char*> {
  protected:
    void SetUp() override {
        const QString language = QString::fromLatin1(GetParam());
        const QString loaded = installTranslations({language}, {QStringLiteral(KORVEX_QM_DIR)});
        ASSERT_EQ(loaded, language == QLatin1String("en") ? QString() : language);
        // Each window takes its texts in the player's language as it is made.
        game = std::make_unique<RunningGame>(toolkit, random, store);
    }
    void TearDown() override {
        game.reset();
        installTranslations({});
        qttest::settle();
    }

    // Opens the window, collects what does not fit, and closes it again.
    QStringList misfitsOfWindow(Form& form) {
        toolkit.showModeless(form);
        QStringList found = misfits(toolkit, form);
        toolkit.close(form);
        return found;
    }

    // The initials dialog is modal: it is measured and closed from inside its own loop.
    QStringList misfitsOfInitials(Form1& board) {
        FrmGetName initials(toolkit);
        QStringList found;
        QTimer::singleShot(0, [&] {
            found = misfits(toolkit, initials);
            toolkit.close(initials);
        });
        initials.askInitials(&board, 1234567);
        return found;
    }

    QtToolkit toolkit;
    ClockSeededRandom random;
    MemoryStore store;
    std::unique_ptr<RunningGame> game;
};

TEST_P(TranslationFit, boardWithEveryCoachTextFits) {
    Form1& board = game->board();
    toolkit.showModeless(board);
    FormModel& model = board.model();
    for (const char* name : kCoachPanel) model.setVisible(QString::fromLatin1(name), true);
    for (int p = 1; p <= 5; ++p) model.setVisible(keepMark(p), true);
    model.setVisible(QStringLiteral("lblReview"), true);
    model.setVisible(QStringLiteral("lblForced"), true);
    QStringList found = misfits(toolkit, board);
    for (const auto& [element, text] : coachTexts()) {
        model.setText(element, text);
        const QString problem = misfit(toolkit, board, element);
        if (!problem.isEmpty()) found << problem;
    }
    toolkit.close(board);
    EXPECT_EQ(found, QStringList());
}

TEST_P(TranslationFit, dialogsFit) {
    FrmHiScores list(toolkit, game->hiScores());
    FrmAbout about(toolkit);
    FrmHowToPlay howToPlay(toolkit);
    EXPECT_EQ(misfitsOfWindow(list), QStringList());
    EXPECT_EQ(misfitsOfWindow(about), QStringList());
    EXPECT_EQ(misfitsOfWindow(howToPlay), QStringList());
    Form1& board = game->board();
    toolkit.showModeless(board);
    EXPECT_EQ(misfitsOfInitials(board), QStringList());
    toolkit.close(board);
}

// The texts really are the translated ones: a missing .qm must not pass as a fit.
TEST_P(TranslationFit, windowsShowTheirLanguage) {
    Form1& board = game->board();
    toolkit.showModeless(board);
    const auto* roll = dynamic_cast<const QPushButton*>(toolkit.widgetOf(board, "CB_Roll"));
    ASSERT_NE(roll, nullptr);
    const bool english = QLatin1String(GetParam()) == QLatin1String("en");
    EXPECT_EQ(roll->text() == QLatin1String("Roll"), english) << roll->text().toStdString();
    // What a screen reader announces is in the same language.
    const QString box = FormView::accessibleNameOf(board, board.model().indexOf("ScoreThreeKind"));
    EXPECT_EQ(box == QLatin1String("Three of a Kind: open"), english) << box.toStdString();
    // And so do the texts the coach composes as it goes.
    EXPECT_EQ(diceMark(false) == QLatin1String("release"), english);
    toolkit.close(board);
}

INSTANTIATE_TEST_SUITE_P(EveryLanguage, TranslationFit, ::testing::Values("en", "de", "fr", "es"),
                         [](const auto& info) { return std::string(info.param); });

}  // namespace
}  // namespace korvex
