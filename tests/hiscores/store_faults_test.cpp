// SPDX-License-Identifier: GPL-3.0-or-later
// The settings file under the faults met outside: copies of the game saving at once in several
// processes, locks left by killed copies, named pipes and devices where the file should be,
// refused writes, changes that keep size and time stamp, and files as QSettings writes them.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QSettings>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QThread>
#include <algorithm>
#include <functional>
#include <iostream>
#include <optional>

#include "hiscores/mod_hi_scores.h"
#include "hiscores/settings_file.h"
#include "hiscores/settings_file_store.h"
#include "support/qstring_printer.h"
#include "ui/memory_toolkit.h"

namespace korvex {
namespace {

constexpr int kProcessTimeoutMs = 20000;
// Far below the half minute a left-over lock once cost; only a hang guard, not a speed target.
constexpr qint64 kPromptMs = 5000;

QByteArray bytesOf(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

void put(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(f.write(bytes), bytes.size());
}

// Every key of an ini text as QSettings itself reads it, through a name it has never seen.
QHash<QString, QString> qsettingsValues(const QByteArray& bytes) {
    static int serial = 0;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("read-%1.conf").arg(++serial));
    put(path, bytes);
    QSettings ini(path, QSettings::IniFormat);
    QHash<QString, QString> values;
    for (const QString& key : ini.allKeys()) {
        const QVariant v = ini.value(key);
        values.insert(
            key, v.typeId() == QMetaType::QStringList ? v.toStringList().join(',') : v.toString());
    }
    return values;
}

// The stored values of the table, as QSettings reads them, with none left out.
QStringList storedEntries(const QString& path) {
    const QHash<QString, QString> values = qsettingsValues(bytesOf(path));
    QStringList entries;
    for (int i = 0; i < 10; ++i) {
        const QString v =
            values.value(QStringLiteral("HiScores/%1").arg(i), QStringLiteral("???0"));
        if (v != QStringLiteral("???0")) entries << v;
    }
    return entries;
}

// A store whose disk can be made to refuse the final write with a chosen error.
class RefusingStore : public SettingsFileStore {
  public:
    using SettingsFileStore::SettingsFileStore;
    int refuseWith = 0;

  protected:
    void replaceFile(const QByteArray& bytes) override {
        if (refuseWith) throw settings_file::writeRefused(fileName(), refuseWith);
        SettingsFileStore::replaceFile(bytes);
    }
};

struct Game {
    explicit Game(const QString& path, int lockTimeoutMs = SettingsFileStore::kDefaultLockTimeoutMs)
        : store(path, lockTimeoutMs) {}
    RefusingStore store;
    MemoryToolkit toolkit;
    ModHiScores hs{store, toolkit};

    // A game ending with `total`; `beforeSave` runs between the load and the save.
    void finish(qint64 total, const QString& initials,
                const std::function<void()>& beforeSave = {}) {
        hs.LoadHiScores();
        if (const std::optional<int> row = hs.CheckHiScores(total))
            hs.HiScoreTable[std::size_t(*row)].Initials = initials;
        if (beforeSave) beforeSave();
        hs.SaveHiScores();
    }
    QStringList titles() const {
        QStringList out;
        for (const auto& m : toolkit.messages()) out << m.title;
        return out;
    }
};

// The test writer program, with every wait bounded: a hang fails the test instead of CI.
class Writer {
  public:
    explicit Writer(const QStringList& args) {
        m_process.setProgram(QStringLiteral(KORVEX_HISCORE_WRITER));
        m_process.setArguments(args);
        m_process.start();
    }
    ~Writer() {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.kill();
            m_process.waitForFinished(kProcessTimeoutMs);
        }
    }
    bool waitForLine(const QByteArray& line) {
        QElapsedTimer waited;
        waited.start();
        for (;;) {
            m_output += m_process.readAllStandardOutput();
            if (m_output.contains(line + '\n')) return true;
            if (waited.elapsed() > kProcessTimeoutMs || m_process.state() == QProcess::NotRunning)
                return false;
            m_process.waitForReadyRead(200);
        }
    }
    // The lines it printed besides "ready" and "busy <n>" (added to `busy`), or nothing when it
    // did not end in time.
    std::optional<QStringList> finish(int* busy = nullptr) {
        if (m_process.state() != QProcess::NotRunning &&
            !m_process.waitForFinished(kProcessTimeoutMs))
            return std::nullopt;
        m_output += m_process.readAllStandardOutput();
        QStringList lines;
        if (m_process.exitStatus() != QProcess::NormalExit || m_process.exitCode() != 0)
            lines << QStringLiteral("exit code %1: ").arg(m_process.exitCode()) +
                         QString::fromUtf8(m_process.readAllStandardError());
        for (const QString& line : QString::fromUtf8(m_output).split('\n', Qt::SkipEmptyParts)) {
            if (line.startsWith(QStringLiteral("busy ")) && busy)
                *busy += line.mid(5).toInt();
            else if (line != QStringLiteral("ready") && !line.startsWith(QStringLiteral("busy ")))
                lines << line;
        }
        return lines;
    }
    qint64 pid() const { return m_process.processId(); }
    void kill() {
        m_process.kill();
        m_process.waitForFinished(kProcessTimeoutMs);
    }

