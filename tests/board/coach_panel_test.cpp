// SPDX-License-Identifier: GPL-3.0-or-later
// The coach on the board: switched by the Hint link, it reads the board, advises, marks the
// dice worth keeping and counts the points each choice gave up, without touching the game.

#include <QCoreApplication>
#include <QElapsedTimer>

#include "board/form1_layout.h"
#include "support/board_fixture.h"

namespace korvex::test {
namespace {

class Coach : public BoardTest {
  protected:
    static void SetUpTestSuite() {
        static int argc = 1;
        static char name[] = "korvex_board_tests";
        static char* argv[] = {name, nullptr};
        if (!QCoreApplication::instance()) new QCoreApplication(argc, argv);
    }

    // The table is built on a worker thread; its "ready" arrives through the event loop.
    void waitForTable() {
        QElapsedTimer clock;
        clock.start();
        while (text("lblCoachAdvice").startsWith("Working") && clock.elapsed() < 120000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        ASSERT_FALSE(text("lblCoachAdvice").startsWith("Working"));
    }

    bool marked(int position) const { return visible(keepMark(position)); }
};

TEST_F(Coach, hintSwitchesThePanelWhichWaitsForStart) {
    for (const char* name : kCoachPanel) EXPECT_FALSE(visible(name));
    click("lblHint");
    for (const char* name : kCoachPanel) EXPECT_TRUE(visible(name));
    EXPECT_EQ(text("lblCoachAdvice"), "Advice begins with the first roll.");
    click("lblHint");
    for (const char* name : kCoachPanel) EXPECT_FALSE(visible(name));
    EXPECT_EQ(text("Cheat"), "x");  // the coach's use leaves the high-score rules alone
}

TEST_F(Coach, advisesMarksDiceAndCountsWhatChoicesGaveUp) {
    start({6, 6, 6, 6, 6});
    click("lblHint");
    EXPECT_EQ(text("lblCoachAdvice"), "Working out the best play…");
    EXPECT_EQ(text("lblStatus"), "Coach on. Coach: Working out the best play…");
    ASSERT_NO_FATAL_FAILURE(waitForTable());
    EXPECT_EQ(text("lblCoachAdvice"), "Score Korvex for 50");
    // Advice that arrives by itself is said too, and so is each change of it after a move.
    EXPECT_EQ(text("lblStatus"), "Coach: Score Korvex for 50.");
    EXPECT_TRUE(text("lblCoachExpected").startsWith("Expected final total with best play: "));
    for (int p = 1; p <= 5; ++p) EXPECT_FALSE(marked(p));
    EXPECT_EQ(text("lblCoachLast"), "");

    // Five sixes in Chance instead: a clear loss, shown after the commit with the game's sum.
    score(CategoryId::Chance, {4, 4, 1, 4, 2});
    EXPECT_EQ(text("lblStatus"), "Chance: 30 points. Total: 30. Roll 1 of 3: 4 4 1 4 2. Coach: " +
                                     text("lblCoachAdvice") + ".");
    EXPECT_TRUE(text("lblCoachLast").startsWith("Your last choice gave up "));
    const double lost = text("lblCoachLast").section(' ', 5, 5).toDouble();
    EXPECT_GT(lost, 5.0);
    EXPECT_EQ(text("lblCoachGame"), QString("Given up this game: %1 points.").arg(lost, 0, 'f', 1));

    // Three fours with two rolls to come: keep them and roll the rest.
    EXPECT_EQ(text("lblCoachAdvice"), "Hold 4 4 4 and roll");
    EXPECT_TRUE(marked(1) && marked(2) && marked(4));
    EXPECT_FALSE(marked(3) || marked(5));
    // The marks are advice only: nothing is held.
    EXPECT_EQ(text("Save1"), "no");
    EXPECT_EQ(text(keepMark(1)), "keep");
    // A die held against the advice is named, and marked, to be let go.
    hold(3);
    EXPECT_EQ(text("lblCoachAdvice"), "Hold 4 4 4 and roll (release the 1)");
    EXPECT_TRUE(marked(3));
    EXPECT_EQ(text(keepMark(3)), "release");
    hold(3);

    // The advised choice gives up nothing.
    hold(1);
    hold(2);
    hold(4);
    EXPECT_EQ(text("lblCoachAdvice"), "Roll: you already hold 4 4 4");
    EXPECT_FALSE(marked(3));
    roll({4, 4});
    ASSERT_EQ(dice(), (std::array<QString, 5>{"4", "4", "4", "4", "4"}));
    EXPECT_EQ(text("lblCoachAdvice"), "Score Korvex for 50");
    score(CategoryId::Korvex, {1, 2, 3, 4, 5});
    EXPECT_EQ(text("lblCoachLast"), "Your last choice gave up 0.0 points.");
    EXPECT_EQ(text("lblCoachGame"), QString("Given up this game: %1 points.").arg(lost, 0, 'f', 1));

    // No advice on a forced roll; New Game starts the count again.
    key(u'3');
    click("CB_Roll");
    EXPECT_EQ(text("lblCoachAdvice"), "No advice on a forced roll.");
    for (int p = 1; p <= 5; ++p) EXPECT_FALSE(marked(p));
    click("CB_New");
    EXPECT_EQ(text("lblCoachLast"), "");
    EXPECT_EQ(text("lblCoachAdvice"), "Advice begins with the first roll.");
}

}  // namespace
}  // namespace korvex::test
