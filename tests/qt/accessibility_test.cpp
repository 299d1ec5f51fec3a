// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader gets from the windows through Qt's accessibility interfaces: the role,
// states, actions and name of each kind of element, a tree that holds only what shows, and the
// press actions that play as clicks do. (Qt hands its events only to a screen reader that is
// there: the AT-SPI test hears them.)

#include <gtest/gtest.h>

#include <QAccessible>
#include <QRegularExpression>
#include <QTimer>

#include "app/running_game.h"
#include "board/form1.h"
#include "board/form1_layout.h"
#include "hiscores/frm_get_name.h"
#include "hiscores/frm_hi_scores.h"
#include "qt_test_support.h"
#include "support/memory_store.h"
#include "support/scripted_random.h"
#include "ui/qt/qt_toolkit.h"

namespace korvex {
namespace {

using qttest::settle;

class Accessibility : public ::testing::Test {
  protected:
    void SetUp() override {
        for (int i = 0; i < 10; ++i) store.write("HiScores", QString::number(i), "AAA9999");
        toolkit.showModeless(board);
        settle();
    }
    void TearDown() override {
        toolkit.close(board);
        settle();
    }
    QAccessibleInterface* face(const QString& element) {
        return QAccessible::queryAccessibleInterface(toolkit.widgetOf(board, element));
    }
    QAccessibleInterface* windowFace() {
        return QAccessible::queryAccessibleInterface(toolkit.windowOf(board));
    }
    QStringList childNames() {
        QStringList names;
        QAccessibleInterface* window = windowFace();
        for (int i = 0; i < window->childCount(); ++i)
            names << window->child(i)->object()->objectName();
        return names;
    }
    QString shownDie(int p) { return dieName(board.model().text(faceField(p)).toInt(), p); }

    QtToolkit toolkit;
    test::ScriptedRandom random;
    MemoryStore store;
    RunningGame game{toolkit, random, store};
    Form1& board = game.board();
};

TEST_F(Accessibility, everyKindOfElementHasItsRoleStatesActionsAndName) {
    random.queue({4, 2, 6, 6, 1});
    board.click("CB_Start");
    board.click(shownDie(1));
    board.click("ScoreChance");
    struct Case {
        QString element;
        QAccessible::Role role;
        QString name;
        bool checked, readOnly, press;
    } const cases[] = {
        {shownDie(1), QAccessible::Button, "Die 1: 4", true, false, true},
        {shownDie(2), QAccessible::Button, "Die 2: 2", false, false, true},
        {"ScoreChance", QAccessible::EditableText, "Chance: 19 if scored now", false, true, true},
        {"Score1", QAccessible::EditableText, "Ones: open", false, true, true},
        {"Total", QAccessible::EditableText, "Total: 0", false, true, false},
        {"lblHint", QAccessible::Link, "Hint", false, false, true},
        {"Label20", QAccessible::Link, "Help/", false, false, true},
        {"lblStatus", QAccessible::StatusBar, "Chance: 19 if scored now.", false, false, false},
        {"CB_Save", QAccessible::Button, "Save Score & Roll Again", false, false, true},
        {"OneRoll", QAccessible::Graphic, "Roll 1", false, false, false},
    };
    for (const Case& c : cases) {
        QAccessibleInterface* f = face(c.element);
        ASSERT_NE(f, nullptr) << qPrintable(c.element);
        EXPECT_EQ(f->role(), c.role) << qPrintable(c.element);
        EXPECT_EQ(f->text(QAccessible::Name), c.name) << qPrintable(c.element);
        const QAccessible::State state = f->state();
        EXPECT_EQ(bool(state.checked), c.checked) << qPrintable(c.element);
        EXPECT_EQ(bool(state.readOnly), c.readOnly) << qPrintable(c.element);
        EXPECT_FALSE(state.editable) << qPrintable(c.element);
        const QStringList actions =
            f->actionInterface() ? f->actionInterface()->actionNames() : QStringList();
        EXPECT_EQ(actions.contains(QAccessibleActionInterface::pressAction()), c.press)
            << qPrintable(c.element);
    }
    EXPECT_TRUE(face(shownDie(1))->state().checkable);
    EXPECT_EQ(windowFace()->role(), QAccessible::Window);
}

// Dialogs are dialogs, and the initials field is named by its prompt.
TEST_F(Accessibility, dialogsAndTheInitialsField) {
    FrmGetName initials(toolkit);
    QAccessible::Role role = QAccessible::NoRole;
    QString name;
    QTimer::singleShot(0, [&] {
        role = QAccessible::queryAccessibleInterface(toolkit.windowOf(initials))->role();
        QAccessibleInterface* field =
            QAccessible::queryAccessibleInterface(toolkit.widgetOf(initials, "txtName"));
        name = field->text(QAccessible::Name);
        EXPECT_TRUE(field->state().editable);
        toolkit.close(initials);
    });
    initials.askInitials(&board, 250);
    EXPECT_EQ(role, QAccessible::Dialog);
    EXPECT_EQ(name, "Enter your initials");
}

// Only what the player can see is in the tree: the five faces showing, not the twenty-five
// hidden ones, no rule, no New Game under START, no coach's mark apart from its die.
TEST_F(Accessibility, theTreeHoldsOnlyWhatShows) {
    QStringList names = childNames();
    EXPECT_EQ(names.filter(QRegularExpression("^Die")).size(), 5);
    EXPECT_FALSE(names.contains("CB_New"));
    EXPECT_TRUE(names.contains("CB_Start"));
    EXPECT_EQ(names.filter(QRegularExpression("^Line")).size(), 0);
    random.queue({3, 3, 3, 5, 6});
    board.click("CB_Start");
    board.click("lblHint");
    board.model().setText(keepMark(2), "keep");
    board.model().setVisible(keepMark(2), true);
    names = childNames();
    EXPECT_EQ(names.filter(QRegularExpression("^Die")).size(), 5);
    EXPECT_TRUE(names.contains("CB_New"));
    EXPECT_FALSE(names.contains("CB_Start"));
    EXPECT_FALSE(names.contains(keepMark(2)));
    EXPECT_EQ(face(shownDie(2))->text(QAccessible::Description), "keep");
    for (int i = 0; i < windowFace()->childCount(); ++i)
        EXPECT_EQ(windowFace()->indexOfChild(windowFace()->child(i)), i);
}

// A screen reader presses what a click presses.
TEST_F(Accessibility, pressActionsDoWhatClicksDo) {
    random.queue({5, 5, 2, 3, 1});
    board.click("CB_Start");
    for (const QString& element :
         {shownDie(1), QStringLiteral("Score5"), QStringLiteral("lblHint")})
        face(element)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_TRUE(face(shownDie(1))->state().checked);
    EXPECT_EQ(face("Score5")->text(QAccessible::Name), "Fives: 10 if scored now");
    EXPECT_TRUE(board.coach().isOn());
}

}  // namespace
}  // namespace korvex