  private:
    QProcess m_process;
    QByteArray m_output;
};

class StoreFaultTest : public ::testing::Test {
  protected:
    QTemporaryDir dir;
    QString path() const { return dir.filePath(QStringLiteral("Korvex/Korvex.conf")); }
    void SetUp() override { ASSERT_TRUE(QDir().mkpath(dir.filePath(QStringLiteral("Korvex")))); }
};

// --- several copies at once -------------------------------------------------------------

struct Tally {
    int trials = 0, entries = 0, lost = 0, duplicated = 0, unexpected = 0, busy = 0;
};

// One trial: `copies` processes started together, each ending `gamesEach` games with totals
// that no other game shares. The table must end as the ten best of all of them, each once.
void runTrial(int copies, int gamesEach, quint32 seed, Tally& tally) {
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("Korvex/Korvex.conf"));
    const QString go = dir.filePath(QStringLiteral("go"));
    QList<qint64> totals;
    for (int i = 1; i <= copies * gamesEach; ++i) totals << i * 10;
    std::shuffle(totals.begin(), totals.end(), QRandomGenerator(seed));
    QStringList offered;
    std::vector<std::unique_ptr<Writer>> writers;
    for (int c = 0; c < copies; ++c) {
        const QString initials = QStringLiteral("C%1 ").arg(c);
        QStringList args = {QStringLiteral("add"), file, go, initials};
        for (int g = 0; g < gamesEach; ++g) {
            const qint64 total = totals[c * gamesEach + g];
            args << QString::number(total);
            offered << initials + QString::number(total);
        }
        writers.push_back(std::make_unique<Writer>(args));
    }
    for (auto& w : writers) ASSERT_TRUE(w->waitForLine("ready"));
    put(go, "go");
    for (auto& w : writers) {
        const auto lines = w->finish(&tally.busy);
        ASSERT_TRUE(lines.has_value()) << "a writer did not finish in time";
        tally.unexpected += int(lines->size());
        for (const QString& line : *lines) ADD_FAILURE() << line.toStdString();
    }
    std::sort(offered.begin(), offered.end(), [](const QString& a, const QString& b) {
        return a.mid(3).toLongLong() > b.mid(3).toLongLong();
    });
    const QStringList best = offered.mid(0, 10);
    const QStringList stored = storedEntries(file);
    for (const QString& e : best) tally.lost += stored.contains(e) ? 0 : 1;
    for (const QString& e : stored) tally.duplicated += stored.count(e) > 1 ? 1 : 0;
    EXPECT_EQ(stored.size(), best.size()) << stored.join('|').toStdString();
    ++tally.trials;
    tally.entries += copies * gamesEach;
}

// KORVEX_HISCORE_TRIALS raises the number of trials per row for a longer hunt.
TEST(ManyCopies, savingAtOnceLosesAndDuplicatesNothing) {
    const int trials = std::max(1, qEnvironmentVariableIntValue("KORVEX_HISCORE_TRIALS"));
    struct Row {
        int copies, gamesEach, defaultTrials;
    };
    for (const Row& row : {Row{2, 5, 4}, Row{6, 3, 2}}) {
        Tally t;
        const int n =
            qEnvironmentVariableIsSet("KORVEX_HISCORE_TRIALS") ? trials : row.defaultTrials;
        for (int i = 0; i < n && !HasFatalFailure(); ++i)
            runTrial(row.copies, row.gamesEach, quint32(1000 * row.copies + i), t);
        std::cout << "copies " << row.copies << ", games each " << row.gamesEach << ": trials "
                  << t.trials << ", entries " << t.entries << ", lost " << t.lost << ", duplicated "
                  << t.duplicated << ", busy retries " << t.busy << std::endl;
        EXPECT_EQ(t.lost, 0);
        EXPECT_EQ(t.duplicated, 0);
        EXPECT_EQ(t.unexpected, 0);
    }
}

