// SPDX-License-Identifier: GPL-3.0-or-later
// A whole game without a mouse: Tab walks the stored focus order, then every die and the links,
// the arrow keys walk the dice and the card, Space and Enter press, select, hold and follow
// exactly as clicks do.

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <QTest>

#include "about/frm_about.h"
#include "about/frm_how_to_play.h"
#include "app/running_game.h"
#include "board/form1.h"
#include "board/form1_layout.h"
#include "core/rules.h"
#include "hiscores/mod_hi_scores.h"
#include "qt_test_support.h"
#include "record/game_history.h"
#include "record/sqlite/game_database.h"
#include "support/memory_store.h"
#include "ui/qt/qt_toolkit.h"

namespace korvex {
namespace {

using qttest::pressKey;
using qttest::settle;

class KeyboardPlay : public ::testing::Test {
  protected:
    void SetUp() override {
        // A table this game cannot enter, so the end of the game opens no window.
        for (int i = 0; i < 10; ++i) store.write("HiScores", QString::number(i), "AAA9999");
        toolkit.showModeless(board);
        window()->activateWindow();
        settle();
    }
    void TearDown() override {
        toolkit.close(board);
        settle();
    }
    QWidget* window() { return toolkit.windowOf(board); }
    QWidget* focused() { return window()->focusWidget(); }
    QString focusedName() {
        for (const ElementSpec& e : board.layout().elements)
            if (toolkit.widgetOf(board, e.name) == focused()) return e.name;
        return QString();
    }

    // Presses Tab until `name` has the focus; fails when the focus order never reaches it.
    bool tabTo(const QString& name) {
        for (int i = 0; i < 120; ++i) {
            if (focusedName() == name) return true;
            pressKey(focused() ? focused() : window(), Qt::Key_Tab);
        }
        return false;
    }

