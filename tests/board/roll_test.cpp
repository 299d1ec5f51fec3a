// SPDX-License-Identifier: GPL-3.0-or-later
// Rolling and holding: the three rolls of a turn, holds through ordinary rolls, and the forced
// rolls armed by keys typed on the Roll button.

#include "board/form1_layout.h"
#include "support/board_fixture.h"

namespace korvex::test {
namespace {

using Roll = BoardTest;
using Faces = std::array<QString, 5>;

TEST_F(Roll, rollBeforeStartChangesNothing) {
    click("CB_Roll");
    EXPECT_EQ(text("RollCount"), "0");
    EXPECT_EQ(random.draws(), 0);
    EXPECT_EQ(random.reseeds(), 0);
    EXPECT_FALSE(visible("OneRoll"));
}

TEST_F(Roll, thirdRollHandsTheTurnToSave) {
    start({1, 1, 1, 1, 1});
    roll({2, 2, 2, 2, 2});
    EXPECT_EQ(text("RollCount"), "2");
    EXPECT_TRUE(visible("OneRoll"));
    EXPECT_TRUE(visible("TwoRoll"));
    roll({3, 3, 3, 3, 3});
    EXPECT_EQ(text("RollCount"), "0");
    EXPECT_TRUE(visible("OneRoll") && visible("TwoRoll") && visible("ThreeRoll"));
    EXPECT_FALSE(enabled("CB_Roll"));
    EXPECT_TRUE(enabled("CB_Save"));
    EXPECT_EQ(board.model().focus(), "CB_Save");
    EXPECT_EQ(dice(), (Faces{"3", "3", "3", "3", "3"}));
}

TEST_F(Roll, heldDiceKeepFaceAndFrameThroughOrdinaryRolls) {
    start({6, 2, 5, 3, 4});
    hold(1);
    hold(3);
    roll({1, 1, 1});
    EXPECT_EQ(dice(), (Faces{"6", "1", "5", "1", "1"}));
    EXPECT_EQ(board.model().border("Die6_1"), 1);
    EXPECT_EQ(board.model().border("Die5_3"), 1);
    roll({2, 2, 2});
    EXPECT_EQ(dice(), (Faces{"6", "2", "5", "2", "2"}));
    EXPECT_EQ(text("Save1"), "yes");
    EXPECT_EQ(text("Save2"), "no");
    EXPECT_EQ(random.draws(), 11);
}

TEST_F(Roll, allFiveHeldStillCountsAndClearsTheCandidate) {
    start({4, 4, 4, 2, 2});
    for (int p = 1; p <= 5; ++p) hold(p);
    click("Score4");
    ASSERT_EQ(text("Score4"), "12");
    const int draws = random.draws();
    click("CB_Roll");
    EXPECT_EQ(random.draws(), draws);
    EXPECT_EQ(random.reseeds(), 2);
    EXPECT_EQ(text("RollCount"), "2");
    EXPECT_EQ(text("Score4"), "");
    EXPECT_EQ(text("Score4x"), "0");
    EXPECT_EQ(dice(), (Faces{"4", "4", "4", "2", "2"}));
}

TEST_F(Roll, twoClicksOnADieReleaseIt) {
    start({3, 3, 3, 3, 3});
    click("Die3_2");
    click("Die3_2");
    EXPECT_EQ(text("Save2"), "no");
    EXPECT_EQ(board.model().border("Die3_2"), 0);
}

TEST_F(Roll, holdsAreRefusedWhileStartIsShowing) {
    click("Die1_3");
    EXPECT_EQ(text("Save3"), "no");
    EXPECT_EQ(board.model().border("Die1_3"), 0);
    start({5, 5, 5, 5, 5});
    EXPECT_EQ(text("Temp3"), "5");  // the first roll rolled position 3 too
}

// Keys typed on the Roll button: which arm a forced roll, and what that roll then shows.
TEST_F(Roll, forcedRollKeys) {
    struct Case {
        std::u16string keys;
        QString cheat;
    };
    const Case cases[] = {
        {u"1", "1"}, {u"4", "4"}, {u"6", "6"}, {u"s", "s"}, {u"2s", "s"}, {u"s3", "3"},
        {u"S", "x"}, {u"7", "x"}, {u"0", "x"}, {u" ", "x"}, {u"a", "x"},  {u"\r", "x"},
    };
    for (const Case& c : cases) {
        board.model().setText("Cheat", "x");
        for (char16_t k : c.keys) key(k);
        EXPECT_EQ(text("Cheat"), c.cheat) << QString::fromStdU16String(c.keys).toStdString();
    }
}

TEST_F(Roll, forcedRollIgnoresHoldsAndKeepsFramesAndCandidate) {
    start({2, 6, 1, 3, 4});
    hold(2);
    click("Score6");
    ASSERT_EQ(text("Score6"), "6");
    const int reseeds = random.reseeds(), draws = random.draws();
    key(u'4');
    click("CB_Roll");
    EXPECT_EQ(dice(), (Faces{"4", "4", "4", "4", "4"}));
    for (int f = 1; f <= 6; ++f) EXPECT_EQ(visible(dieName(f, 2)), f == 4);
    EXPECT_EQ(text("Save2"), "yes");
    EXPECT_EQ(board.model().border("Die6_2"), 1);  // the frame stays on the old, hidden face
    EXPECT_EQ(board.model().border("Die4_2"), 0);
    EXPECT_EQ(text("Score6"), "6");  // the candidate survives a forced roll
    EXPECT_EQ(random.reseeds(), reseeds);
    EXPECT_EQ(random.draws(), draws);
    EXPECT_EQ(text("Cheat"), "0");
    EXPECT_EQ(text("RollCount"), "2");
    // Clicking the face now shown releases the die.
    click("Die4_2");
    EXPECT_EQ(text("Save2"), "no");
    // The next roll is random again.
    roll({1, 2, 3, 5, 6});
    EXPECT_EQ(dice(), (Faces{"1", "2", "3", "5", "6"}));
}

TEST_F(Roll, forcedStraightShowsOneToFive) {
    key(u'2');
    key(u's');
    click("CB_Start");
    EXPECT_EQ(dice(), (Faces{"1", "2", "3", "4", "5"}));
    for (int p = 1; p <= 5; ++p) EXPECT_TRUE(visible(dieName(p, p)));
}

}  // namespace
}  // namespace korvex::test
