// SPDX-License-Identifier: GPL-3.0-or-later
// Thousands of games of random clicks — legal and illegal, as a player's mouse could make them —
// with the score card's invariants checked after every event.

#include <random>

#include "board/form1_layout.h"
#include "core/rules.h"
#include "support/board_fixture.h"

namespace korvex::test {
namespace {

class Soak : public BoardTest {
  protected:
    // A click as the window delivers it: hidden or disabled elements receive none.
    void press(const QString& name) {
        if (visible(name) && enabled(name)) click(name);
    }

    void checkInvariants(bool begun) {
        long long used = 0, upperUsed = 0, sum = 0;
        int shown = 0;
        for (const Category& c : categories()) {
            const bool scored = text(categoryFields(c.id).usedFlag) == "yes";
            ASSERT_TRUE(scored || text(categoryFields(c.id).usedFlag) == "no");
            const QString boxText = text(categoryFields(c.id).scoreBox);
            if (scored || !boxText.isEmpty())
                ASSERT_EQ(text(categoryFields(c.id).valueField), boxText);
            if (!scored && boxText.isEmpty()) ASSERT_EQ(text(categoryFields(c.id).valueField), "0");
            if (!scored && !boxText.isEmpty()) ++shown;
            if (scored) {
                ++used;
                sum += wholeNumber(boxText);
                if (c.upper) upperUsed += wholeNumber(boxText);
            }
        }
        ASSERT_LE(shown, 1) << "more than one open category shows a value";
        const long long bonus = wholeNumber(text("Bonusx"));
        ASSERT_EQ(bonus, upperUsed >= kBonusThreshold ? kUpperBonus : 0);
        ASSERT_EQ(text("Bonus"), bonus ? "35" : "");
        ASSERT_EQ(wholeNumber(text("Subtotal")), upperUsed);
        ASSERT_EQ(wholeNumber(text("Total")), sum + bonus);
        ASSERT_EQ(wholeNumber(text("GameCount")), used);
        if (begun)
            for (int p = 1; p <= 5; ++p) {
                const QString face = text(faceField(p));
                ASSERT_TRUE(face.size() == 1 && face[0] >= '1' && face[0] <= '6')
                    << face.toStdString();
                // New Game shows face 1 everywhere until START rolls.
                if (!visible("CB_Start")) ASSERT_TRUE(visible(dieName(face.toInt(), p)));
            }
        if (used == kTurnsPerGame) {
            ASSERT_FALSE(enabled("CB_Roll"));
            ASSERT_FALSE(enabled("CB_Save"));
            ASSERT_TRUE(board.model().bold("Total"));
        }
    }
};

TEST_F(Soak, randomClicksKeepTheScoreCardConsistent) {
    std::mt19937 rng(20261208);
    QStringList targets = {"CB_Roll", "CB_Roll", "CB_Roll"};
    for (int i = 0; i < 8; ++i) targets << "CB_Save";
    for (int p = 1; p <= 5; ++p)
        for (int f = 1; f <= 6; ++f) targets << dieName(f, p);
    for (const Category& c : categories())
        targets << categoryFields(c.id).scoreBox << categoryFields(c.id).scoreBox;
    const int games = 1500;
    int finished = 0;
    for (int game = 0; game < games; ++game) {
        press("CB_New");
        ASSERT_NO_FATAL_FAILURE(checkInvariants(game > 0));
        press("CB_Start");
        int commits = 0;
        for (int event = 0; event < 600; ++event) {
            const QString target = targets[int(rng() % unsigned(targets.size()))];
            const long long before = wholeNumber(text("GameCount"));
            press(target);
            ASSERT_NO_FATAL_FAILURE(checkInvariants(true)) << "after " << target.toStdString();
            commits += wholeNumber(text("GameCount")) - before;
            if (text("GameCount") == "13") break;
        }
        ASSERT_LE(commits, kTurnsPerGame);
        if (commits == kTurnsPerGame) {
            ++finished;
            // A finished game takes no further commit, whatever is pressed.
            for (const QString& t : targets) press(t);
            ASSERT_EQ(text("GameCount"), "13");
        }
        // Now and then the player starts over mid-game or looks at the high scores.
        if (rng() % 7 == 0) press("CB_ViewScores");
    }
    EXPECT_GT(finished, games / 2);
}

}  // namespace
}  // namespace korvex::test