// --- locks ---------------------------------------------------------------------------------

TEST_F(StoreFaultTest, lockFilesLeftBehindAreTakenAtOnce) {
    const QByteArray deadOwner = QByteArray::number(qint64(getpid()) + 1000000) + "\nkorvex\n" +
                                 QSysInfo::machineHostName().toUtf8() + "\n";
    struct Case {
        const char* what;
        QString name;
        QByteArray bytes;
    };
    const Case cases[] = {
        {"empty lock", QStringLiteral("Korvex.hiscores-lock"), ""},
        {"dead owner", QStringLiteral("Korvex.hiscores-lock"), deadOwner},
        {"garbage", QStringLiteral("Korvex.hiscores-lock"), QByteArray("\xff\x00\x01", 3)},
        {"QSettings' own empty lock", QStringLiteral("Korvex.conf.lock"), ""},
    };
    qint64 total = 10;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        put(dir.filePath(QStringLiteral("Korvex/") + c.name), c.bytes);
        Game g(path());
        QElapsedTimer timer;
        timer.start();
        g.finish(++total, QStringLiteral("LCK"));
        EXPECT_LT(timer.elapsed(), kPromptMs);
        EXPECT_TRUE(g.toolkit.messages().empty()) << g.toolkit.messages()[0].text.toStdString();
        EXPECT_TRUE(storedEntries(path()).contains(QStringLiteral("LCK%1").arg(total)));
    }
}

TEST_F(StoreFaultTest, lockOfAKilledCopyIsTakenAsSoonAsItDies) {
    Writer holder({QStringLiteral("hold"), path()});
    ASSERT_TRUE(holder.waitForLine("locked"));
    Game g(path(), 100);
    g.finish(300, QStringLiteral("WIN"));
    ASSERT_EQ(g.toolkit.messages().size(), 1u);
    EXPECT_TRUE(g.toolkit.messages()[0].text.contains(
        QStringLiteral("locked by another running copy of Korvex (process %1").arg(holder.pid())))
        << g.toolkit.messages()[0].text.toStdString();
    EXPECT_TRUE(storedEntries(path()).isEmpty());
    holder.kill();
    QElapsedTimer timer;
    timer.start();
    g.hs.SaveHiScores();
    EXPECT_LT(timer.elapsed(), kPromptMs);
    EXPECT_EQ(g.toolkit.messages().size(), 1u);
    EXPECT_EQ(storedEntries(path()), QStringList{QStringLiteral("WIN300")});
}

// --- what lies at the path -------------------------------------------------------------

TEST_F(StoreFaultTest, pipesDevicesAndBrokenLinksAreReportedWithoutWaiting) {
    struct Case {
        const char* what;
        std::function<int(const QByteArray&)> make;
        mode_t type;  // what must still be at the path afterwards
    };
    const QByteArray nowhere = QFile::encodeName(dir.filePath(QStringLiteral("nowhere")));
    const Case cases[] = {
        {"named pipe", [](const QByteArray& p) { return ::mkfifo(p.constData(), 0644); }, S_IFIFO},
        {"link to a device",
         [](const QByteArray& p) { return ::symlink("/dev/zero", p.constData()); }, S_IFLNK},
        {"link to nothing",
         [&](const QByteArray& p) { return ::symlink(nowhere.constData(), p.constData()); },
         S_IFLNK},
    };
    const QString go = dir.filePath(QStringLiteral("go"));
    put(go, "go");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const QByteArray file = QFile::encodeName(path());
        ::unlink(file.constData());
        ASSERT_EQ(c.make(file), 0);
        Writer w({QStringLiteral("add"), path(), go, QStringLiteral("ABC"), QStringLiteral("7")});
        const auto lines = w.finish();
        ASSERT_TRUE(lines.has_value()) << "the game hung on it";
        ASSERT_EQ(lines->size(), 2) << lines->join('\n').toStdString();
        EXPECT_TRUE((*lines)[0].startsWith(QStringLiteral("LoadHiScores: ")));
        EXPECT_TRUE((*lines)[1].startsWith(QStringLiteral("SaveHiScores: ")));
        for (int i = 0; i < 2; ++i)
            EXPECT_TRUE((*lines)[i].contains(path() + QStringLiteral(" is not a regular file")))
                << (*lines)[i].toStdString();
        struct stat st;
        ASSERT_EQ(::lstat(file.constData(), &st), 0);
        EXPECT_EQ(st.st_mode & S_IFMT, c.type);
    }
    struct stat zero;
    ASSERT_EQ(::stat("/dev/zero", &zero), 0);
    EXPECT_TRUE(S_ISCHR(zero.st_mode));
}