    QtToolkit toolkit;
    ClockSeededRandom random;
    MemoryStore store;
    RunningGame game{toolkit, random, store};
    Form1& board = game.board();
};

// New Game comes first in the focus order but lies under START: the first key goes to START.
TEST_F(KeyboardPlay, boardOpensWithTheFocusOnStart) {
    EXPECT_EQ(focusedName(), "CB_Start");
    pressKey(focused(), Qt::Key_Space, " ");
    EXPECT_EQ(board.model().text("RollCount"), "1");
}

// F1 and the links' keys reach them from anywhere on the board.
TEST_F(KeyboardPlay, helpAndTheCoachHaveTheirKeys) {
    QTest::keyClick(focused(), Qt::Key_F1);
    ASSERT_NE(board.howToPlay(), nullptr);
    EXPECT_TRUE(toolkit.isOpen(*board.howToPlay()));
    QTest::keyClick(toolkit.windowOf(*board.howToPlay())->focusWidget(), Qt::Key_Escape);
    EXPECT_FALSE(toolkit.isOpen(*board.howToPlay()));
    window()->activateWindow();
    settle();
    QTest::keyClick(focused(), Qt::Key_H, Qt::ControlModifier);
    EXPECT_TRUE(board.model().visible("lblCoachTitle"));
    QTest::keyClick(focused(), Qt::Key_H);  // without Ctrl it is an ordinary key
    EXPECT_TRUE(board.model().visible("lblCoachTitle"));
}

// Ctrl+N is New Game wherever the focus is, also on a score box, which takes keys of its own.
TEST_F(KeyboardPlay, ctrlNStartsANewGameFromAnywhereOnTheBoard) {
    QTest::keyClick(focused(), Qt::Key_N, Qt::ControlModifier);  // START covers New Game
    EXPECT_TRUE(board.model().visible("CB_Start"));
    EXPECT_EQ(focusedName(), "CB_Start") << "New Game leaves the focus where it is";
    pressKey(focused(), Qt::Key_Space, " ");
    ASSERT_EQ(focusedName(), "CB_Roll");
    QTest::keyClick(focused(), Qt::Key_N, Qt::ControlModifier);
    EXPECT_TRUE(board.model().visible("CB_Start")) << "Roll kept the key to itself";
    ASSERT_TRUE(tabTo("CB_Start"));
    pressKey(focused(), Qt::Key_Space, " ");
    ASSERT_TRUE(tabTo("Score1"));
    pressKey(focused(), Qt::Key_Return, "\r");
    ASSERT_FALSE(board.model().text("Score1").isEmpty());
    QTest::keyClick(focused(), Qt::Key_N, Qt::ControlModifier);
    EXPECT_TRUE(board.model().visible("CB_Start"));
    EXPECT_EQ(board.model().text("Score1"), "");
    EXPECT_EQ(board.model().text("RollCount"), "0");
    EXPECT_FALSE(board.model().enabled("CB_Roll"));
}

TEST_F(KeyboardPlay, ctrlQExitsAndNeitherKeyActsOnAButtonThatIsOff) {
    board.model().setEnabled("CB_Exit", false);
    board.model().setVisible("CB_New", false);
    QTest::keyClick(focused(), Qt::Key_Q, Qt::ControlModifier);
    ASSERT_TRUE(toolkit.isOpen(board));
    pressKey(focused(), Qt::Key_Space, " ");
    QTest::keyClick(focused(), Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(board.model().text("RollCount"), "1");
    board.model().setEnabled("CB_Exit", true);
    QTest::keyClick(focused(), Qt::Key_Q, Qt::ControlModifier);
    EXPECT_FALSE(toolkit.isOpen(board));
}

TEST_F(KeyboardPlay, tabReachesEveryDieAndScoreBoxAfterTheStoredOrder) {
    ASSERT_TRUE(tabTo("CB_Start"));
    pressKey(focused(), Qt::Key_Space, " ");
    ASSERT_FALSE(board.model().visible("CB_Start"));
    // One full round of Tab from Roll: the stored order first, then the five shown dice.
    QStringList order;
    ASSERT_TRUE(tabTo("CB_Roll"));
    do {
        order << focusedName();
        pressKey(focused(), Qt::Key_Tab);
    } while (focusedName() != "CB_Roll" && order.size() < 100);
    QStringList expected = {"CB_Roll", "CB_Exit", "CB_ViewScores"};
    for (const Category& c : categories())
        if (c.upper) expected << categoryFields(c.id).scoreBox;
    expected << "Subtotal"
             << "Bonus";
    for (const Category& c : categories())
        if (!c.upper) expected << categoryFields(c.id).scoreBox;
    expected << "Total";
    for (int p = 1; p <= 5; ++p) expected << dieName(board.model().text(faceField(p)).toInt(), p);
    expected << "lblPractice"
             << "lblStatistics"
             << "lblHint"
             << "Label20"
             << "Label19"
             << "CB_New";
    EXPECT_EQ(order, expected);
}

TEST_F(KeyboardPlay, wholeGameWithTheKeyboardAlone) {
    QTemporaryDir dir;
    GameHistory history(dir.filePath("games.sqlite"), openGameDatabase);
    board.setHistory(&history);
    int reviews = 0;
    board.setRecordLinks({{}, [&](const GameRecord&) { ++reviews; }});
    ASSERT_TRUE(tabTo("CB_Start"));
    pressKey(focused(), Qt::Key_Return, "\r");
    for (int turn = 0; turn < kCategoryCount; ++turn) {
        // Hold the third die and roll once more, then score the next open category.
        const QString die = dieName(board.model().text("Temp3").toInt(), 3);
        ASSERT_TRUE(tabTo(die)) << turn;
        pressKey(focused(), Qt::Key_Space, " ");
        ASSERT_EQ(board.model().text("Save3"), "yes");
        const QString held = board.model().text("Temp3");
        ASSERT_TRUE(tabTo("CB_Roll")) << turn;
        pressKey(focused(), Qt::Key_Space, " ");
        ASSERT_EQ(board.model().text("Temp3"), held);
        const Category& c = categories()[std::size_t(turn)];
        ASSERT_TRUE(tabTo(categoryFields(c.id).scoreBox)) << turn;
        pressKey(focused(), Qt::Key_Return, "\r");
        ASSERT_FALSE(board.model().text(categoryFields(c.id).scoreBox).isEmpty());
        ASSERT_EQ(focusedName(), "CB_Save");  // the selection hands the focus to Save
        pressKey(focused(), Qt::Key_Space, " ");
        ASSERT_EQ(board.model().text(categoryFields(c.id).usedFlag), "yes");
    }
    EXPECT_EQ(board.model().text("GameCount"), "13");
    EXPECT_TRUE(board.model().bold("Total"));
    EXPECT_EQ(focusedName(), "CB_New");
    QTest::keyClick(focused(), Qt::Key_R, Qt::ControlModifier);
    EXPECT_EQ(reviews, 1) << "Ctrl+R reviews the game just over";
    board.setHistory(nullptr);  // the record goes before the board
}

// The arrow keys reach the board's handlers from every kind of element: up to the dice, along
// them, down to Roll and to the card, End to its last open box; Space and Enter as ever.
TEST_F(KeyboardPlay, arrowKeysWalkTheDiceTheButtonsAndTheCard) {
    pressKey(focused(), Qt::Key_Space, " ");
    const auto die = [&](int p) { return dieName(board.model().text(faceField(p)).toInt(), p); };
    const struct {
        int key;
        const char* text;
        QString focus;
    } steps[] = {{Qt::Key_Up, "", die(2)},          {Qt::Key_Right, "", die(3)},
                 {Qt::Key_Space, " ", die(3)},      {Qt::Key_Down, "", "CB_Roll"},
                 {Qt::Key_Down, "", "Score1"},      {Qt::Key_End, "", "ScoreChance"},
                 {Qt::Key_Left, "", "Subtotal"},    {Qt::Key_Home, "", "Score1"},
                 {Qt::Key_Return, "\r", "CB_Save"}, {Qt::Key_Left, "", "CB_Roll"}};
    for (const auto& step : steps) {
        pressKey(focused(), step.key, step.text);
        EXPECT_EQ(focusedName(), step.focus) << step.key;
    }
    EXPECT_EQ(board.model().text("Save3"), "yes");
}

// A link takes the focus from Tab and Space or Enter follows it, as a click does.
TEST_F(KeyboardPlay, linksFollowSpaceAndEnter) {
    ASSERT_TRUE(tabTo("lblHint"));
    pressKey(focused(), Qt::Key_Space, " ");
    EXPECT_TRUE(board.model().visible("lblCoachTitle"));
    pressKey(focused(), Qt::Key_Return, "\r");
    EXPECT_FALSE(board.model().visible("lblCoachTitle"));
    ASSERT_TRUE(tabTo("Label19"));
    pressKey(focused(), Qt::Key_Enter, "\r");
    ASSERT_NE(board.about(), nullptr);
    EXPECT_TRUE(toolkit.isOpen(*board.about()));
    toolkit.close(*board.about());
}

}  // namespace
}  // namespace korvex
