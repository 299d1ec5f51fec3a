// SPDX-License-Identifier: GPL-3.0-or-later
// The record of games on a disk that misbehaves, as a running game meets it: the record lives in
// a process of its own (the helper's session), the fault is made from outside with the tools a
// player's machine has (chattr, a read-only or full mount, another copy holding a write, a
// damaged file, a newer version's file), and every step checks what the player is told and what
// the file then holds. Mount faults run in a mount namespace of their own; a machine that allows
// none skips them.

#include <gtest/gtest.h>

#include <QProcess>
#include <QTemporaryDir>
#include <vector>

#include "support/core_application.h"

namespace korvex::test {
namespace {

constexpr int kTimeoutMs = 30000;

struct Step {
    const char* shell = nullptr;    // run first; must succeed
    const char* command = nullptr;  // then sent to the session: record, read or close
    std::vector<const char*> said;  // texts its answer must hold
    int messages = 0;               // message boxes it must show, no more and no fewer
    std::vector<const char*> unsaid{};
};

struct Case {
    const char* name;
    const char* setUp;    // shell, before the session starts; exit 77 skips the case
    const char* session;  // how the session starts, in shell
    std::vector<Step> steps;
    const char* check;  // shell, after the session ended; must succeed
};

const char* const kSession = "exec \"$HELPER\" session \"$FILE\"";
// A folder of its own mounted over $DIR, in a mount namespace of the session's own.
const char* const kFullDisk =
    "exec unshare -m sh -c 'mount -t tmpfs -o size=192k tmpfs \"$DIR\" || exit 77;"
    " head -c 1000000 /dev/zero > \"$DIR/filler\" 2>/dev/null;"
    " exec \"$HELPER\" session \"$FILE\"'";
const char* const kReadOnlyDisk =
    "exec unshare -m sh -c 'mount --bind \"$DIR\" \"$DIR\" &&"
    " mount -o remount,bind,ro \"$DIR\" || exit 77; exec \"$HELPER\" session \"$FILE\"'";
const char* const kStored = "\"$HELPER\" record \"$FILE\" 2 5";
const char* const kImmutable = "\"$HELPER\" record \"$FILE\" 2 5 && chattr +i \"$FILE\" || exit 77";

const std::vector<Case>& cases() {
    static const std::vector<Case> all = {
        {"a file made read-only is written again once it can be",
         kImmutable,
         kSession,
         {{nullptr, "record", {"the file is read-only", "It is kept", "waiting 1"}, 1},
          {"chattr -i \"$FILE\"", "close", {"waiting 0"}, 0}},
         "test \"$(sqlite3 \"$FILE\" 'SELECT count(*) FROM games')\" = 3"},
        {"a game that still cannot be written is told lost when the board closes",
         kImmutable,
         kSession,
         {{nullptr, "record", {"the file is read-only", "waiting 1"}, 1},
          {nullptr, "close", {"could not be recorded", "It is lost", "waiting 1"}, 1}},
         "chattr -i \"$FILE\" && test \"$(sqlite3 \"$FILE\" 'SELECT count(*) FROM games')\" = 2"},
        {"a first-version file on a read-only disk is shown as it is, its games all there",
         "\"$HELPER\" record \"$FILE\" 2 5 && sqlite3 \"$FILE\" 'ALTER TABLE games DROP COLUMN luck;"
         " ALTER TABLE games DROP COLUMN given_up; DROP TABLE practice_answers;"
         " DROP TABLE practice_positions; PRAGMA user_version = 1' && md5sum \"$FILE\" > \"$DIR/found\"",
         kReadOnlyDisk,
         {{nullptr, "read", {"games 2"}, 0, {"problem:"}}},
         "md5sum -c --quiet \"$DIR/found\""},
        {"a newer version's file is left as it is, and Statistics says why it shows nothing",
         "\"$HELPER\" record \"$FILE\" 1 5 && sqlite3 \"$FILE\" 'PRAGMA user_version = 3' &&"
         " md5sum \"$FILE\" > \"$DIR/found\"",
         kSession,
         {{nullptr, "record", {"newer version", "cannot add games", "waiting 1"}, 1},
          {nullptr, "record", {"waiting 2"}, 0},
          {nullptr, "read", {"problem:", "newer version", "games 2"}, 0},
          {nullptr, "close", {}, 0}},
         "md5sum -c --quiet \"$DIR/found\""},
        {"reading never waits for another copy's write, which a game end waits out later",
         kStored,
         kSession,
         {{"(\"$HELPER\" lock \"$FILE\" 1500 > \"$DIR/locked\" & echo $! > \"$DIR/pid\");"
           " for i in $(seq 200); do grep -q locked \"$DIR/locked\" && exit 0; sleep 0.05; done;"
           " exit 1",
           "read",
           {"games 2"},
           0,
           {"problem:"}},
          {nullptr, "record", {"another running copy of Korvex", "It is kept", "waiting 1"}, 1},
          {"while kill -0 $(cat \"$DIR/pid\") 2>/dev/null; do sleep 0.05; done",
           "close",
           {"waiting 0"},
           0}},
         "test \"$(sqlite3 \"$FILE\" 'SELECT count(*) FROM games')\" = 3"},
        {"a record in a folder that cannot be written can still be viewed",
         "\"$HELPER\" record \"$FILE\" 2 5 && chattr +i \"$FILE\" \"$DIR\" || exit 77",
         kSession,
         {{nullptr, "read", {"games 2"}, 0, {"problem:"}},
          {nullptr, "record", {"the file is read-only", "waiting 1"}, 1}},
         "chattr -i \"$DIR\" \"$FILE\""},
        {"a damaged file is set aside exactly as it was found",
         "\"$HELPER\" record \"$FILE\" 30 5 && head -c 4096 /dev/urandom |"
         " dd of=\"$FILE\" bs=1 seek=4096 conv=notrunc 2>/dev/null && cp \"$FILE\" \"$DIR/found\"",
         kSession,
         {{nullptr, "read", {"was damaged", "games 0"}, 1}},
         "cmp \"$DIR/found\" \"$(ls \"$FILE\".damaged-* | head -n 1)\""},
        {"a full disk is named as such",
         nullptr,
         kFullDisk,
         {{nullptr, "record", {"the disk is full", "waiting 1"}, 1}},
         nullptr},
        {"a disk that may only be read is named as such, and the record on it can be viewed",
         kStored,
         kReadOnlyDisk,
         {{nullptr, "record", {"the disk may only be read", "waiting 1"}, 1},
          {nullptr, "read", {"games 3"}, 0, {"problem:"}}},
         nullptr},
        {"a new record in a folder that cannot be written names the folder",
         "chattr +i \"$DIR\" || exit 77",
         kSession,
         {{nullptr, "record", {"its folder cannot be written", "waiting 1"}, 1},
          {nullptr, "read", {"games 1"}, 0, {"problem:"}}},
         "chattr -i \"$DIR\""},
    };
    return all;
}

int runShell(const char* script, const QProcessEnvironment& env) {
    QProcess shell;
    shell.setProcessEnvironment(env);
    shell.start(QStringLiteral("sh"), {QStringLiteral("-c"), QString::fromUtf8(script)});
    if (!shell.waitForFinished(kTimeoutMs)) return -1;
    return shell.exitCode();
}

// The session's answer to one command: its lines up to "done".
QStringList answer(QProcess& session, const char* command) {
    session.write(QByteArray(command) + '\n');
    QStringList lines;
    while (lines.isEmpty() || lines.back() != QLatin1String("done")) {
        if (!session.canReadLine() && !session.waitForReadyRead(kTimeoutMs)) break;
        while (session.canReadLine()) lines << QString::fromUtf8(session.readLine()).trimmed();
    }
    return lines;
}

void checkStep(const Step& step, const QStringList& lines) {
    const QString all = lines.join(QLatin1Char('\n'));
    ASSERT_TRUE(!lines.isEmpty() && lines.back() == QLatin1String("done")) << qPrintable(all);
    for (const char* text : step.said) EXPECT_TRUE(all.contains(QLatin1String(text))) << text;
    for (const char* text : step.unsaid) EXPECT_FALSE(all.contains(QLatin1String(text))) << text;
    EXPECT_EQ(lines.filter(QStringLiteral("message: ")).size(), step.messages);
    std::printf("    %s:\n      %s\n", step.command, qPrintable(lines.join("\n      ")));
}

class RecordFaults : public ::testing::TestWithParam<std::size_t> {
  protected:
    static void SetUpTestSuite() { ensureCoreApplication(); }
    void TearDown() override { runShell("chattr -R -i \"$DIR\" 2>/dev/null; true", env); }