TEST_F(StoreFaultTest, oversizedFileIsReportedDamagedAndKept) {
    put(path(), "[HiScores]\n9=BIG 5\n" + QByteArray(settings_file::kMaxBytes, ';'));
    Game g(path());
    g.finish(40, QStringLiteral("NEW"));
    ASSERT_EQ(g.titles(), QStringList{QStringLiteral("LoadHiScores")});
    EXPECT_TRUE(g.toolkit.messages()[0].text.contains(QStringLiteral("larger than 1 MiB")));
    EXPECT_EQ(storedEntries(path()), QStringList{QStringLiteral("NEW40")});
    EXPECT_EQ(QFileInfo(g.store.damagedCopyName()).size(), settings_file::kMaxBytes + 19);
}

// --- what a save writes ------------------------------------------------------------------

QByteArray fullTable() {
    QByteArray table = "[HiScores]\n";
    for (int i = 0; i < 10; ++i)
        table += QByteArray::number(i) + '=' + QByteArray(3, char('A' + i)) +
                 QByteArray::number((i + 1) * 100) + '\n';
    return table;
}

// Whatever else the player's file holds, a save leaves it as it was and never makes the file
// one that the next load refuses; a save that would is refused before anything is replaced.
TEST_F(StoreFaultTest, aSaveNeverWritesAFileTheLoadRefuses) {
    struct Case {
        const char* what;
        QByteArray foreign;  // before the table
        bool refused;
    };
    const QByteArray letters = QString(150000, QChar(0xC4)).toUtf8();
    const Case cases[] = {
        {"a foreign list of 600,000 commas", "[General]\nbig=" + QByteArray(600000, ',') + "\n\n",
         false},
        {"foreign letters outside ASCII", "[General]\nname=" + letters + "\n\n", false},
        {"a file just under the bound",
         "[General]\npad=" + QByteArray(settings_file::kMaxBytes - 122, 'x') + "\n\n", true},
    };
    const QString go = dir.filePath(QStringLiteral("go"));
    put(go, "go");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const QByteArray original = c.foreign + fullTable();
        put(path(), original);
        Writer w({QStringLiteral("add"), path(), go, QStringLiteral("NEW"),
                  QStringLiteral("123456789012")});
        const auto lines = w.finish();
        ASSERT_TRUE(lines.has_value());
        const QByteArray after = bytesOf(path());
        if (c.refused) {
            ASSERT_EQ(lines->size(), 1) << lines->join('\n').toStdString();
            EXPECT_TRUE((*lines)[0].contains(QStringLiteral("would grow larger than 1 MiB")));
            EXPECT_EQ(after, original);
            continue;
        }
        EXPECT_TRUE(lines->isEmpty()) << lines->join('\n').toStdString();
        EXPECT_TRUE(after.startsWith(c.foreign)) << "the foreign keys were respelt";
        EXPECT_LE(after.size(), original.size() + 16);
        Game next(path());
        next.hs.LoadHiScores();
        EXPECT_TRUE(next.toolkit.messages().empty());
        EXPECT_EQ(next.hs.HiScoreTable[9].Initials, QStringLiteral("NEW"));
        EXPECT_EQ(next.hs.HiScoreTable[0].Score, 200);
    }
}

