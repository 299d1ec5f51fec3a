// SPDX-License-Identifier: GPL-3.0-or-later
// The high-score table on real settings files in a temporary folder: the exact stored text,
// round trips of awkward initials, files that cannot be written or read, and two copies of the
// game saving into one file.

#include "hiscores/settings_file_store.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QTemporaryDir>
#include <algorithm>

#include "hiscores/mod_hi_scores.h"
#include "support/qstring_printer.h"
#include "ui/memory_toolkit.h"

namespace korvex {
namespace {

QString readFile(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return QStringLiteral("<unreadable>");
    return QString::fromUtf8(f.readAll());
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

// One copy of the game: its own store on the shared file, its own table and message boxes.
struct Game {
    explicit Game(const QString& path, int lockTimeoutMs = 2000) : store(path, lockTimeoutMs) {}
    SettingsFileStore store;
    MemoryToolkit toolkit;
    ModHiScores hs{store, toolkit};

    void finish(qint64 total, const QString& initials) {
        hs.LoadHiScores();
        if (const std::optional<int> row = hs.CheckHiScores(total))
            hs.HiScoreTable[std::size_t(*row)].Initials = initials;
        hs.SaveHiScores();
    }
};

class SettingsFileTest : public ::testing::Test {
  protected:
    QTemporaryDir dir;
    QString path() const { return dir.filePath(QStringLiteral("Korvex/Korvex.conf")); }
};

TEST_F(SettingsFileTest, savedFileHoldsExactlyTheStoredForm) {
    Game g(path());
    g.finish(235, QStringLiteral("AB "));
    g.finish(1000, QStringLiteral("Q  "));
    ASSERT_TRUE(g.toolkit.messages().empty());
    EXPECT_EQ(readFile(path()), QStringLiteral("[HiScores]\n"
                                               "0=???0\n1=???0\n2=???0\n3=???0\n4=???0\n"
                                               "5=???0\n6=???0\n7=???0\n"
                                               "8=AB 235\n9=Q  1000\n"));
}

TEST_F(SettingsFileTest, awkwardInitialsRoundTripExactly) {
    const QString face = QString::fromUtf8("\xF0\x9F\x98\x80");
    const QStringList initials = {QStringLiteral(" A "),    QStringLiteral("  Z"),
                                  QStringLiteral("\"q\""),  QStringLiteral(";=\\"),
                                  QString::fromUtf8("ÄÉø"), QStringLiteral("a,b"),
                                  QStringLiteral("[x]"),    QStringLiteral("@@@"),
                                  QStringLiteral("#!%"),    QStringLiteral("A") + face};
    {
        Game g(path());
        for (int i = 0; i < initials.size(); ++i) g.finish(100 + i, initials[i]);
        ASSERT_TRUE(g.toolkit.messages().empty());
    }
    Game fresh(path());
    fresh.hs.LoadHiScores();
    EXPECT_TRUE(fresh.toolkit.messages().empty());
    for (int i = 0; i < initials.size(); ++i) {
        EXPECT_EQ(fresh.hs.HiScoreTable[std::size_t(i)].Initials, initials[i]);
        EXPECT_EQ(fresh.hs.HiScoreTable[std::size_t(i)].Score, 100 + i);
    }
}

// The settings folder's place is taken by a regular file, so nothing can be written there
// (tests may run as root, for whom file permissions do not stop a write).
TEST_F(SettingsFileTest, unwritableFileIsReportedAndTheTableKept) {
    writeFile(dir.filePath(QStringLiteral("Korvex")), "not a folder");
    Game g(path());
    g.finish(400, QStringLiteral("WIN"));
    ASSERT_EQ(g.toolkit.messages().size(), 1u);
    EXPECT_EQ(g.toolkit.messages()[0].title, QStringLiteral("SaveHiScores"));
    EXPECT_EQ(g.hs.HiScoreTable[9].Score, 400);
    EXPECT_EQ(g.hs.HiScoreTable[9].Initials, QStringLiteral("WIN"));

    g.hs.ClearHiScores();
    ASSERT_EQ(g.toolkit.messages().size(), 2u);
    EXPECT_EQ(g.toolkit.messages()[1].title, QStringLiteral("ClearHiScores"));
    EXPECT_EQ(g.hs.HiScoreTable[9].Score, 400);

    // Once the folder can be made, the kept entry is saved.
    QFile::remove(dir.filePath(QStringLiteral("Korvex")));
    g.hs.LoadHiScores();
    g.hs.SaveHiScores();
    Game other(path());
    other.hs.LoadHiScores();
    EXPECT_EQ(other.hs.HiScoreTable[9].Initials, QStringLiteral("WIN"));
}

TEST_F(SettingsFileTest, settingsPathThatIsAFolderIsReportedOnLoadAndSave) {
    ASSERT_TRUE(QDir().mkpath(path()));
    Game g(path());
    g.finish(10, QStringLiteral("ONE"));
    QStringList titles;
    for (const auto& m : g.toolkit.messages()) titles << m.title;
    EXPECT_EQ(titles, QStringList({"LoadHiScores", "SaveHiScores"}));
    EXPECT_EQ(g.hs.HiScoreTable[9].Initials, QStringLiteral("ONE"));
}

TEST_F(SettingsFileTest, lockHeldByAnotherCopyIsReportedAndNothingWritten) {
    Game g(path(), 50);
    g.finish(10, QStringLiteral("ONE"));
    QLockFile other(g.store.lockFileName());
    ASSERT_TRUE(other.tryLock(0));
    const QString before = readFile(path());
    g.finish(20, QStringLiteral("TWO"));
    ASSERT_EQ(g.toolkit.messages().size(), 1u);
    EXPECT_EQ(g.toolkit.messages()[0].title, QStringLiteral("SaveHiScores"));
    EXPECT_TRUE(g.toolkit.messages()[0].text.contains(QStringLiteral("locked by another running copy")))
        << g.toolkit.messages()[0].text.toStdString();
    EXPECT_EQ(readFile(path()), before);
    EXPECT_EQ(g.hs.HiScoreTable[9].Initials, QStringLiteral("TWO"));
    other.unlock();
    g.hs.SaveHiScores();
    EXPECT_TRUE(readFile(path()).contains(QStringLiteral("9=TWO20")));
}

TEST_F(SettingsFileTest, twoCopiesSavingIntoOneFileKeepBothEntries) {
    Game a(path());
    Game b(path());
    a.hs.LoadHiScores();
    b.hs.LoadHiScores();
    a.finish(120, QStringLiteral("AAA"));
    b.finish(80, QStringLiteral("BBB"));
    a.finish(50, QStringLiteral("AA2"));
    for (Game* g : {&a, &b}) EXPECT_TRUE(g->toolkit.messages().empty());
    Game c(path());
    c.hs.LoadHiScores();
    EXPECT_EQ(c.hs.HiScoreTable[9].Initials, QStringLiteral("AAA"));
    EXPECT_EQ(c.hs.HiScoreTable[8].Initials, QStringLiteral("BBB"));
    EXPECT_EQ(c.hs.HiScoreTable[7].Initials, QStringLiteral("AA2"));
}

// Another process rewrote the file after this copy loaded it; the save keeps its entries.
TEST_F(SettingsFileTest, saveKeepsEntriesWrittenMeanwhileByAnotherProcess) {
    Game a(path());
    a.hs.LoadHiScores();
    a.hs.CheckHiScores(70);
    a.hs.HiScoreTable[9].Initials = QStringLiteral("OUR");
    writeFile(path(),
              "[HiScores]\n0=???0\n1=???0\n2=???0\n3=???0\n4=???0\n5=???0\n6=???0\n"
              "7=???0\n8=XX 55\n9=YY 900\n");
    a.hs.SaveHiScores();
    EXPECT_TRUE(a.toolkit.messages().empty());
    const QString text = readFile(path());
    EXPECT_TRUE(text.contains(QStringLiteral("7=XX 55"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("8=OUR70"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("9=YY 900"))) << text.toStdString();
}

TEST_F(SettingsFileTest, damagedFilesNeverCrashAndReportBadKeysOnce) {
    struct Case {
        QByteArray bytes;
        const char* named;  // what the one message must name; empty: no message
    };
    const Case cases[] = {
        {QByteArray("\x00\xff\xfe\x01garbage\n[[[\n=\n", 18), "damaged"},
        {"[HiScores]\n0=@Variant(\\0\\0\\0\\x7f\\0\\0)\n1=AB,12\n2=\n"
         "4=AB 99999999999999999999999\n5=ok 5\n6=@Invalid()\n7=@ByteArray(AB 7)\n"
         "9=\"unterminated\n",
         "keys 0, 2, 4, 6 and 9 "},
        {"[HiScores]\n0=a\n1=b\n2=c\n3=d\n4=e\n5=f\n6=g\n7=h\n8=i\n9=j\n",
         "keys 0, 1, 2, 3, 4, 5, 6, 7, 8 and 9 "},
        {"[HiScores]\n3=AB 5\n8=XY\n", "key 8 "},
        {QByteArray(100000, 'x'), ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.named);
        writeFile(path(), c.bytes);
        QFile::remove(path() + QStringLiteral(".damaged"));
        Game g(path());
        g.hs.LoadHiScores();
        if (*c.named) {
            ASSERT_EQ(g.toolkit.messages().size(), 1u);
            EXPECT_EQ(g.toolkit.messages()[0].title, QStringLiteral("LoadHiScores"));
            EXPECT_TRUE(g.toolkit.messages()[0].text.contains(QLatin1String(c.named)))
                << g.toolkit.messages()[0].text.toStdString();
        } else {
            EXPECT_TRUE(g.toolkit.messages().empty());
        }
        for (const auto& e : g.hs.HiScoreTable) EXPECT_EQ(e.Initials.size(), 3);
        // A save over the damage leaves a file that reads cleanly.
        g.finish(1, QStringLiteral("NEW"));
        for (const auto& m : g.toolkit.messages())
            EXPECT_NE(m.title, QStringLiteral("SaveHiScores")) << m.text.toStdString();
        // What could not be read is kept beside the table, not lost.
        QFile copy(g.store.damagedCopyName());
        if (*c.named) {
            ASSERT_TRUE(copy.open(QIODevice::ReadOnly));
            EXPECT_EQ(copy.readAll(), c.bytes);
        } else {
            EXPECT_FALSE(copy.exists());
        }
        Game after(path());
        after.hs.LoadHiScores();
        EXPECT_TRUE(after.toolkit.messages().empty());
        EXPECT_TRUE(std::any_of(after.hs.HiScoreTable.begin(), after.hs.HiScoreTable.end(),
                                [](const HiScoreEntry& e) { return e.Initials == "NEW"; }));
    }
}

// A copy that met the damage must notice when another copy (or a hand repair) has mended the
// file, and must never replace the kept copy of the damaged bytes with the mended file.
TEST_F(SettingsFileTest, mendedFileEndsTheDamageAndTheKeptCopySurvives) {
    const QByteArray damaged("[HiScores]\n3=AB 5\n8=XY\n");
    writeFile(path(), damaged);
    Game stale(path()), other(path());
    stale.hs.LoadHiScores();
    other.hs.LoadHiScores();
    ASSERT_EQ(stale.toolkit.messages().size(), 1u);
    other.finish(40, QStringLiteral("OTH"));  // keeps the damaged bytes, writes a good table
    stale.toolkit.clearRecords();
    stale.hs.LoadHiScores();
    EXPECT_TRUE(stale.toolkit.messages().empty()) << stale.toolkit.messages()[0].text.toStdString();
    stale.finish(50, QStringLiteral("STA"));
    for (const auto& m : stale.toolkit.messages()) ADD_FAILURE() << m.text.toStdString();
    QFile copy(stale.store.damagedCopyName());
    ASSERT_TRUE(copy.open(QIODevice::ReadOnly));
    EXPECT_EQ(copy.readAll(), damaged);
    const QString text = readFile(path());
    EXPECT_TRUE(text.contains(QStringLiteral("OTH40")) && text.contains(QStringLiteral("STA50")))
        << text.toStdString();
}

TEST_F(SettingsFileTest, aSecondDamageIsKeptBesideTheFirst) {
    writeFile(path(), "[HiScores]\n8=XY\n");
    Game first(path());
    first.finish(1, QStringLiteral("ONE"));
    writeFile(path(), "[HiScores]\n7=Z\n");
    Game second(path());
    second.finish(2, QStringLiteral("TWO"));
    EXPECT_EQ(readFile(first.store.damagedCopyName()), QStringLiteral("[HiScores]\n8=XY\n"));
    EXPECT_EQ(readFile(first.store.damagedCopyName() + QStringLiteral(".2")),
              QStringLiteral("[HiScores]\n7=Z\n"));
}

TEST(UserSettingsFile, isKorvexConfInTheKorvexFolder) {
    EXPECT_TRUE(SettingsFileStore::userFilePath().endsWith(QStringLiteral("/Korvex/Korvex.conf")))
        << SettingsFileStore::userFilePath().toStdString();
}

}  // namespace
}  // namespace korvex