    QTemporaryDir dir;
    QProcessEnvironment env = [this] {
        QProcessEnvironment e = QProcessEnvironment::systemEnvironment();
        e.insert(QStringLiteral("DIR"), dir.path());
        e.insert(QStringLiteral("FILE"), dir.filePath(QStringLiteral("games.sqlite")));
        e.insert(QStringLiteral("HELPER"), QStringLiteral(KORVEX_RECORD_HELPER));
        return e;
    }();
};

TEST_P(RecordFaults, thePlayerIsToldTheTruthAndNothingIsLostUnsaid) {
    const Case& c = cases()[GetParam()];
    SCOPED_TRACE(c.name);
    if (c.setUp) {
        const int status = runShell(c.setUp, env);
        if (status == 77) {
            GTEST_SKIP() << "this machine cannot make the fault: " << c.name;
        }
        ASSERT_EQ(status, 0) << c.setUp;
    }
    QProcess session;
    session.setProcessEnvironment(env);
    session.start(QStringLiteral("sh"), {QStringLiteral("-c"), QString::fromUtf8(c.session)});
    ASSERT_TRUE(session.waitForStarted(kTimeoutMs));
    for (const Step& step : c.steps) {
        if (step.shell) {
            ASSERT_EQ(runShell(step.shell, env), 0) << step.shell;
        }
        const QStringList lines = answer(session, step.command);
        if (lines.isEmpty() && session.waitForFinished(kTimeoutMs) && session.exitCode() == 77) {
            GTEST_SKIP() << "this machine cannot make the fault: " << c.name;
        }
        checkStep(step, lines);
    }
    session.closeWriteChannel();
    ASSERT_TRUE(session.waitForFinished(kTimeoutMs));
    if (c.check) {
        EXPECT_EQ(runShell(c.check, env), 0) << c.check;
    }
}

INSTANTIATE_TEST_SUITE_P(EveryFault, RecordFaults,
                         ::testing::Range<std::size_t>(0, cases().size()));

}  // namespace
}  // namespace korvex::test