// A copy killed while saving leaves its temporary file; the next save clears every one whose
// writer is gone, and only those.
TEST_F(StoreFaultTest, savesClearWhatKilledSavesLeftBehind) {
    put(path(), "[General]\nbig=" + QByteArray(600000, ',') + "\n\n" + fullTable());
    const QString go = dir.filePath(QStringLiteral("go"));
    put(go, "go");
    for (int kill = 0; kill < 12; ++kill) {
        Writer w({QStringLiteral("add"), path(), go, QStringLiteral("K%1").arg(kill, 2),
                  QString::number(5000 + kill)});
        QThread::msleep(20 + QRandomGenerator::global()->bounded(60));
        w.kill();
    }
    const QString live =
        path() + QStringLiteral(".tmp-%1-mine").arg(QCoreApplication::applicationPid());
    put(live, "being written");
    const QString unnamed = path() + QStringLiteral(".tmp-older");
    put(unnamed, "left by someone");
    const QDateTime old = QDateTime::currentDateTime().addSecs(-600);
    QFile f(unnamed);
    ASSERT_TRUE(f.open(QIODevice::ReadWrite) &&
                f.setFileTime(old, QFileDevice::FileModificationTime));
    f.close();
    Writer w({QStringLiteral("add"), path(), go, QStringLiteral("END"), QStringLiteral("9999")});
    ASSERT_TRUE(w.finish().has_value());
    const QStringList left =
        QDir(QFileInfo(path()).absolutePath()).entryList({QStringLiteral("Korvex.conf.tmp-*")});
    EXPECT_EQ(left, QStringList{QFileInfo(live).fileName()});
    EXPECT_EQ(storedEntries(path()).size(), 10);
    EXPECT_TRUE(storedEntries(path()).contains(QStringLiteral("END9999")));
}

// A pipe where the lock file belongs is named as the lock file; a full runtime folder gives way
// to a scratch place beside the file; and a save refused as the game closes says it is lost.
TEST_F(StoreFaultTest, faultsAroundTheFileAreToldAsTheyAre) {
    const QString lock = SettingsFileStore(path()).lockFileName();
    ASSERT_EQ(::mkfifo(QFile::encodeName(lock).constData(), 0644), 0);
    const QString go = dir.filePath(QStringLiteral("go"));
    put(go, "go");
    Writer piped({QStringLiteral("add"), path(), go, QStringLiteral("ABC"), QStringLiteral("7")});
    auto lines = piped.finish();
    ASSERT_TRUE(lines.has_value() && lines->size() == 1);
    EXPECT_TRUE(
        (*lines)[0].contains(QStringLiteral("its lock file %1 is not a regular file").arg(lock)))
        << (*lines)[0].toStdString();
    QFile::remove(lock);

    QProcess full;
    full.start(QStringLiteral("unshare"),
               {QStringLiteral("-m"), QStringLiteral("sh"), QStringLiteral("-c"),
                QStringLiteral("mount -t tmpfs -o size=16k tmpfs \"$1\" || exit 77;"
                               " head -c 100000 /dev/zero > \"$1/filler\" 2>/dev/null;"
                               " XDG_RUNTIME_DIR=\"$1\" exec \"$2\" close \"$3\" RUN 77"),
                QStringLiteral("sh"), dir.filePath(QStringLiteral("runtime")),
                QStringLiteral(KORVEX_HISCORE_WRITER), path()});
    ASSERT_TRUE(QDir().mkpath(dir.filePath(QStringLiteral("runtime"))));
    ASSERT_TRUE(full.waitForFinished(kProcessTimeoutMs));
    if (full.exitCode() != 77) {
        EXPECT_EQ(full.exitCode(), 0);
        EXPECT_EQ(full.readAllStandardOutput(), "") << "the table could not be read or saved";
        EXPECT_TRUE(storedEntries(path()).contains(QStringLiteral("RUN77")));
    }

    QFile::remove(path());
    ASSERT_EQ(::mkfifo(QFile::encodeName(path()).constData(), 0644), 0);
    QProcess closing;
    closing.start(QStringLiteral(KORVEX_HISCORE_WRITER),
                  {QStringLiteral("close"), path(), QStringLiteral("BYE"), QStringLiteral("88")});
    ASSERT_TRUE(closing.waitForFinished(kProcessTimeoutMs));
    const QString told = QString::fromUtf8(closing.readAllStandardOutput());
    EXPECT_TRUE(
        told.contains(QStringLiteral("Korvex is closing, so the new high score could not "
                                     "be kept: it is lost.")))
        << told.toStdString();
    EXPECT_EQ(told.count(QStringLiteral("saved again when High Scores is opened or the game is "
                                        "closed")),
              1)
        << "only the save while the game runs may promise a later one";
}

