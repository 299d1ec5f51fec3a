// SPDX-License-Identifier: GPL-3.0-or-later
// The game in a Wayland session: Debian's weston runs headless in a private runtime directory,
// the game's session program plays inside it, and the real program is watched announcing itself
// to the compositor. Skipped, with the reason, where weston or Qt's Wayland plugin is missing.

#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <memory>

#include "process_runner.h"

namespace korvex {
namespace {

const QString kSocket = QStringLiteral("korvex-test-wayland");

// weston with its headless backend and its ordinary desktop shell, for as long as it lives.
class HeadlessWeston {
  public:
    ~HeadlessWeston() {
        if (m_weston.state() == QProcess::NotRunning) return;
        m_weston.terminate();
        if (!m_weston.waitForFinished(5000)) {
            m_weston.kill();
            m_weston.waitForFinished(5000);
        }
    }

    // Empty when the compositor is taking clients, else what went wrong.
    QString start(const QString& program) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_RUNTIME_DIR", m_runtime.path());
        env.remove("WAYLAND_DISPLAY");
        env.remove("DISPLAY");
        m_weston.setProcessEnvironment(env);
        // Into a file: a pipe nobody reads would stall weston once it filled.
        m_weston.setProcessChannelMode(QProcess::MergedChannels);
        m_weston.setStandardOutputFile(m_runtime.filePath("weston.log"));
        // --no-config: the machine's weston.ini must not change the session under test.
        m_weston.start(program, {"--backend=headless-backend.so", "--socket=" + kSocket,
                                 "--no-config", "--idle-time=0"});
        const QString socket = m_runtime.filePath(kSocket);
        QElapsedTimer waited;
        waited.start();
        bool ended = !m_weston.waitForStarted(15000);
        while (!ended && !QFileInfo::exists(socket) && waited.elapsed() < 15000)
            ended = m_weston.waitForFinished(50);
        if (!ended && QFileInfo::exists(socket)) return {};
        QFile log(m_runtime.filePath("weston.log"));
        log.open(QIODevice::ReadOnly);
        return QStringLiteral("weston did not start (%1, exit code %2, %3 ms):\n")
                   .arg(ended ? "ended" : "still running")
                   .arg(m_weston.exitCode())
                   .arg(waited.elapsed()) +
               QString::fromLocal8Bit(log.readAll());
    }

    // A client's environment: this session only, with its own settings and caches.
    QProcessEnvironment clientEnvironment() const {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_RUNTIME_DIR", m_runtime.path());
        env.insert("WAYLAND_DISPLAY", kSocket);
        env.remove("DISPLAY");
        // Unset, as on a desktop: Qt must choose its Wayland platform by itself.
        env.remove("QT_QPA_PLATFORM");
        for (const char* dir : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME"})
            env.insert(dir, m_home.filePath(QString::fromLatin1(dir)));
        return env;
    }

  private:
    QTemporaryDir m_runtime;  // made private to us (0700), as a runtime directory must be
    QTemporaryDir m_home;
    QProcess m_weston;
};

class WaylandSession : public ::testing::Test {
  protected:
    void SetUp() override {
        const QString weston = QStandardPaths::findExecutable("weston");
        if (weston.isEmpty())
            GTEST_SKIP() << "weston is not installed (Debian package weston): no Wayland session";
        const QString plugin = QLibraryInfo::path(QLibraryInfo::PluginsPath) +
                               QStringLiteral("/platforms/libqwayland-generic.so");
        if (!QFileInfo::exists(plugin))
            GTEST_SKIP() << "Qt's Wayland platform plugin is not installed (Debian package "
                            "qt6-wayland): no Wayland session";
        m_weston = std::make_unique<HeadlessWeston>();
        const QString problem = m_weston->start(weston);
        ASSERT_TRUE(problem.isEmpty()) << problem.toStdString();
    }

    std::unique_ptr<HeadlessWeston> m_weston;
};

TEST_F(WaylandSession, gameIsPlayedOnWaylandWithoutAWarning) {
    const auto run = test::runProcess(QStringLiteral(KORVEX_WAYLAND_PLAY), {},
                                      m_weston->clientEnvironment(), 120000);
    ASSERT_TRUE(run.finished) << "the session program hung or crashed:\n"
                              << run.standardOutput.toStdString()
                              << run.standardError.toStdString();
    EXPECT_EQ(run.exitCode, 0) << run.standardOutput.toStdString();
    EXPECT_TRUE(run.standardError.trimmed().isEmpty()) << "printed on the way:\n"
                                                       << run.standardError.toStdString();
}

// The compositor finds the launcher entry, and with it the icon, by the id the window gives; the
// real program starts there without a complaint.
TEST_F(WaylandSession, programNamesItsDesktopEntryToTheCompositor) {
    QProcessEnvironment env = m_weston->clientEnvironment();
    env.insert("WAYLAND_DEBUG", "client");  // the protocol as the client speaks it, on stderr
    // Qt's own warnings marked, so they stand out of the protocol trace on the same stream.
    env.insert("QT_MESSAGE_PATTERN",
               "%{if-warning}COMPLAINT %{endif}%{if-critical}COMPLAINT %{endif}"
               "%{if-fatal}COMPLAINT %{endif}%{message}");
    QProcess game;
    game.setProcessEnvironment(env);
    game.setStandardInputFile(QProcess::nullDevice());
    game.start(QStringLiteral(KORVEX_PROGRAM), {});
    const QRegularExpression announced(
        QStringLiteral(R"(-> xdg_toplevel@\d+\.set_app_id\("org\.korvex\.Korvex"\))"));
    QString trace;
    QElapsedTimer waited;
    waited.start();
    while (!trace.contains(announced) && waited.elapsed() < 20000 &&
           game.state() != QProcess::NotRunning) {
        game.waitForReadyRead(200);
        trace += QString::fromLocal8Bit(game.readAllStandardError());
    }
    const bool stillRunning = game.state() == QProcess::Running;
    game.kill();
    game.waitForFinished(5000);
    trace += QString::fromLocal8Bit(game.readAllStandardError());
    EXPECT_TRUE(stillRunning) << "the game ended by itself:\n" << trace.toStdString();
    EXPECT_TRUE(trace.contains(announced)) << "no app id announced:\n"
                                           << trace.right(4000).toStdString();
    for (const QString& line : trace.split(u'\n'))
        EXPECT_FALSE(line.contains(QStringLiteral("COMPLAINT"))) << line.toStdString();
}

}  // namespace
}  // namespace korvex
