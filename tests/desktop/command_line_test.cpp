// SPDX-License-Identifier: GPL-3.0-or-later
// The command line: what each kind of argument is answered with, and the real program giving
// those answers before it opens a window or needs a display.

#include "ui/qt/command_line.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "process_runner.h"
#include "support/qstring_printer.h"

namespace korvex {
namespace {

const QString kVersionLine = QStringLiteral("Korvex " KORVEX_VERSION);

TEST(CommandLine, theGameStartsWithNoArgumentsOrWithQtsOwnOptions) {
    const QStringList starts[] = {
        {},
        {"korvex"},
        {"/usr/games/korvex", "-platform", "wayland"},
        {"korvex", "--platform=xcb", "-style", "fusion", "-reverse"},
        {"korvex", "-qwindowgeometry", "800x600+0+0", "-session", "1234"},
    };
    for (const QStringList& arguments : starts)
        EXPECT_FALSE(answerArguments(arguments).has_value()) << arguments.join(u' ').toStdString();
}

TEST(CommandLine, helpAndVersionAreAnsweredOnStandardOutput) {
    for (const char* option : {"--help", "-h"}) {
        const auto answer = answerArguments({"/usr/games/korvex", option});
        ASSERT_TRUE(answer.has_value());
        EXPECT_EQ(answer->exitCode, 0);
        EXPECT_TRUE(answer->standardOutput.startsWith("Usage: korvex [options]\n"))
            << answer->standardOutput.toStdString();
        EXPECT_TRUE(answer->standardOutput.contains("--version"));
        EXPECT_FALSE(answer->standardOutput.contains("--platformpluginpath"))
            << "Qt's options are accepted but not listed";
        EXPECT_TRUE(answer->standardError.isEmpty());
    }
    for (const char* option : {"--version", "-v"}) {
        const auto answer = answerArguments({"korvex", option});
        ASSERT_TRUE(answer.has_value());
        EXPECT_EQ(answer->exitCode, 0);
        EXPECT_EQ(answer->standardOutput.section(u'\n', 0, 0), kVersionLine);
        EXPECT_TRUE(answer->standardOutput.contains("GPL-3.0-or-later"));
    }
}

TEST(CommandLine, mistakesAreNamedOnStandardErrorWithAUsageStatus) {
    const QStringList mistakes[] = {
        {"/usr/games/korvex", "--bogus"},  // unknown option
        {"korvex", "-x"},                  // unknown short option
        {"korvex", "scores.txt"},          // an argument the game takes none of
        {"korvex", "--version=2"},         // a value for an option that takes none
        {"korvex", "-platform"},           // Qt's option without its value
        {"korvex", "--help", "--bogus"},   // help is not given for a wrong line
    };
    for (const QStringList& arguments : mistakes) {
        SCOPED_TRACE(arguments.join(u' ').toStdString());
        const auto answer = answerArguments(arguments);
        ASSERT_TRUE(answer.has_value());
        EXPECT_EQ(answer->exitCode, kUsageError);
        EXPECT_TRUE(answer->standardOutput.isEmpty());
        EXPECT_TRUE(answer->standardError.startsWith("korvex: "))
            << answer->standardError.toStdString();
        EXPECT_TRUE(answer->standardError.contains("Try 'korvex --help'"));
    }
    EXPECT_TRUE(answerArguments({"korvex", "--bogus"})->standardError.contains("'bogus'"));
    EXPECT_TRUE(answerArguments({"korvex", "a", "b"})->standardError.contains("'a'"));
}

// The manual page documents each option the help lists, written as roff writes dashes.
TEST(CommandLine, manualPageDescribesEveryOption) {
    QFile page(QStringLiteral(KORVEX_MANUAL));
    ASSERT_TRUE(page.open(QIODevice::ReadOnly | QIODevice::Text)) << KORVEX_MANUAL;
    const QString manual = QString::fromUtf8(page.readAll());
    const QString options =
        manual.section(QStringLiteral("\n.SH OPTIONS\n"), 1).section(".SH", 0, 0);
    const QString help = answerArguments({"korvex", "--help"})->standardOutput;
    const QRegularExpression option(QStringLiteral(R"((?:^|[\s,])(--?[a-z][a-z-]*))"));
    int found = 0;
    for (const QString& line : help.split(u'\n')) {
        if (!line.startsWith(QStringLiteral("  -"))) continue;
        for (auto match = option.globalMatch(line.section(QStringLiteral("  "), 1, 1));
             match.hasNext();) {
            const QString name = match.next().captured(1);
            ++found;
            EXPECT_TRUE(options.contains(QString(name).replace(u'-', QStringLiteral("\\-"))))
                << name.toStdString() << " is missing from the manual's OPTIONS";
        }
    }
    EXPECT_EQ(found, 4) << "-h, --help, -v, --version";
}

// The program itself, with a platform that cannot exist: had it tried to open a window, Qt
// would have stopped it with its own complaint instead of the answer expected.
class ProgramCommandLine : public ::testing::Test {
  protected:
    test::ProcessResult run(const QStringList& arguments) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "no-such-platform");
        env.remove("DISPLAY");
        env.remove("WAYLAND_DISPLAY");
        env.insert("XDG_CONFIG_HOME", home.path());
        env.insert("XDG_DATA_HOME", home.path());
        return test::runProcess(QStringLiteral(KORVEX_PROGRAM), arguments, env, 20000);
    }
    QTemporaryDir home;
};

TEST_F(ProgramCommandLine, answersWithoutOpeningAWindow) {
    const auto help = run({"--help"});
    ASSERT_TRUE(help.finished) << help.standardError.toStdString();
    EXPECT_EQ(help.exitCode, 0) << help.standardError.toStdString();
    EXPECT_TRUE(help.standardOutput.startsWith("Usage: korvex"))
        << help.standardOutput.toStdString();
    EXPECT_TRUE(help.standardError.isEmpty()) << help.standardError.toStdString();

    const auto version = run({"--version"});
    ASSERT_TRUE(version.finished);
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.standardOutput.section(u'\n', 0, 0), kVersionLine);

    const auto wrong = run({"--no-such-option"});
    ASSERT_TRUE(wrong.finished);
    EXPECT_EQ(wrong.exitCode, kUsageError);
    EXPECT_TRUE(wrong.standardOutput.isEmpty());
    EXPECT_EQ(wrong.standardError.section(u'\n', 0, 0), "korvex: Unknown option 'no-such-option'.");
}

TEST_F(ProgramCommandLine, qtsOwnOptionsReachQt) {
    // Qt acts on -platform itself: it names the platform asked for, which it cannot find.
    const auto result = run({"-platform", "korvex-test-platform"});
    EXPECT_NE(result.exitCode, 0);
    EXPECT_TRUE(result.standardError.contains("korvex-test-platform"))
        << result.standardError.toStdString();
    EXPECT_FALSE(result.standardError.contains("Unknown option"));
}

}  // namespace
}  // namespace korvex