// --- refused writes ------------------------------------------------------------------------

// The system's limit on file size refuses every write of this process, even root's.
class FileSizeLimit {
  public:
    FileSizeLimit() {
        ::signal(SIGXFSZ, SIG_IGN);
        ::getrlimit(RLIMIT_FSIZE, &m_old);
        struct rlimit small = m_old;
        small.rlim_cur = 16;
        ::setrlimit(RLIMIT_FSIZE, &small);
    }
    ~FileSizeLimit() { ::setrlimit(RLIMIT_FSIZE, &m_old); }

  private:
    struct rlimit m_old;
};

// Refused, then writable again, then the list opened and the table saved: each entry is on disk
// exactly once, another copy's entry saved meanwhile survives, and a refused clear wipes nothing.
TEST_F(StoreFaultTest, refusedWriteLeavesNothingToBeWrittenBackLater) {
    struct Case {
        const char* what;
        int error;  // 0: a real refusal by the file-size limit
        const char* named;
    };
    const Case cases[] = {{"disk full", ENOSPC, "could not be written: the disk is full"},
                          {"permission", EACCES, "could not be written: permission was refused"},
                          {"size limit", 0, ""}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QFile::remove(path());
        std::unique_ptr<FileSizeLimit> limit;
        Game a(path()), b(path());
        auto refuse = [&] {
            a.store.refuseWith = c.error;
            if (!c.error) limit = std::make_unique<FileSizeLimit>();
        };
        auto allow = [&] {
            a.store.refuseWith = 0;
            limit.reset();
        };
        a.finish(100, QStringLiteral("AAA"));
        a.finish(200, QStringLiteral("BBB"), refuse);
        allow();
        ASSERT_EQ(a.titles(), QStringList{QStringLiteral("SaveHiScores")});
        EXPECT_TRUE(a.toolkit.messages()[0].text.contains(QLatin1String(c.named)))
            << a.toolkit.messages()[0].text.toStdString();
        b.finish(150, QStringLiteral("CCC"));
        a.hs.LoadHiScores();
        a.hs.SaveHiScores();
        EXPECT_EQ(a.titles(), QStringList{QStringLiteral("SaveHiScores")});
        const QStringList three = {QStringLiteral("AAA100"), QStringLiteral("CCC150"),
                                   QStringLiteral("BBB200")};
        EXPECT_EQ(storedEntries(path()), three);

        const QByteArray before = bytesOf(path());
        refuse();
        a.hs.ClearHiScores();
        allow();
        EXPECT_EQ(a.titles().last(), QStringLiteral("ClearHiScores"));
        EXPECT_EQ(bytesOf(path()), before);
        a.finish(50, QStringLiteral("DDD"));
        EXPECT_EQ(storedEntries(path()), QStringList{QStringLiteral("DDD50")} + three);
        EXPECT_EQ(a.toolkit.messages().size(), 2u);
    }
}

// --- freshness -----------------------------------------------------------------------------

TEST_F(StoreFaultTest, changeKeepingSizeAndTimeStampIsSeen) {
    Game a(path());
    a.finish(70, QStringLiteral("OUR"));
    const QByteArray file = QFile::encodeName(path());
    struct stat before;
    ASSERT_EQ(::stat(file.constData(), &before), 0);
    QByteArray bytes = bytesOf(path());
    ASSERT_TRUE(bytes.contains("8=???0\n"));
    bytes.replace("8=???0\n", "8=XY 5\n");  // another copy's entry, in as many bytes
    put(path(), bytes);
    const struct timespec times[2] = {before.st_atim, before.st_mtim};
    ASSERT_EQ(::utimensat(AT_FDCWD, file.constData(), times, 0), 0);
    struct stat after;
    ASSERT_EQ(::stat(file.constData(), &after), 0);
    ASSERT_EQ(after.st_size, before.st_size);
    ASSERT_EQ(after.st_mtim.tv_nsec, before.st_mtim.tv_nsec);

    a.hs.LoadHiScores();
    EXPECT_EQ(a.hs.HiScoreTable[8].Initials, QStringLiteral("XY "));
    a.finish(60, QStringLiteral("NEW"));
    EXPECT_EQ(storedEntries(path()), QStringList({QStringLiteral("XY 5"), QStringLiteral("NEW60"),
                                                  QStringLiteral("OUR70")}));
}

