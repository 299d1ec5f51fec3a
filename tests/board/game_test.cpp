// SPDX-License-Identifier: GPL-3.0-or-later
// Whole turns and games through the board's real handlers, with chosen dice.

#include "core/rules.h"
#include "support/board_fixture.h"

namespace korvex::test {
namespace {

using C = CategoryId;
class Game : public BoardTest {
  protected:
    void playWholeGame();
};

TEST_F(Game, categoryClickShowsOnlyItsCandidate) {
    start({1, 1, 1, 2, 3});
    click("Score1");
    EXPECT_EQ(box(C::Ones), "3");
    EXPECT_EQ(text("Score1x"), "3");
    EXPECT_TRUE(enabled("CB_Save"));
    EXPECT_EQ(board.model().focus(), "CB_Save");
    click("Score6");
    EXPECT_EQ(box(C::Ones), "");
    EXPECT_EQ(text("Score1x"), "0");
    EXPECT_EQ(box(C::Sixes), "0");  // a 0 candidate is a valid selection
    click("ScoreThreeKind");
    EXPECT_EQ(box(C::ThreeKind), "8");
    EXPECT_EQ(box(C::Sixes), "");
}

TEST_F(Game, clicksBeforeStartAndOnScoredCategoriesChangeNothing) {
    click("Score1");
    EXPECT_EQ(box(C::Ones), "");
    EXPECT_FALSE(enabled("CB_Save"));
    start({2, 2, 2, 5, 6});
    score(C::Twos, {3, 3, 4, 4, 4});
    click("ScoreChance");
    board.model().setFocus("CB_Roll");
    click("Score2");
    EXPECT_EQ(box(C::Twos), "6");
    EXPECT_EQ(box(C::Chance), "18");  // the selection stays where it was
    EXPECT_EQ(board.model().focus(), "CB_Roll");
}

TEST_F(Game, commitRecordsReleasesHoldsAndRollsTheNextTurn) {
    start({5, 5, 2, 3, 4});
    hold(1);
    hold(2);
    roll({5, 1, 1});
    click("Score5");
    random.queue({6, 6, 6, 6, 6});
    click("CB_Save");
    EXPECT_EQ(text("Perm5"), "yes");
    EXPECT_EQ(box(C::Fives), "15");
    EXPECT_EQ(text("Subtotal"), "15");
    EXPECT_EQ(text("Total"), "15");
    EXPECT_EQ(text("GameCount"), "1");
    for (int p = 1; p <= 5; ++p) EXPECT_EQ(text(QString("Save%1").arg(p)), "no");
    EXPECT_EQ(board.model().border("Die5_1"), 0);
    EXPECT_EQ(text("RollCount"), "1");
    EXPECT_TRUE(visible("OneRoll"));
    EXPECT_FALSE(visible("TwoRoll"));
    EXPECT_TRUE(enabled("CB_Roll"));
    EXPECT_FALSE(enabled("CB_Save"));
    EXPECT_EQ(text("Temp1"), "6");
}

struct BonusCase {
    const char* name;
    std::vector<std::pair<C, std::vector<int>>> turns;
    const char* subtotal;
    const char* bonus;
    const char* total;
};

TEST_F(Game, upperBonusAtSixtyThreeNotSixtyTwo) {
    const BonusCase cases[] = {
        {"62",
         {{C::Ones, {1, 1, 2, 3, 4}},
          {C::Twos, {2, 2, 2, 3, 4}},
          {C::Threes, {3, 3, 3, 1, 2}},
          {C::Fours, {4, 4, 4, 1, 2}},
          {C::Fives, {5, 5, 5, 1, 2}},
          {C::Sixes, {6, 6, 6, 1, 2}}},
         "62",
         "",
         "62"},
        {"63",
         {{C::Ones, {1, 1, 1, 3, 4}},
          {C::Twos, {2, 2, 2, 3, 4}},
          {C::Threes, {3, 3, 3, 1, 2}},
          {C::Fours, {4, 4, 4, 1, 2}},
          {C::Fives, {5, 5, 5, 1, 2}},
          {C::Sixes, {6, 6, 6, 1, 2}}},
         "63",
         "35",
         "98"},
        {"crossing on Threes",
         {{C::Ones, {1, 1, 1, 1, 4}},
          {C::Twos, {2, 2, 2, 2, 4}},
          {C::Fours, {4, 4, 4, 4, 2}},
          {C::Fives, {5, 5, 5, 5, 2}},
          {C::Sixes, {6, 6, 1, 2, 4}},
          {C::Threes, {3, 1, 1, 2, 4}}},
         "63",
         "35",
         "98"},
    };
    for (const BonusCase& c : cases) {
        click("CB_New");
        random.queue(c.turns.front().second);
        click("CB_Start");
        for (std::size_t i = 0; i < c.turns.size(); ++i) {
            const auto next =
                i + 1 < c.turns.size() ? c.turns[i + 1].second : std::vector<int>{1, 2, 3, 4, 6};
            score(c.turns[i].first, next);
            if (i + 1 < c.turns.size()) EXPECT_EQ(text("Bonus"), "") << c.name << " turn " << i;
        }
        EXPECT_EQ(text("Subtotal"), c.subtotal) << c.name;
        EXPECT_EQ(text("Bonus"), c.bonus) << c.name;
        EXPECT_EQ(text("Bonusx"), *c.bonus ? c.bonus : "0") << c.name;
        EXPECT_EQ(text("Total"), c.total) << c.name;
    }
}

TEST_F(Game, korvexEarnsExtraPointsThroughOtherCategories) {
    start({4, 4, 4, 4, 4});
    score(C::Korvex, {2, 2, 2, 2, 2});
    EXPECT_EQ(box(C::Korvex), "50");  // the first one recorded earns no extra points
    score(C::Chance, {3, 3, 3, 3, 3});
    EXPECT_EQ(box(C::Korvex), "150");
    EXPECT_EQ(text("ScoreKorvexx"), "150");
    EXPECT_EQ(text("Total"), "160");
    score(C::SmallStraight, {1, 2, 3, 4, 6});
    EXPECT_EQ(box(C::Korvex), "250");
    EXPECT_EQ(box(C::SmallStraight), "0");
    EXPECT_EQ(text("Total"), "260");
}

TEST_F(Game, korvexScoredZeroNeverEarnsExtraPoints) {
    start({1, 2, 3, 4, 6});
    score(C::Korvex, {5, 5, 5, 5, 5});
    score(C::Fives, {6, 6, 6, 6, 6});
    EXPECT_EQ(box(C::Korvex), "0");
    EXPECT_EQ(text("Total"), "25");
}

TEST_F(Game, refusedSaveChangesNothingHoweverOften) {
    start({4, 4, 4, 4, 4});
    score(C::Korvex, {1, 1, 1, 1, 1});
    roll({1, 1, 1, 1, 1});
    roll({1, 1, 1, 1, 1});
    ASSERT_TRUE(enabled("CB_Save"));
    const auto before = board.model();
    for (int i = 0; i < 3; ++i) click("CB_Save");
    ASSERT_EQ(toolkit.messages().size(), 3u);
    EXPECT_EQ(toolkit.messages()[0].text, "You must choose an item to score.");
    EXPECT_EQ(toolkit.messages()[0].title, "Scoring Error");
    EXPECT_EQ(toolkit.messages()[0].buttons, MessageButtons::Ok);
    for (int i = 0; i < before.size(); ++i) {
        EXPECT_EQ(board.model().state(i).text, before.state(i).text)
            << board.layout().elements[std::size_t(i)].name.toStdString();
        EXPECT_EQ(board.model().state(i).enabled, before.state(i).enabled);
    }
    EXPECT_EQ(board.model().focus(), before.focus());
    // The commit that does record a category adds the extra points once.
    score(C::Ones);
    EXPECT_EQ(box(C::Korvex), "150");
}

// Thirteen turns, one per category, through to the end of the game.
void Game::playWholeGame() {
    const std::pair<C, std::vector<int>> turns[] = {
        {C::Ones, {1, 1, 1, 2, 3}},          {C::Twos, {2, 2, 2, 5, 6}},
        {C::Threes, {3, 3, 3, 1, 6}},        {C::Fours, {4, 4, 4, 4, 2}},
        {C::Fives, {5, 5, 5, 1, 2}},         {C::Sixes, {6, 6, 6, 1, 1}},
        {C::ThreeKind, {6, 6, 6, 5, 5}},     {C::FourKind, {2, 2, 2, 2, 3}},
        {C::FullHouse, {3, 3, 2, 2, 2}},     {C::SmallStraight, {1, 2, 3, 4, 6}},
        {C::LargeStraight, {2, 3, 4, 5, 6}}, {C::Korvex, {5, 5, 5, 5, 5}},
        {C::Chance, {6, 6, 5, 5, 4}},
    };
    random.queue(turns[0].second);
    board.click("CB_Start");
    for (std::size_t i = 0; i < 13; ++i) {
        random.queue(i < 12 ? turns[i + 1].second : std::vector<int>{});
        board.click(categoryFields(turns[i].first).scoreBox);
        board.click("CB_Save");
    }
}
// 3+6+9+16+15+18 = 67 (+35 bonus) + 28+11+25+30+40+50+26 = 102 + 210 = 312.

TEST_F(Game, thirteenthCommitEndsTheGame) {
    toolkit.whenModal("frmHiScores", [](Form&) {});
    playWholeGame();
    EXPECT_EQ(text("GameCount"), "13");
    EXPECT_EQ(text("Total"), "312");
    EXPECT_TRUE(board.model().bold("Total"));
    EXPECT_EQ(board.model().focus(), "CB_New");
    EXPECT_FALSE(enabled("CB_Roll"));
    EXPECT_FALSE(enabled("CB_Save"));
    EXPECT_EQ(random.queued(), 0u);
    EXPECT_EQ(text("RollCount"), "1");  // no roll after the last commit
    for (const Category& c : categories()) {
        click(categoryFields(c.id).scoreBox);
        EXPECT_EQ(text(categoryFields(c.id).usedFlag), "yes");
    }
    EXPECT_FALSE(enabled("CB_Save"));
}

TEST_F(Game, finishedGameEntersTheTableAndIsSaved) {
    toolkit.whenModal("frmGetName", [](Form& name) {
        name.model().setText("txtName", "kv");
        name.textChanged("txtName");
        name.click("cmdOK");
    });
    playWholeGame();
    EXPECT_TRUE(toolkit.shown().contains("frmHiScores*"));
    EXPECT_EQ(hiScores.HiScoreTable[9].Score, 312);
    EXPECT_EQ(hiScores.HiScoreTable[9].Initials, "KV ");
    EXPECT_EQ(store.read("HiScores", "9", ""), "KV 312");
}

TEST_F(Game, forcedRollKeepsTheGameOutOfTheTable) {
    key(u's');
    key(u'x');
    playWholeGame();  // START's roll is the forced straight; the rest follow the script
    EXPECT_FALSE(toolkit.shown().contains("frmHiScores*"));
    EXPECT_FALSE(store.hasSection("HiScores"));
}

TEST_F(Game, totalThatEarnsNoPlaceOpensNothing) {
    for (int i = 0; i < 10; ++i) store.write("HiScores", QString::number(i), "AAA1000");
    playWholeGame();
    EXPECT_FALSE(toolkit.shown().contains("frmHiScores*"));
    EXPECT_EQ(store.read("HiScores", "0", ""), "AAA1000");
}

}  // namespace
}  // namespace korvex::test
