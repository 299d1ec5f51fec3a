// SPDX-License-Identifier: GPL-3.0-or-later
// A high score whose save the store refused is kept, and stored at the next chance: when the
// list is opened again, or when the board closes.

#include "core/rules.h"
#include "support/board_fixture.h"

namespace korvex::test {
namespace {

class UnsavedScore : public BoardTest {
  protected:
    // Fills the card with dice that score 312, typing "ab" for the initials.
    void finishGame() {
        toolkit.whenModal("frmGetName", [](Form& name) {
            name.model().setText("txtName", "ab");
            name.textChanged("txtName");
            name.click("cmdOK");
        });
        random.queue({6, 6, 6, 6, 6});
        click("CB_Start");
        for (const Category& c : categories()) {
            random.queue({6, 6, 6, 6, 6});
            click(categoryFields(c.id).scoreBox);
            click("CB_Save");
        }
        ASSERT_EQ(text("GameCount"), "13");
    }
    int saveFailures() const {
        return int(std::count_if(toolkit.messages().begin(), toolkit.messages().end(),
                                 [](const auto& m) { return m.title == "SaveHiScores"; }));
    }
};

TEST_F(UnsavedScore, refusedSaveIsStoredWhenTheListOpensAgain) {
    store.refuseWrites(true);
    ASSERT_NO_FATAL_FAILURE(finishGame());
    EXPECT_EQ(saveFailures(), 1);
    EXPECT_FALSE(store.hasSection("HiScores"));
    EXPECT_EQ(hiScores.HiScoreTable[9].Initials, "AB ");  // the table in memory is intact
    store.refuseWrites(false);
    click("CB_ViewScores");
    EXPECT_EQ(saveFailures(), 1);
    EXPECT_TRUE(store.read("HiScores", "9", "").startsWith("AB "));
    // Once stored, nothing more is written by looking at the list.
    store.write("HiScores", "0", "ZZZ1");
    click("CB_ViewScores");
    EXPECT_EQ(store.read("HiScores", "0", ""), "ZZZ1");
}

TEST_F(UnsavedScore, refusedSaveIsStoredWhenTheBoardCloses) {
    store.refuseWrites(true);
    ASSERT_NO_FATAL_FAILURE(finishGame());
    store.refuseWrites(false);
    click("CB_Exit");
    EXPECT_TRUE(store.read("HiScores", "9", "").startsWith("AB "));
}

TEST_F(UnsavedScore, closingWritesNothingWhenEverythingIsStored) {
    click("CB_Exit");
    EXPECT_FALSE(store.hasSection("HiScores"));
}

}  // namespace
}  // namespace korvex::test