// --- the stored form -----------------------------------------------------------------------

// A file as QSettings writes it, with the table and other settings beside it.
QByteArray writtenByQSettings(const QStringList& initials) {
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("written.conf"));
    {
        QSettings ini(file, QSettings::IniFormat);
        ini.setValue(QStringLiteral("volume"), QStringLiteral(" loud, \"very\" "));
        ini.setValue(QStringLiteral("Window/size"), QStringList{QStringLiteral("a"), QString()});
        for (int i = 0; i < initials.size(); ++i)
            ini.setValue(QStringLiteral("HiScores/%1").arg(i), initials[i] + QString::number(i));
        ini.setValue(QStringLiteral("Z/\u00e9t\u00e9"), QStringLiteral("\u00c4;=\\\n\t\x01"));
    }
    return bytesOf(file);
}

// Every file the game has read reads the same; what it writes is byte for byte what QSettings
// writes for the same table, and every other setting keeps its value.
TEST_F(StoreFaultTest, storedFormIsQSettingsOwn) {
    const QString face = QString::fromUtf8("\xF0\x9F\x98\x80");
    const QByteArray written =
        writtenByQSettings({QStringLiteral(" A "), QStringLiteral("  Z"), QStringLiteral("\"q\""),
                            QStringLiteral(";=\\"), QString::fromUtf8("ÄÉø"), QStringLiteral("a,b"),
                            QStringLiteral("@@@"), QStringLiteral("A") + face,
                            QStringLiteral("\t\n\r"), QStringLiteral("#[]")});
    const QByteArray cases[] = {
        written,
        "\xef\xbb\xbf[General]\r\nx=1\r\n[HiScores]\r\n0=\"  Q\"7\r\n1=AB\\x43\\x38\r\n"
        "; a comment\r\n2=@String(XYZ9)\r\n%33=K, L10\r\n4=\"a\\\"b\"5\r\n[Other]\r\nk=v\r\n",
        "[HiScores]\n5=\"   \"\\\n12\n6=a\\tb6\n[HiScores]\n7=tw 7\n",
    };
    for (const QByteArray& original : cases) {
        SCOPED_TRACE(original.toStdString());
        put(path(), original);
        const QHash<QString, QString> before = qsettingsValues(original);
        Game g(path());
        g.hs.LoadHiScores();
        EXPECT_TRUE(g.toolkit.messages().empty());
        for (int i = 0; i < 10; ++i) {
            const auto expected = ModHiScores::parseStored(
                before.value(QStringLiteral("HiScores/%1").arg(i), QStringLiteral("???0")));
            ASSERT_TRUE(expected.has_value());
            EXPECT_EQ(g.hs.HiScoreTable[std::size_t(i)].Initials, expected->Initials) << i;
            EXPECT_EQ(g.hs.HiScoreTable[std::size_t(i)].Score, expected->Score) << i;
        }
        g.finish(1000, QStringLiteral("TOP"));
        ASSERT_TRUE(g.toolkit.messages().empty()) << g.toolkit.messages()[0].text.toStdString();

        QTemporaryDir other;
        const QString reference = other.filePath(QStringLiteral("reference.conf"));
        put(reference, original);
        {
            QSettings ini(reference, QSettings::IniFormat);
            for (int i = 0; i < 10; ++i)
                ini.setValue(QStringLiteral("HiScores/%1").arg(i),
                             ModHiScores::storedForm(g.hs.HiScoreTable[std::size_t(i)]));
        }
        EXPECT_EQ(bytesOf(path()), bytesOf(reference));
        const QHash<QString, QString> after = qsettingsValues(bytesOf(path()));
        for (auto it = before.begin(); it != before.end(); ++it) {
            if (!it.key().startsWith(QStringLiteral("HiScores/"))) {
                EXPECT_EQ(after.value(it.key()), it.value()) << it.key().toStdString();
            }
        }
    }
}

}  // namespace
}  // namespace korvex
