// SPDX-License-Identifier: GPL-3.0-or-later
// The list and the initials dialog, driven through the in-memory toolkit as the player would.

#include <gtest/gtest.h>

#include <QLocale>
#include <set>

#include "hiscores/frm_get_name.h"
#include "hiscores/frm_hi_scores.h"
#include "support/memory_store.h"
#include "support/qstring_printer.h"
#include "ui/memory_toolkit.h"

namespace korvex {
namespace {

void type(Form& form, const QString& text) {
    form.model().setText(QStringLiteral("txtName"), text);
    form.textChanged(QStringLiteral("txtName"));
}

class DialogTest : public ::testing::Test {
  protected:
    DialogTest() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    ~DialogTest() override { QLocale::setDefault(QLocale::system()); }

    // The end of a game whose total enters the table, up to the list being shown.
    void endGame(qint64 total) {
        const std::optional<int> row = hs.CheckHiScores(total);
        ASSERT_TRUE(row);
        list.askInitialsOf(*row);
        toolkit.showModal(list, nullptr);
    }
    int prompts() const { return int(toolkit.shown().count(QStringLiteral("frmGetName*"))); }

    MemoryStore store;
    MemoryToolkit toolkit;
    ModHiScores hs{store, toolkit};
    FrmHiScores list{toolkit, hs};
};

TEST_F(DialogTest, typedInitialsAreFiledInUpperCaseAndShownAtTheTop) {
    QString shownScore;
    toolkit.whenModal(QStringLiteral("frmGetName"), [&](Form& f) {
        shownScore = f.model().text(QStringLiteral("lblScore"));
        type(f, QStringLiteral("ab"));
        EXPECT_EQ(f.model().text(QStringLiteral("txtName")), QStringLiteral("ab"));
        f.click(QStringLiteral("cmdOK"));
    });
    QString topName, topScore;
    toolkit.whenModal(QStringLiteral("frmHiScores"), [&](Form& f) {
        topName = f.model().text(hiScoreNameLabel(0));
        topScore = f.model().text(hiScoreScoreLabel(0));
    });
    endGame(1234567);
    EXPECT_EQ(shownScore, QStringLiteral("1,234,567"));
    EXPECT_EQ(toolkit.shown(), QStringList({"frmHiScores*", "frmGetName*"}));
    EXPECT_EQ(topName, QStringLiteral("AB "));
    EXPECT_EQ(topScore, QStringLiteral("1,234,567 "));
    EXPECT_EQ(hs.HiScoreTable[9].Initials, QStringLiteral("AB "));
}

// OK without an edit, an emptied field, or the close box: the entry is filed as "???".
TEST_F(DialogTest, noInitialsGiveQuestionMarks) {
    const std::function<void(Form&)> reactions[] = {
        [](Form& f) { f.click(QStringLiteral("cmdOK")); },
        [](Form& f) {
            type(f, QStringLiteral("x"));
            type(f, QString());
            f.click(QStringLiteral("cmdOK"));
        },
        [](Form&) {},
    };
    for (const auto& reaction : reactions) {
        hs.ClearHiScores();
        toolkit.whenModal(QStringLiteral("frmGetName"), reaction);
        endGame(50);
        EXPECT_EQ(hs.HiScoreTable[9].Initials, QStringLiteral("???"));
        EXPECT_EQ(list.model().text(hiScoreNameLabel(0)), QStringLiteral("???"));
    }
}

TEST_F(DialogTest, onlyTheNewEntryOfTiesIsAsked) {
    for (auto& e : hs.HiScoreTable) e = {QStringLiteral("OLD"), 40};
    hs.HiScoreTable[0].Score = 10;
    toolkit.whenModal(QStringLiteral("frmGetName"),
                      [](Form& f) { type(f, QStringLiteral("new")); });
    endGame(40);
    EXPECT_EQ(prompts(), 1);
    EXPECT_EQ(hs.HiScoreTable[0].Initials, QStringLiteral("NEW"));
    EXPECT_EQ(list.model().text(hiScoreNameLabel(9)), QStringLiteral("NEW"));
    EXPECT_EQ(list.model().text(hiScoreNameLabel(8)), QStringLiteral("OLD"));
}

// A stored entry whose initials are blank is not the new one: the initials go to the row the
// new total went into.
TEST_F(DialogTest, storedBlankInitialsAreNotTakenForTheNewEntry) {
    for (auto& e : hs.HiScoreTable) e = {QStringLiteral("OLD"), 40};
    hs.HiScoreTable[1].Initials = QStringLiteral("   ");
    toolkit.whenModal(QStringLiteral("frmGetName"),
                      [](Form& f) { type(f, QStringLiteral("new")); });
    endGame(90);
    EXPECT_EQ(hs.HiScoreTable[9].Initials, QStringLiteral("NEW"));
    EXPECT_EQ(std::count_if(hs.HiScoreTable.begin(), hs.HiScoreTable.end(),
                            [](const HiScoreEntry& e) { return e.Initials == "   "; }),
              1);
}

TEST_F(DialogTest, openingWithNothingPendingOnlyShowsTheRows) {
    hs.LoadHiScores();
    toolkit.showModal(list, nullptr);
    EXPECT_EQ(prompts(), 0);
    for (int r = 0; r < 10; ++r) {
        EXPECT_EQ(list.model().text(hiScoreNameLabel(r)), QStringLiteral("???"));
        EXPECT_EQ(list.model().text(hiScoreScoreLabel(r)), QStringLiteral("0 "));
        EXPECT_EQ(list.model().text(hiScoreRankLabel(r)), QString::number(r + 1));
    }
}

// The desktop reports the list active again while the initials dialog is still open over it.
TEST_F(DialogTest, reactivationWhileAskingDoesNotAskAgain) {
    toolkit.whenModal(QStringLiteral("frmGetName"), [&](Form& f) {
        list.activate();
        list.activate();
        type(f, QStringLiteral("me"));
    });
    endGame(99);
    EXPECT_EQ(prompts(), 1);
    EXPECT_EQ(hs.HiScoreTable[9].Initials, QStringLiteral("ME "));
    list.activate();
    EXPECT_EQ(prompts(), 1);
}

// With an entry pending, the prompt waits for the list to be on screen and active, and the rows
// are filled only after it, so the entry's blank initials never show behind it.
TEST_F(DialogTest, initialsAreAskedBeforeTheRowsAreFilled) {
    list.askInitialsOf(*hs.CheckHiScores(7));
    list.load();
    EXPECT_EQ(prompts(), 0);
    QString rowBehindPrompt = QStringLiteral("<not asked>");
    toolkit.whenModal(QStringLiteral("frmGetName"), [&](Form& f) {
        rowBehindPrompt = list.model().text(hiScoreScoreLabel(0));
        type(f, QStringLiteral("q"));
    });
    list.activate();
    EXPECT_EQ(prompts(), 1);
    EXPECT_EQ(rowBehindPrompt, QString());
    EXPECT_EQ(list.model().text(hiScoreScoreLabel(0)), QStringLiteral("7 "));
    EXPECT_EQ(list.model().text(hiScoreNameLabel(0)), QStringLiteral("Q  "));
}

TEST_F(DialogTest, clearAskedAndAnsweredNoChangesNothing) {
    hs.CheckHiScores(500);
    hs.HiScoreTable[9].Initials = QStringLiteral("KEP");
    hs.SaveHiScores();
    bool stillOpen = false;
    toolkit.whenModal(QStringLiteral("frmHiScores"), [&](Form& f) {
        toolkit.answerNext(MessageResult::No);
        f.click(QStringLiteral("CB_ClearScores"));
        stillOpen = toolkit.isOpen(f);
    });
    toolkit.showModal(list, nullptr);
    ASSERT_EQ(toolkit.messages().size(), 1u);
    EXPECT_EQ(toolkit.messages()[0].text,
              QStringLiteral("Are you sure you want to clear all high scores from the list?"));
    EXPECT_EQ(toolkit.messages()[0].title, QStringLiteral("Confirm Deletions"));
    EXPECT_EQ(toolkit.messages()[0].buttons, MessageButtons::YesNo);
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(list.model().text(hiScoreNameLabel(0)), QStringLiteral("KEP"));
    EXPECT_EQ(store.read(ModHiScores::kSection, QStringLiteral("9"), {}), QStringLiteral("KEP500"));
}

TEST_F(DialogTest, clearAnsweredYesEmptiesStoreAndClosesTheList) {
    hs.CheckHiScores(500);
    hs.SaveHiScores();
    bool stillOpen = true;
    toolkit.whenModal(QStringLiteral("frmHiScores"), [&](Form& f) {
        toolkit.answerNext(MessageResult::Yes);
        f.click(QStringLiteral("CB_ClearScores"));
        stillOpen = toolkit.isOpen(f);
    });
    toolkit.showModal(list, nullptr);
    EXPECT_FALSE(stillOpen);
    EXPECT_FALSE(store.hasSection(ModHiScores::kSection));
    hs.LoadHiScores();
    toolkit.showModal(list, nullptr);
    EXPECT_EQ(list.model().text(hiScoreNameLabel(0)), QStringLiteral("???"));
    EXPECT_EQ(list.model().text(hiScoreScoreLabel(0)), QStringLiteral("0 "));
}

TEST_F(DialogTest, scoresUseTheLocalesSeparator) {
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(ModHiScores::formatScore(1234567), QString::fromUtf8("1.234.567"));
    QLocale::setDefault(QLocale::c());
    EXPECT_EQ(ModHiScores::formatScore(1234), QStringLiteral("1,234"));
    EXPECT_EQ(ModHiScores::formatScore(0), QStringLiteral("0"));
}

TEST_F(DialogTest, initialsDialogSelectsItsTextAndTakesTheFocus) {
    std::vector<FormModel::Change> changes;
    QString focus;
    toolkit.whenModal(QStringLiteral("frmGetName"), [&](Form& f) {
        focus = f.model().focus();
        EXPECT_EQ(f.model().text(QStringLiteral("txtName")), QStringLiteral("???"));
    });
    FrmGetName& name = list.getName();
    name.model().setObserver([&](int index, FormModel::Change c) {
        if (name.model().layout().elements[std::size_t(index)].name == QStringLiteral("txtName"))
            changes.push_back(c);
    });
    endGame(5);
    EXPECT_EQ(focus, QStringLiteral("txtName"));
    EXPECT_NE(std::find(changes.begin(), changes.end(), FormModel::Change::SelectAll),
              changes.end());
}

// Enter presses OK in both dialogs; neither has a cancel button, so Escape does nothing.
TEST(HiScoreLayouts, buttonsRolesAndPlaces) {
    const FormLayout list = frmHiScoresLayout();
    const FormLayout name = frmGetNameLayout();
    for (const FormLayout* l : {&list, &name})
        for (const ElementSpec& e : l->elements)
            if (e.kind == ElementKind::Button)
                EXPECT_EQ(e.role, e.name == QStringLiteral("cmdOK") ? ButtonRole::Default
                                                                    : ButtonRole::Normal);
    const ElementSpec* ok = list.find(QStringLiteral("cmdOK"));
    ASSERT_TRUE(ok);
    EXPECT_EQ(ok->caption, QStringLiteral("&OK"));
    EXPECT_EQ(ok->tab, 20);
    const ElementSpec* txt = name.find(QStringLiteral("txtName"));
    ASSERT_TRUE(txt);
    EXPECT_EQ(txt->maxLength, 3);
    EXPECT_EQ(txt->caption, QStringLiteral("???"));
    EXPECT_EQ(txt->font.family, QStringLiteral("Comic Sans MS"));
    EXPECT_FALSE(txt->font.bold);
}

TEST(HiScoreLayouts, rowsSitWhereTheListDrawsThem) {
    const FormLayout list = frmHiScoresLayout();
    EXPECT_EQ(list.caption, QStringLiteral("High Scores"));
    EXPECT_EQ(list.clientWidth, 2895);
    EXPECT_EQ(list.clientHeight, 5040);
    EXPECT_EQ(list.background, kDarkBlue);
    std::set<int> tabs;
    for (int r = 0; r < 10; ++r) {
        const ElementSpec* rank = list.find(hiScoreRankLabel(r));
        const ElementSpec* nm = list.find(hiScoreNameLabel(r));
        const ElementSpec* sc = list.find(hiScoreScoreLabel(r));
        ASSERT_TRUE(rank && nm && sc);
        for (const ElementSpec* e : {rank, nm, sc}) {
            EXPECT_EQ(e->top, 120 + 360 * r);
            EXPECT_EQ(e->fore, Colour::of(Colour::Role::MenuBackground));
            EXPECT_EQ(e->align, Align::Center);
            tabs.insert(e->tab);
        }
        EXPECT_EQ(rank->left, 120);
        EXPECT_EQ(nm->left, 720);
        EXPECT_EQ(sc->left, 1800);
        EXPECT_EQ(rank->back, Colour::of(Colour::Role::Transparent));
        EXPECT_EQ(nm->back, kDarkBlue);
        EXPECT_EQ(sc->font, (FontSpec{QStringLiteral("Comic Sans MS"), 12, true}));
        EXPECT_EQ(rank->font, (FontSpec{QStringLiteral("Comic Sans MS"), 9.75, true}));
        EXPECT_EQ(sc->tab, r);
        EXPECT_EQ(nm->tab, 10 + r);
        EXPECT_EQ(rank->tab, 22 + r);
    }
    EXPECT_EQ(tabs.size(), 30u);
}

}  // namespace
}  // namespace korvex
