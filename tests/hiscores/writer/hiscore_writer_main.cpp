// SPDX-License-Identifier: GPL-3.0-or-later
// A copy of the game reduced to its high scores, for tests that need several processes on one
// settings file.
//
//   korvex_hiscore_writer add <settings file> <go file> <initials> <score>...
//       Prints "ready", waits until the go file exists (so that all copies start together), then
//       for each score ends a game with that total: loads the table, offers the total, files the
//       initials and saves. A save refused because another copy holds the file is tried again,
//       as the game does at its next chance. Prints every message box as "<title>: <text>" and
//       at the end "busy <n>", the number of those refusals.
//   korvex_hiscore_writer hold <settings file>
//       Takes the store's lock, prints "locked" and waits to be killed.
//   korvex_hiscore_writer close <settings file> <initials> <score>
//       Ends a game with that total and then closes, as the board does: a save refused at the
//       game's end is tried once more as the game closes. Prints every message box.

#include <QCoreApplication>
#include <QFileInfo>
#include <QThread>
#include <cstdio>

#include "hiscores/mod_hi_scores.h"
#include "hiscores/settings_file_store.h"
#include "ui/memory_toolkit.h"

namespace korvex {
namespace {

void say(const QString& line) {
    std::printf("%s\n", qPrintable(line));
    std::fflush(stdout);
}

bool isBusy(const MemoryToolkit::Message& m) {
    return m.text.contains(QStringLiteral("locked by another running copy"));
}

bool lastWasBusy(const MemoryToolkit& toolkit) {
    return !toolkit.messages().empty() && isBusy(toolkit.messages().back());
}

int hold(const QString& path) {
    SettingsFileStore store(path);
    const auto held = store.lock();
    say(QStringLiteral("locked"));
    for (;;) QThread::sleep(1);
}

int add(const QStringList& args) {
    const QString path = args[2], go = args[3], initials = args[4];
    SettingsFileStore store(path);
    MemoryToolkit toolkit;
    ModHiScores hs(store, toolkit);
    say(QStringLiteral("ready"));
    while (!QFileInfo::exists(go)) QThread::usleep(500);
    int busy = 0;
    for (qsizetype n = 5; n < args.size(); ++n) {
        hs.LoadHiScores();
        if (const std::optional<int> row = hs.CheckHiScores(args[n].toLongLong()))
            hs.HiScoreTable[std::size_t(*row)].Initials = initials;
        hs.SaveHiScores();
        for (int retry = 0; retry < 40 && hs.hasUnsavedEntries() && lastWasBusy(toolkit); ++retry)
            hs.SaveHiScores();
    }
    for (const MemoryToolkit::Message& m : toolkit.messages()) {
        if (isBusy(m))
            ++busy;
        else
            say(m.title + QStringLiteral(": ") + QString(m.text).replace(QLatin1Char('\n'), ' '));
    }
    say(QStringLiteral("busy %1").arg(busy));
    return 0;
}

int close(const QStringList& args) {
    SettingsFileStore store(args[2]);
    MemoryToolkit toolkit;
    ModHiScores hs(store, toolkit);
    hs.LoadHiScores();
    if (const std::optional<int> row = hs.CheckHiScores(args[4].toLongLong()))
        hs.HiScoreTable[std::size_t(*row)].Initials = args[3];
    hs.SaveHiScores();
    if (hs.hasUnsavedEntries()) hs.SaveHiScores(ModHiScores::SaveTime::Closing);
    for (const MemoryToolkit::Message& m : toolkit.messages())
        say(m.title + QStringLiteral(": ") + QString(m.text).replace(QLatin1Char('\n'), ' '));
    return 0;
}

}  // namespace
}  // namespace korvex

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() >= 3 && args[1] == QStringLiteral("hold")) return korvex::hold(args[2]);
    if (args.size() >= 5 && args[1] == QStringLiteral("add")) return korvex::add(args);
    if (args.size() == 5 && args[1] == QStringLiteral("close")) return korvex::close(args);
    std::fprintf(
        stderr, "usage: %s add FILE GO INITIALS SCORE... | hold FILE | close FILE INITIALS SCORE\n",
        argv[0]);
    return 2;
}
