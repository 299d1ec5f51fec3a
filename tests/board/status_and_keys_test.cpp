// SPDX-License-Identifier: GPL-3.0-or-later
// What the board says on its status line after each move, the forced roll's lasting note, a
// candidate marked as tentative, and the keys that walk the dice, the buttons and the card.

#include "about/frm_how_to_play.h"
#include "board/form1_layout.h"
#include "support/board_fixture.h"

namespace korvex::test {
namespace {

using C = CategoryId;

class Status : public BoardTest {
  protected:
    QString status() const { return text("lblStatus"); }
    // Scores the open categories in card order on dice that score nothing special.
    void finishGame() {
        for (const Category& c : categories())
            if (!board.game().card().used(c.id)) score(c.id, {1, 2, 2, 4, 6});
    }
};

TEST_F(Status, eachMoveIsSaidAsItHappens) {
    EXPECT_EQ(status(), "Press START for the first roll. F1 explains the game.");
    start({3, 3, 5, 6, 1});
    EXPECT_EQ(status(), "Roll 1 of 3: 3 3 5 6 1.");
    click("Score3");
    EXPECT_EQ(status(), "Threes: 6 if scored now.");
    EXPECT_TRUE(board.model().tentative("Score3"));
    score(C::Threes, {6, 6, 6, 6, 6});
    EXPECT_FALSE(board.model().tentative("Score3"));
    EXPECT_EQ(status(), "Threes: 6 points. Total: 6. Roll 1 of 3: 6 6 6 6 6.");
    score(C::Korvex, {6, 6, 6, 6, 6});
    score(C::Sixes, {5, 5, 5, 5, 5});
    EXPECT_EQ(status(), "Sixes: 30 points and 100 extra. Total: 186. Roll 1 of 3: 5 5 5 5 5.");
    score(C::Fives, {4, 4, 4, 4, 2});
    score(C::Fours, {1, 2, 2, 4, 6});
    EXPECT_EQ(status(),
              "Fours: 16 points. Upper bonus: 35 points. Total: 362. "
              "Roll 1 of 3: 1 2 2 4 6.");
    roll({3, 3, 3, 3, 3});
    EXPECT_EQ(status(), "Roll 2 of 3: 3 3 3 3 3.");
}

// The end of a game says the total and what became of it: a place in the table, none, or none
// because a forced roll was asked for.
TEST_F(Status, theEndOfAGameSaysWhetherItEnteredTheTable) {
    struct Case {
        const char* setup;
        const char* ending;
    } const cases[] = {
        {"empty", "It enters the high-score table at place 1."},
        {"full", "It is not among the ten best."},
        {"forced", "After a forced roll no game of this run enters the table."},
    };
    for (const Case& c : cases) {
        if (QString(c.setup) == "full")
            for (int i = 0; i < 10; ++i) store.write("HiScores", QString::number(i), "AAA9999");
        click("CB_New");
        start({1, 2, 2, 4, 6});
        if (QString(c.setup) == "forced") key(u'2');
        finishGame();
        EXPECT_TRUE(status().startsWith("Chance: 15 points. Game over: ")) << qPrintable(status());
        EXPECT_TRUE(status().endsWith(c.ending)) << qPrintable(status());
    }
}

TEST_F(Status, aForcedRollIsSaidAndItsCostStaysInView) {
    EXPECT_FALSE(visible("lblForced"));
    start({1, 2, 3, 4, 5});
    key(u'6');
    EXPECT_EQ(status(),
              "The next roll is forced: all five dice show 6. From now on no game of "
              "this run enters the high-score table.");
    key(u's');
    EXPECT_TRUE(status().startsWith("The next roll is forced: the straight 1 2 3 4 5."));
    key(u'x');  // no forced-roll key: nothing said
    EXPECT_TRUE(status().startsWith("The next roll is forced: the straight"));
    click("CB_New");
    EXPECT_TRUE(visible("lblForced"));
    EXPECT_EQ(text("lblForced"), "From now on no game of this run enters the high-score table.");
}

// The arrow keys, Home and End, as the board hands the focus on; the game is on its second turn
// with Ones and Chance recorded, and Save still off.
TEST_F(Status, navigationKeysWalkTheDiceTheButtonsAndTheCard) {
    using K = NavigationKey;
    start({1, 2, 3, 4, 5});
    score(C::Ones, {5, 5, 5, 2, 6});
    score(C::Chance, {4, 3, 2, 6, 6});
    struct Case {
        QString from;
        K key;
        QString to;
    } const cases[] = {
        {"Die3_2", K::Left, "Die4_1"},        {"Die4_1", K::Left, "Die4_1"},
        {"Die3_2", K::Right, "Die2_3"},       {"Die6_5", K::Right, "Die6_5"},
        {"Die2_3", K::Home, "Die4_1"},        {"Die2_3", K::End, "Die6_5"},
        {"Die3_2", K::Down, "CB_Roll"},       {"Die6_4", K::Down, "CB_Roll"},
        {"CB_Roll", K::Up, "Die3_2"},         {"CB_Save", K::Up, "Die6_4"},
        {"CB_Roll", K::Down, "Score1"},       {"CB_Roll", K::Right, "CB_Roll"},
        {"Score1", K::Down, "Score2"},        {"Score6", K::Down, "Subtotal"},
        {"Bonus", K::Down, "Bonus"},          {"Score1", K::Up, "CB_Roll"},
        {"ScoreThreeKind", K::Up, "CB_Roll"}, {"Score3", K::Right, "ScoreFullHouse"},
        {"Bonus", K::Right, "Total"},         {"Total", K::Left, "Bonus"},
        {"ScoreChance", K::Down, "Total"},    {"Score4", K::Home, "Score2"},
        {"Total", K::End, "ScoreKorvex"},     {"Score2", K::Left, "Score2"},
    };
    for (const Case& c : cases) {
        board.model().setFocus(c.from);
        EXPECT_TRUE(board.navigate(c.from, c.key));
        EXPECT_EQ(board.model().focus(), c.to) << qPrintable(c.from) << " key " << int(c.key);
    }
    EXPECT_FALSE(board.navigate("CB_Exit", K::Up)) << "other buttons keep their own keys";
    click("Score5");
    board.navigate("CB_Roll", K::Right);
    EXPECT_EQ(board.model().focus(), "CB_Save") << "Save takes the focus once it is on";
}

TEST_F(Status, f1OpensOneHowToPlayWindowThatOkCloses) {
    board.command("HowToPlay");
    board.command("HowToPlay");
    ASSERT_NE(board.howToPlay(), nullptr);
    EXPECT_TRUE(toolkit.isOpen(*board.howToPlay()));
    EXPECT_EQ(toolkit.shown().count("frmHowToPlay"), 2);
    board.howToPlay()->click("cmdOK");
    EXPECT_FALSE(toolkit.isOpen(*board.howToPlay()));
    // The examples are scored by the rules themselves.
    const std::vector<CategoryExample> examples = categoryExamples();
    ASSERT_EQ(examples.size(), 8u);
    EXPECT_EQ(examples[0].text,
              "the dice showing that face, added up: 3 3 3 5 6 scores 9 in Threes");
    EXPECT_EQ(examples[3].text, "25 points for three of one face and two of another: 2 2 5 5 5");
    EXPECT_EQ(examples[7].text, "all five dice added up, whatever they show: 1 3 4 5 6 scores 19");
}

}  // namespace
}  // namespace korvex::test
