// SPDX-License-Identifier: GPL-3.0-or-later
// The Practice window on real widgets over a real record of games: the dice named as on the
// board, a hold and Roll and a category pick graded by the coach in a line screen readers hear,
// the answers kept in the record, the proficiency figure, and Escape. Practice records no game.

#include "record_windows/practice_window.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QLocale>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>

#include "coach/coach_table.h"
#include "qt_test_support.h"
#include "record/game_history.h"
#include "record/sqlite/game_database.h"
#include "record_windows/dice_pictures.h"
#include "record_windows/record_windows.h"
#include "support/game_generator.h"

namespace korvex {
namespace {

const CoachTable* practiceTable() {
    static const std::unique_ptr<CoachTable> table = CoachTable::solve(CoachRules::korvex(), 2);
    return table.get();
}

class PracticeWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        GameGenerator generator(21, {practiceTable(), 0.3, 0.0, 0.0});
        std::vector<GameRecord> games = {generator.next(), generator.next()};
        ASSERT_TRUE(GameDatabase(dir.filePath("games.sqlite")).store(games.data(), games.size()));
        windows.showPractice();
        window = windows.practice();
        ASSERT_TRUE(window && window->isVisible());
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
        ASSERT_TRUE(window->session() && window->session()->position());
    }
    void TearDown() override { qttest::settle(); }

    std::vector<DieButton*> dice() const {
        // Without a meta-object of their own, the dice are told from other buttons by their type.
        std::vector<DieButton*> out;
        for (QAbstractButton* b : window->findChildren<QAbstractButton*>())
            if (auto* die = dynamic_cast<DieButton*>(b)) out.push_back(die);
        std::sort(out.begin(), out.end(),
                  [](auto* a, auto* b) { return a->position() < b->position(); });
        return out;
    }
    QPushButton* button(const QString& text) const {
        for (QPushButton* b : window->findChildren<QPushButton*>())
            if (b->text() == text && b->isVisible()) return b;
        return nullptr;
    }
    // The score box of the first category still open, named as the board names it.
    QPushButton* firstOpenCategory() const {
        for (QPushButton* b : window->findChildren<QPushButton*>())
            if (b->isVisible() && b->accessibleName().endsWith(" if scored now")) return b;
        return nullptr;
    }
    QPushButton* categoryBox(CategoryId id) const {
        for (QPushButton* b : window->findChildren<QPushButton*>())
            if (b->isVisible() && b->accessibleName().startsWith(displayTitle(id) + ": ")) return b;
        return nullptr;
    }
    AnnouncedLine* gradeLine() const {
        for (QLabel* label : window->findChildren<QLabel*>())
            if (auto* line = dynamic_cast<AnnouncedLine*>(label)) return line;
        return nullptr;
    }
    QString grade() const { return gradeLine()->text(); }
    const PracticePosition& position() const { return *window->session()->position(); }

    QTemporaryDir dir;
    GameHistory history{dir.filePath("games.sqlite"), openGameDatabase};
    RecordWindows windows{history, [] { return practiceTable(); }};
    PracticeWindow* window = nullptr;
};

TEST_F(PracticeWindowTest, posesAPositionAndGradesAHoldAndACategoryPick) {
    EXPECT_EQ(window->windowTitle(), "Korvex Practice");
    EXPECT_FALSE(window->session()->fromCoachGames());
    // Until a hold is possible, score as the coach would (so that no position comes back soon)
    // and go on to the next one.
    for (int i = 0; i < 20 && position().roll == 3; ++i) {
        const Advice best =
            advise(*practiceTable(), coachPosition(position().card, position().faces, 0));
        categoryBox(best.category)->click();
        EXPECT_TRUE(grade().contains("the best move, giving up nothing")) << qPrintable(grade());
        button("Next position")->click();
    }
    ASSERT_LT(position().roll, 3);
    const std::size_t before = window->session()->record().answers.size();
    EXPECT_EQ(history.practice().answers.size(), before);
    const std::vector<DieButton*> shown = dice();
    ASSERT_EQ(shown.size(), 5u);
    for (int p = 1; p <= 5; ++p)
        EXPECT_EQ(shown[std::size_t(p - 1)]->accessibleName(),
                  QString("Die %1: %2").arg(p).arg(position().faces[std::size_t(p - 1)]));
    QTest::mouseClick(shown[1], Qt::LeftButton);
    QAccessibleInterface* die = QAccessible::queryAccessibleInterface(shown[1]);
    EXPECT_TRUE(die->state().checkable && die->state().checked);
    EXPECT_TRUE(
        die->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));

    const PracticePosition posed = position();
    const auto expected =
        gradeMove(*practiceTable(), posed,
                  {PracticeMove::Kind::Hold, {false, true, false, false, false}, {}});
    ASSERT_TRUE(expected);
    button("Roll")->click();
    EXPECT_TRUE(grade().startsWith(expected->move + ": ")) << qPrintable(grade());
    EXPECT_TRUE(grade().contains(QLocale().toString(expected->best.expectedTotal, 'f', 1)));
    EXPECT_EQ(QAccessible::queryAccessibleInterface(gradeLine())->role(), QAccessible::StatusBar);
    EXPECT_FALSE(shown[0]->isEnabled());
    EXPECT_TRUE(button("Next position")->hasFocus());

    button("Next position")->click();
    ASSERT_NE(position().key, posed.key);
    QPushButton* open = firstOpenCategory();
    ASSERT_TRUE(open);
    open->click();
    EXPECT_TRUE(grade().startsWith("Scored ")) << qPrintable(grade());

    const PracticeRecord kept = history.practice();
    ASSERT_EQ(kept.answers.size(), before + 2);
    EXPECT_EQ(kept.answers[before].position, posed.key);
    EXPECT_EQ(kept.answers[before].move, expected->move);
    EXPECT_NEAR(kept.answers[before].givenUp, expected->givenUp, 1e-9);
    EXPECT_EQ(history.summaries().size(), 2u);  // practice is never a game
    EXPECT_TRUE(window->findChildren<QLabel*>().end() !=
                std::find_if(window->findChildren<QLabel*>().begin(),
                             window->findChildren<QLabel*>().end(), [&](QLabel* l) {
                                 return l->text().contains(
                                     QString("over your last %1 answers").arg(before + 2));
                             }));

    QTest::keyClick(window->focusWidget(), Qt::Key_Escape);
    EXPECT_FALSE(window->isVisible());
}

}  // namespace
}  // namespace korvex
