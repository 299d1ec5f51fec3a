// SPDX-License-Identifier: GPL-3.0-or-later
// The board's life outside a turn: load, New Game, START, Exit, and the windows it opens.

#include "about/frm_about.h"
#include "board/form1_layout.h"
#include "core/rules.h"
#include "support/board_fixture.h"

namespace korvex::test {
namespace {

using NewGame = BoardTest;

void expectFreshGame(const FormModel& m) {
    for (int p = 1; p <= 5; ++p) {
        for (int f = 1; f <= 6; ++f) {
            EXPECT_EQ(m.visible(dieName(f, p)), f == 1) << dieName(f, p).toStdString();
            EXPECT_EQ(m.border(dieName(f, p)), 0);
        }
        EXPECT_EQ(m.text(holdFlag(p)), "no");
    }
    EXPECT_TRUE(m.visible("CB_Start"));
    for (const char* line : kStartFrame) EXPECT_TRUE(m.visible(line));
    for (const char* picture : kRollPictures) EXPECT_FALSE(m.visible(picture));
    for (const Category& c : categories()) {
        EXPECT_EQ(m.text(categoryFields(c.id).usedFlag), "no");
        EXPECT_EQ(m.text(categoryFields(c.id).scoreBox), "");
        EXPECT_EQ(m.text(categoryFields(c.id).valueField), "0");
    }
    EXPECT_EQ(m.text("Bonus"), "");
    EXPECT_EQ(m.text("Bonusx"), "0");
    EXPECT_EQ(m.text("Subtotal"), "0");
    EXPECT_EQ(m.text("Total"), "0");
    EXPECT_FALSE(m.bold("Total"));
    EXPECT_FALSE(m.enabled("CB_Roll"));
    EXPECT_FALSE(m.enabled("CB_Save"));
    EXPECT_EQ(m.text("RollCount"), "0");
    EXPECT_EQ(m.text("GameCount"), "0");
}

TEST_F(NewGame, programStartLeavesAFreshGameWaitingForStart) {
    expectFreshGame(board.model());
    EXPECT_EQ(text("Cheat"), "x");
    EXPECT_EQ(toolkit.pointer(), Pointer::Arrow);
    for (int p = 1; p <= 5; ++p) EXPECT_EQ(text(faceField(p)), "");
    // The high-score table was read at start: a fresh store gives ten empty entries.
    for (const HiScoreEntry& e : hiScores.HiScoreTable) EXPECT_EQ(e.Score, 0);
}

TEST_F(NewGame, midGameResetsEverythingButDiceFacesCheatAndFocus) {
    key(u'5');
    click("CB_Start");  // a forced roll: five 5s
    hold(2);
    score(CategoryId::Fives, {6, 6, 1, 2, 3});
    hold(1);
    const auto faces = dice();
    board.model().setFocus("CB_Exit");
    click("CB_New");
    expectFreshGame(board.model());
    EXPECT_EQ(dice(), faces);
    EXPECT_EQ(text("Cheat"), "0");
    EXPECT_EQ(board.model().focus(), "CB_Exit");
}

TEST_F(NewGame, startMakesExactlyOneRollAndFocusesRoll) {
    start({3, 1, 4, 1, 5});
    EXPECT_EQ(text("RollCount"), "1");
    EXPECT_TRUE(visible("OneRoll"));
    EXPECT_FALSE(visible("TwoRoll"));
    EXPECT_FALSE(visible("CB_Start"));
    for (const char* line : kStartFrame) EXPECT_FALSE(visible(line));
    EXPECT_TRUE(enabled("CB_Roll"));
    EXPECT_FALSE(enabled("CB_Save"));
    EXPECT_EQ(board.model().focus(), "CB_Roll");
    EXPECT_EQ(dice(), (std::array<QString, 5>{"3", "1", "4", "1", "5"}));
    EXPECT_TRUE(visible("Die4_3"));
    EXPECT_FALSE(visible("Die1_3"));
    EXPECT_EQ(random.reseeds(), 1);
    EXPECT_EQ(random.draws(), 5);
}

TEST_F(NewGame, exitClosesTheBoardAndRestoresThePointer) {
    click("Label20");
    click("CB_Exit");
    EXPECT_FALSE(toolkit.isOpen(board));
    EXPECT_EQ(toolkit.pointer(), Pointer::Default);
    ASSERT_NE(board.about(), nullptr);
    EXPECT_TRUE(toolkit.isOpen(*board.about()));  // the modeless About window stays open
}

TEST_F(NewGame, helpAndAboutShareOneWindow) {
    click("Label20");
    FrmAbout* first = board.about();
    click("Label19");
    EXPECT_EQ(board.about(), first);
    EXPECT_EQ(toolkit.shown().count("frmAbout"), 2);
}

TEST_F(NewGame, highScoresShowsWhatIsStoredNow) {
    store.write("HiScores", "9", "ZZZ900");
    toolkit.whenModal("frmHiScores",
                      [](Form& list) { EXPECT_EQ(list.model().text("lblName(0)"), "ZZZ"); });
    click("CB_ViewScores");
    EXPECT_EQ(hiScores.HiScoreTable[9].Score, 900);
    EXPECT_EQ(toolkit.shown().last(), "frmHiScores*");
}

}  // namespace
}  // namespace korvex::test
