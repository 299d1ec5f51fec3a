// SPDX-License-Identifier: GPL-3.0-or-later
// The high-score table's rules and failure paths, on a store held in memory.

#include "hiscores/mod_hi_scores.h"

#include <gtest/gtest.h>

#include <vector>

#include "support/memory_store.h"
#include "support/qstring_printer.h"
#include "ui/memory_toolkit.h"

namespace korvex {
namespace {

class HiScoreTableTest : public ::testing::Test {
  protected:
    MemoryStore store;
    MemoryToolkit toolkit;
    ModHiScores hs{store, toolkit};

    void setScores(const std::vector<qint64>& scores) {
        for (std::size_t i = 0; i < scores.size(); ++i) {
            hs.HiScoreTable[i].Score = scores[i];
            hs.HiScoreTable[i].Initials = QStringLiteral("P%1").arg(i);
            hs.HiScoreTable[i].Unsaved = true;  // this copy's own, as if each game added it
        }
    }
    std::vector<qint64> scores() const {
        std::vector<qint64> out;
        for (const auto& e : hs.HiScoreTable) out.push_back(e.Score);
        return out;
    }
};

TEST_F(HiScoreTableTest, freshStoreLoadsTenUnknownEntries) {
    hs.HiScoreTable[4] = {QStringLiteral("XYZ"), 77};
    hs.LoadHiScores();
    for (const auto& e : hs.HiScoreTable) {
        EXPECT_EQ(e.Initials, QStringLiteral("???"));
        EXPECT_EQ(e.Score, 0);
    }
    EXPECT_TRUE(toolkit.messages().empty());
}

struct CheckCase {
    const char* what;
    std::vector<qint64> table;
    qint64 total;
    bool added;
    int newIndex;  // where the new entry lands, -1 when refused
};

class CheckHiScoresTest : public HiScoreTableTest,
                          public ::testing::WithParamInterface<CheckCase> {};

TEST_P(CheckHiScoresTest, addsOnlyAboveTheLowestAndSortsTiesBelow) {
    const CheckCase& c = GetParam();
    setScores(c.table);
    const auto before = hs.HiScoreTable;
    const std::optional<int> added = hs.CheckHiScores(c.total);
    EXPECT_EQ(added.has_value(), c.added);
    if (!c.added) {
        for (std::size_t i = 0; i < 10; ++i)
            EXPECT_EQ(hs.HiScoreTable[i].Initials, before[i].Initials);
        return;
    }
    auto s = scores();
    EXPECT_TRUE(std::is_sorted(s.begin(), s.end()));
    ASSERT_GE(c.newIndex, 0);
    EXPECT_EQ(*added, c.newIndex);
    EXPECT_EQ(hs.HiScoreTable[std::size_t(c.newIndex)].Initials, QStringLiteral("???"));
    EXPECT_EQ(hs.HiScoreTable[std::size_t(c.newIndex)].Score, c.total);
    EXPECT_TRUE(hs.HiScoreTable[std::size_t(c.newIndex)].Unsaved);
    int unnamed = 0;
    for (const auto& e : hs.HiScoreTable) unnamed += e.Initials == QStringLiteral("???");
    EXPECT_EQ(unnamed, 1);
    // The lowest old entry is the one that went.
    for (const auto& e : hs.HiScoreTable) EXPECT_NE(e.Initials, QStringLiteral("P0"));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CheckHiScoresTest,
    ::testing::Values(
        CheckCase{"zeroTableTakesOne", {0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, 1, true, 9},
        CheckCase{"zeroTableRefusesZero", {0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, 0, false, -1},
        CheckCase{
            "equalToLowestRefused", {50, 60, 70, 80, 90, 100, 110, 120, 130, 140}, 50, false, -1},
        CheckCase{
            "oneAboveLowestAdded", {50, 60, 70, 80, 90, 100, 110, 120, 130, 140}, 51, true, 0},
        CheckCase{"tieSitsBelowOlder", {50, 60, 70, 70, 70, 100, 110, 120, 130, 140}, 70, true, 1},
        CheckCase{"tieAtTop", {50, 60, 70, 80, 90, 100, 110, 120, 140, 140}, 140, true, 7},
        CheckCase{"newBest", {50, 60, 70, 80, 90, 100, 110, 120, 130, 140}, 999, true, 9},
        CheckCase{"belowAllRefused", {50, 60, 70, 80, 90, 100, 110, 120, 130, 140}, 3, false, -1}),
    [](const auto& info) { return std::string(info.param.what); });

TEST_F(HiScoreTableTest, addToHandEditedUnsortedTableDropsOnlyTheLowest) {
    setScores({500, 10, 20, 30, 40, 50, 60, 70, 80, 90});
    hs.CheckHiScores(15);
    EXPECT_EQ(scores(), (std::vector<qint64>{15, 20, 30, 40, 50, 60, 70, 80, 90, 500}));
}

TEST_F(HiScoreTableTest, sortMovesInitialsWithScores) {
    setScores({9, 8, 7, 6, 5, 4, 3, 2, 1, 0});
    hs.SortHiScores();
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(hs.HiScoreTable[std::size_t(i)].Score, i);
        EXPECT_EQ(hs.HiScoreTable[std::size_t(i)].Initials, QStringLiteral("P%1").arg(9 - i));
    }
}

TEST(FitInitials, neverSplitsACharacter) {
    const QString face = QString::fromUtf8("\xF0\x9F\x98\x80");  // one character, two units
    const QChar lone(char16_t(0xD83D));
    const std::vector<std::pair<QString, QString>> cases = {
        {QString(), QStringLiteral("   ")},
        {QStringLiteral("a"), QStringLiteral("a  ")},
        {QStringLiteral("ABCD"), QStringLiteral("ABC")},
        {QStringLiteral(" x "), QStringLiteral(" x ")},
        {QStringLiteral("A") + face, QStringLiteral("A") + face},
        {QStringLiteral("AB") + face, QStringLiteral("AB ")},
        {face + face, face + QStringLiteral(" ")},
        {QStringLiteral("A") + lone + QStringLiteral("B"), QStringLiteral("AB ")},
    };
    for (const auto& [in, out] : cases) {
        EXPECT_EQ(ModHiScores::fitInitials(in), out) << in.toStdString();
        EXPECT_EQ(ModHiScores::fitInitials(in).size(), 3);
    }
}

TEST(ParseStored, readsOnlyThreeInitialsAndAWholeNumber) {
    struct Case {
        const char* value;
        bool ok;
        const char* initials;
        qint64 score;
    };
    const Case cases[] = {
        {"AB 235", true, "AB ", 235},
        {"???0", true, "???", 0},
        {"A  9223372036854775807", true, "A  ", 9223372036854775807LL},
        {"ABC-5", true, "ABC", -5},
        {"???", false, "", 0},
        {"", false, "", 0},
        {"AB 12.5", false, "", 0},
        {"AB 1,000", false, "", 0},
        {"AB +12", false, "", 0},
        {"AB  12", false, "", 0},
        {"AB 12x", false, "", 0},
        {"AB -", false, "", 0},
        {"AB 9223372036854775808", false, "", 0},
        {"AB 99999999999999999999999999", false, "", 0},
    };
    for (const Case& c : cases) {
        const auto e = ModHiScores::parseStored(QString::fromLatin1(c.value));
        ASSERT_EQ(e.has_value(), c.ok) << c.value;
        if (!c.ok) continue;
        EXPECT_EQ(e->Initials, QString::fromLatin1(c.initials));
        EXPECT_EQ(e->Score, c.score);
    }
}

TEST_F(HiScoreTableTest, badValuesReadAsUnknownAndAreNamedInOneMessage) {
    store.write(ModHiScores::kSection, QStringLiteral("1"), QStringLiteral("AB 10"));
    store.write(ModHiScores::kSection, QStringLiteral("2"), QStringLiteral("CD"));
    store.write(ModHiScores::kSection, QStringLiteral("5"), QStringLiteral("EF 20"));
    store.write(ModHiScores::kSection, QStringLiteral("7"), QStringLiteral("GH lots"));
    hs.LoadHiScores();
    ASSERT_EQ(toolkit.messages().size(), 1u);
    const auto& m = toolkit.messages().front();
    EXPECT_EQ(m.title, QStringLiteral("LoadHiScores"));
    EXPECT_EQ(m.buttons, MessageButtons::Ok);
    EXPECT_TRUE(m.text.contains(QStringLiteral("keys 2 and 7"))) << m.text.toStdString();
    EXPECT_EQ(hs.HiScoreTable[1].Initials, QStringLiteral("AB "));
    EXPECT_EQ(hs.HiScoreTable[5].Score, 20);
    EXPECT_EQ(hs.HiScoreTable[2].Initials, QStringLiteral("???"));
    EXPECT_EQ(hs.HiScoreTable[7].Score, 0);

    // The save that replaces the unreadable values first keeps a copy of them, once.
    hs.SaveHiScores();
    hs.SaveHiScores();
    EXPECT_EQ(store.damagedCopies(), 1);
    EXPECT_EQ(store.read(ModHiScores::kSection, QStringLiteral("2"), {}), QStringLiteral("???0"));
}

TEST_F(HiScoreTableTest, saveWritesStoredFormUnderTheLock) {
    hs.CheckHiScores(235);
    hs.HiScoreTable[9].Initials = QStringLiteral("A  ");
    hs.SaveHiScores();
    EXPECT_TRUE(toolkit.messages().empty());
    EXPECT_EQ(store.read(ModHiScores::kSection, QStringLiteral("9"), {}), QStringLiteral("A  235"));
    EXPECT_EQ(store.read(ModHiScores::kSection, QStringLiteral("0"), {}), QStringLiteral("???0"));
    EXPECT_EQ(store.unlockedChanges(), 0);
    EXPECT_FALSE(store.isLocked());
    EXPECT_FALSE(hs.HiScoreTable[9].Unsaved);
}

// A store that refuses writes, or a lock held by another copy: the failure is reported under
// the operation's name, and the new entry stays in memory and reaches the store later.
TEST_F(HiScoreTableTest, failedSaveKeepsTheEntryForTheNextSave) {
    for (bool refuseLock : {false, true}) {
        SCOPED_TRACE(refuseLock ? "lock" : "write");
        MemoryStore s;
        MemoryToolkit tk;
        ModHiScores h(s, tk);
        (refuseLock ? s.refuseLock(true) : s.refuseWrites(true));
        h.CheckHiScores(300);
        h.HiScoreTable[9].Initials = QStringLiteral("ZED");
        h.SaveHiScores();
        ASSERT_EQ(tk.messages().size(), 1u);
        EXPECT_EQ(tk.messages()[0].title, QStringLiteral("SaveHiScores"));
        EXPECT_FALSE(tk.messages()[0].text.isEmpty());
        EXPECT_EQ(h.HiScoreTable[9].Score, 300);
        EXPECT_FALSE(s.isLocked());

        h.LoadHiScores();  // the board reloads before the next game's check
        EXPECT_EQ(h.HiScoreTable[9].Initials, QStringLiteral("ZED"));
        s.refuseLock(false);
        s.refuseWrites(false);
        h.SaveHiScores();
        EXPECT_EQ(s.read(ModHiScores::kSection, QStringLiteral("9"), {}), QStringLiteral("ZED300"));
    }
}

TEST_F(HiScoreTableTest, clearEmptiesStoreAndTableAndLetsAnyPositiveTotalIn) {
    setScores({50, 60, 70, 80, 90, 100, 110, 120, 130, 140});
    hs.SaveHiScores();
    ASSERT_EQ(store.read(ModHiScores::kSection, QStringLiteral("9"), {}), QStringLiteral("P9 140"));
    hs.ClearHiScores();
    EXPECT_FALSE(store.hasSection(ModHiScores::kSection));
    EXPECT_EQ(scores(), std::vector<qint64>(10, 0));
    EXPECT_TRUE(hs.CheckHiScores(1).has_value());
}

TEST_F(HiScoreTableTest, refusedClearIsReportedAndKeepsTheTable) {
    setScores({50, 60, 70, 80, 90, 100, 110, 120, 130, 140});
    hs.SaveHiScores();
    store.refuseWrites(true);
    hs.ClearHiScores();
    ASSERT_EQ(toolkit.messages().size(), 1u);
    EXPECT_EQ(toolkit.messages()[0].title, QStringLiteral("ClearHiScores"));
    EXPECT_EQ(hs.HiScoreTable[9].Score, 140);
    EXPECT_TRUE(store.hasSection(ModHiScores::kSection));
}

}  // namespace
}  // namespace korvex
