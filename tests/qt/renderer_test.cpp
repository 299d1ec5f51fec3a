// SPDX-License-Identifier: GPL-3.0-or-later
// The generic renderer against the real board and a small test dialog: geometry in pixels, the
// model mirrored on the widgets, clicks and keys reaching the handlers, keyboard play, the
// wrapped Save caption, Escape and Enter in dialogs, and the names a screen reader announces.

#include <gtest/gtest.h>

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/running_game.h"
#include "board/form1.h"
#include "board/form1_layout.h"
#include "hiscores/mod_hi_scores.h"
#include "qt_test_support.h"
#include "support/memory_store.h"
#include "ui/qt/element_widgets.h"
#include "ui/qt/qt_toolkit.h"

namespace korvex {
namespace {

using qttest::clickWidget;
using qttest::pressKey;
using qttest::RecordingForm;
using qttest::settle;

QString accessibleName(QWidget* widget) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
    return face ? face->text(QAccessible::Name) : QStringLiteral("<none>");
}

class BoardTest : public ::testing::Test {
  protected:
    void SetUp() override { toolkit.showModeless(board); }
    void TearDown() override {
        toolkit.close(board);
        settle();
    }
    QWidget* widget(const char* name) { return toolkit.widgetOf(board, name); }

    QtToolkit toolkit;
    ClockSeededRandom random;
    MemoryStore store;
    RunningGame game{toolkit, random, store};
    Form1& board = game.board();
};

TEST_F(BoardTest, windowAndElementsSitWhereTheLayoutPutsThem) {
    EXPECT_EQ(toolkit.windowOf(board)->size(), QSize(689, 535));
    EXPECT_EQ(toolkit.windowOf(board)->windowTitle(), "Korvex");
    struct Spot {
        const char* name;
        QRect rect;
    };
    for (const Spot& s :
         {Spot{"CB_Roll", {264, 96, 81, 41}}, Spot{"CB_Save", {360, 96, 81, 41}},
          Spot{"Score1", {280, 152, 33, 19}}, Spot{"ScoreChance", {424, 344, 33, 19}},
          Spot{"OneRoll", {120, 232, 20, 20}}}) {
        ASSERT_NE(widget(s.name), nullptr) << s.name;
        EXPECT_EQ(widget(s.name)->geometry(), s.rect) << s.name;
    }
    // A die's face sits where the layout puts it; its widget reaches beyond for the hold frame.
    auto* die = static_cast<PictureWidget*>(widget("Die3_3"));
    EXPECT_EQ(die->faceRect().translated(die->pos()), QRect(336, 40, 37, 37));
    // The red start frame's top rule covers its line, three pixels wide.
    QWidget* top = widget("LineTop");
    EXPECT_TRUE(top->geometry().contains(QRect(304, 447, 97, 3)));
    EXPECT_TRUE(top->testAttribute(Qt::WA_TransparentForMouseEvents));
}

TEST_F(BoardTest, hiddenFieldsHaveNoWidget) {
    for (const char* field : {"Temp1", "Save5", "Perm1", "Score1x", "RollCount", "Cheat"})
        EXPECT_EQ(widget(field), nullptr) << field;
    EXPECT_FALSE(toolkit.windowOf(board)->findChild<QWidget*>("Cheat"));
}

TEST_F(BoardTest, startLiesAboveNewGameAndTakesTheClick) {
    QWidget* start = widget("CB_Start");
    const QPoint centre = start->geometry().center();
    EXPECT_EQ(toolkit.windowOf(board)->childAt(centre), start);
    clickWidget(start);
    EXPECT_FALSE(board.model().visible("CB_Start"));
    EXPECT_FALSE(start->isVisible());
    EXPECT_EQ(board.model().text("RollCount"), "1");
    EXPECT_TRUE(widget("CB_Roll")->isEnabled());
}

TEST_F(BoardTest, forcedRollKeyReachesRollHandlerAndTheButtonStillGetsKeys) {
    clickWidget(widget("CB_Start"));
    // Holding a die by a click leaves the focus on Roll, so its keys still reach it.
    clickWidget(widget(qPrintable(dieName(board.model().text("Temp1").toInt(), 1))));
    EXPECT_EQ(board.model().text("Save1"), "yes");
    QWidget* focus = toolkit.windowOf(board)->focusWidget();
    EXPECT_EQ(focus, widget("CB_Roll"));
    pressKey(focus, Qt::Key_6, "6");
    EXPECT_EQ(board.model().text("Cheat"), "6");
    // Space still presses the button: the forced roll is made.
    pressKey(focus, Qt::Key_Space, " ");
    EXPECT_EQ(board.model().text("RollCount"), "2");
    EXPECT_TRUE(board.model().visible("TwoRoll"));
    EXPECT_EQ(board.model().text("Cheat"), "0");
    for (int p = 1; p <= 5; ++p) EXPECT_EQ(board.model().text(faceField(p)), "6");
}

TEST_F(BoardTest, diceAndScoreBoxesPlayFromTheKeyboard) {
    clickWidget(widget("CB_Start"));
    const QString face = board.model().text("Temp2");
    QWidget* die = widget(qPrintable(dieName(face.toInt(), 2)));
    EXPECT_EQ(die->focusPolicy(), Qt::TabFocus);
    pressKey(die, Qt::Key_Space, " ");
    EXPECT_EQ(board.model().text("Save2"), "yes");
    EXPECT_EQ(accessibleName(die), QStringLiteral("Die 2: %1").arg(face));
    pressKey(die, Qt::Key_Return, "\r");
    EXPECT_EQ(board.model().text("Save2"), "no");
    EXPECT_EQ(accessibleName(die), QStringLiteral("Die 2: %1").arg(face));

    QWidget* chance = widget("ScoreChance");
    EXPECT_EQ(accessibleName(chance), "Chance: open");
    pressKey(chance, Qt::Key_Enter, "\r");
    EXPECT_FALSE(board.model().text("ScoreChance").isEmpty());
    EXPECT_EQ(qobject_cast<QLineEdit*>(chance)->text(), board.model().text("ScoreChance"));
    EXPECT_EQ(accessibleName(chance),
              board.model().text("ScoreChance").prepend("Chance: ") + " if scored now");
    EXPECT_TRUE(widget("CB_Save")->isEnabled());
}

TEST_F(BoardTest, accessibleNamesDescribeEveryKindOfElement) {
    EXPECT_EQ(accessibleName(widget("CB_Save")), "Save Score & Roll Again");
    EXPECT_EQ(accessibleName(widget("Score1")), "Ones: open");
    EXPECT_EQ(accessibleName(widget("ScoreKorvex")), "Korvex: open");
    EXPECT_EQ(accessibleName(widget("Total")), "Total: 0");
    EXPECT_EQ(accessibleName(widget("Die4_5")), "Die 5: 4");
    EXPECT_EQ(accessibleName(widget("TwoRoll")), "Roll 2");
    EXPECT_EQ(accessibleName(widget("Label19")), "About");
}

TEST_F(BoardTest, saveCaptionWrapsOntoLinesThatFitItsButton) {
    auto* save = qobject_cast<QPushButton*>(widget("CB_Save"));
    const QStringList lines = save->text().split('\n');
    ASSERT_GE(lines.size(), 2);
    EXPECT_EQ(plainCaption(lines.join(' ')), "Save Score & Roll Again");
    const QFontMetrics metrics(save->font());
    for (const QString& line : lines)
        EXPECT_LT(metrics.horizontalAdvance(plainCaption(line)), save->width() - 8)
            << qPrintable(line);
    EXPECT_LT(lines.size() * metrics.lineSpacing(), save->height() - 4);
    // A caption that fits stays on one line.
    EXPECT_EQ(qobject_cast<QPushButton*>(widget("CB_Roll"))->text(), "Roll");
}

TEST_F(BoardTest, boldTotalAndLabelsThatNeverTakeFocus) {
    board.model().setBold("Total", true);
    EXPECT_TRUE(widget("Total")->font().bold());
    board.model().setBold("Total", false);
    EXPECT_FALSE(widget("Total")->font().bold());
    EXPECT_EQ(widget("Label2")->focusPolicy(), Qt::NoFocus);
    // A caption label shows its whole text, even where the substitute face runs wider.
    auto* subtotal = qobject_cast<QLabel*>(widget("Label8"));
    EXPECT_GE(subtotal->width(), subtotal->fontMetrics().horizontalAdvance(subtotal->text()));
    EXPECT_EQ(subtotal->geometry().right(), 272);  // still ends where the layout has it
}

TEST_F(BoardTest, fontsUseTheSubstitutesAtPixelSizes) {
    EXPECT_EQ(widget("CB_Roll")->font().pixelSize(), 13);
    EXPECT_EQ(widget("CB_Exit")->font().pixelSize(), 11);
    EXPECT_EQ(QFontInfo(widget("CB_Exit")->font()).family(), "Liberation Sans");
    EXPECT_TRUE(widget("CB_Start")->font().bold());
    EXPECT_TRUE(widget("Label19")->font().underline());
}

class DialogTest : public ::testing::Test {
  protected:
    void open(bool withCancel) {
        form =
            std::make_unique<RecordingForm>(qttest::testDialogLayout("Probe", withCancel), toolkit);
        toolkit.showModeless(*form);
        settle();
        form->log.clear();
    }
    void TearDown() override {
        if (form) toolkit.close(*form);
        settle();
    }
    QWidget* widget(const char* name) { return toolkit.widgetOf(*form, name); }

    QtToolkit toolkit;
    std::unique_ptr<RecordingForm> form;
};

TEST_F(DialogTest, dialogIsFixedSizeWithoutMinMaxAndHasTheIcon) {
    open(false);
    QWidget* window = toolkit.windowOf(*form);
    EXPECT_EQ(window->size(), QSize(240, 160));
    EXPECT_EQ(window->minimumSize(), window->maximumSize());
    EXPECT_FALSE(window->windowFlags() & Qt::WindowMinMaxButtonsHint);
    EXPECT_FALSE(window->windowIcon().isNull());
    EXPECT_EQ(widget("Hidden"), nullptr);
}

TEST_F(DialogTest, escapeDoesNothingWithoutACancelButton) {
    open(false);
    pressKey(widget("txtName"), Qt::Key_Escape);
    pressKey(toolkit.windowOf(*form), Qt::Key_Escape);
    settle();
    EXPECT_TRUE(toolkit.isOpen(*form));
    EXPECT_TRUE(toolkit.windowOf(*form)->isVisible());
    EXPECT_EQ(form->count("unload"), 0);
}

TEST_F(DialogTest, escapePressesTheCancelButton) {
    open(true);
    pressKey(widget("txtName"), Qt::Key_Escape);
    EXPECT_EQ(form->count("click:cmdCancel"), 1);
    EXPECT_EQ(form->count("click:cmdOK"), 0);
    EXPECT_TRUE(toolkit.isOpen(*form));  // the handler decides what the button does
}

TEST_F(DialogTest, enterPressesTheDefaultButtonFromATextBox) {
    open(true);
    pressKey(widget("txtName"), Qt::Key_Return, "\r");
    EXPECT_EQ(form->count("click:cmdOK"), 1);
    EXPECT_EQ(form->count("click:cmdCancel"), 0);
}

TEST_F(DialogTest, typedTextReachesModelAndChangeHandlerWithoutEcho) {
    open(false);
    auto* box = qobject_cast<QLineEdit*>(widget("txtName"));
    box->selectAll();
    pressKey(box, Qt::Key_A, "a");
    EXPECT_EQ(form->model().text("txtName"), "a");
    EXPECT_EQ(form->log, QStringList({"key:txtName:97", "change:txtName:a"}));
    form->log.clear();
    form->model().setText("txtName", "XYZ");  // a handler's write: shown, not reported back
    EXPECT_EQ(box->text(), "XYZ");
    EXPECT_TRUE(form->log.isEmpty());
    EXPECT_EQ(box->maxLength(), 3);
    // Text set by a screen reader (through the field's editable-text interface) or an input
    // method is a change like any other.
    QAccessible::queryAccessibleInterface(box)->setText(QAccessible::Value, "kv");
    EXPECT_EQ(form->model().text("txtName"), "kv");
    EXPECT_EQ(form->log, QStringList({"change:txtName:kv"}));
}

TEST_F(DialogTest, modelStateIsMirroredOnTheWidgets) {
    open(false);
    FormModel& model = form->model();
    model.setVisible("cmdOK", false);
    EXPECT_TRUE(widget("cmdOK")->isHidden());
    model.setVisible("cmdOK", true);
    EXPECT_FALSE(widget("cmdOK")->isHidden());
    model.setEnabled("Score1", false);
    EXPECT_FALSE(widget("Score1")->isEnabled());
    model.setBorder("Die5_2", 1);
    EXPECT_EQ(static_cast<PictureWidget*>(widget("Die5_2"))->border(), 1);
    model.setText("Label1", "Twos:");
    EXPECT_EQ(qobject_cast<QLabel*>(widget("Label1"))->text(), "Twos:");
    EXPECT_EQ(accessibleName(widget("Score1")), "Twos: open");
    model.setText("cmdOK", "&Done");
    EXPECT_EQ(qobject_cast<QPushButton*>(widget("cmdOK"))->text(), "&Done");
    EXPECT_EQ(accessibleName(widget("cmdOK")), "Done");
    model.setText("txtName", "abc");
    model.setFocus("txtName");
    model.selectAll("txtName");
    EXPECT_EQ(toolkit.windowOf(*form)->focusWidget(), widget("txtName"));
    EXPECT_EQ(qobject_cast<QLineEdit*>(widget("txtName"))->selectedText(), "abc");
}

TEST_F(DialogTest, disabledOrHiddenElementsTakeNoClick) {
    open(false);
    form->model().setEnabled("Die5_2", false);
    clickWidget(widget("Die5_2"));
    form->model().setEnabled("cmdOK", false);
    clickWidget(widget("cmdOK"));
    EXPECT_TRUE(form->log.isEmpty());
    form->model().setEnabled("Die5_2", true);
    clickWidget(widget("Die5_2"));
    clickWidget(widget("Label1"));
    clickWidget(widget("Score1"));
    EXPECT_EQ(form->log, QStringList({"click:Die5_2", "click:Label1", "click:Score1"}));
}

TEST_F(DialogTest, tabOrderFollowsTheLayoutsTabPlaces) {
    open(true);
    QWidget* w = widget("txtName");
    QStringList order{w->objectName()};
    for (int i = 0; i < 4; ++i) {
        w = w->nextInFocusChain();
        while (w->focusPolicy() == Qt::NoFocus) w = w->nextInFocusChain();
        order << w->objectName();
    }
    EXPECT_EQ(order, QStringList({"txtName", "Score1", "Die5_2", "cmdOK", "cmdCancel"}));
    EXPECT_EQ(toolkit.windowOf(*form)->focusWidget(), widget("txtName"));  // lowest tab first
}

}  // namespace
}  // namespace korvex
