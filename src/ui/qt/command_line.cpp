// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/qt/command_line.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <cstdio>

#include "korvex_version.h"

namespace korvex {

namespace {

// The options Qt's application object reads itself. They are accepted here, unlisted, so that
// `korvex -platform xcb` or `-style fusion` still reach Qt; all but the last two take a value.
struct QtOption {
    const char* name;
    bool takesValue;
};
constexpr QtOption kQtOptions[] = {
    {"platform", true},        {"platformpluginpath", true},
    {"platformtheme", true},   {"plugin", true},
    {"qwindowgeometry", true}, {"qwindowicon", true},
    {"qwindowtitle", true},    {"session", true},
    {"display", true},         {"geometry", true},
    {"style", true},           {"stylesheet", true},
    {"qmljsdebugger", true},   {"reverse", false},
    {"widgetcount", false},
};

QString versionText() {
    return QStringLiteral(
               "%1 %2.%3.%4\n"
               "Copyright (C) 2026 The Korvex developers\n"
               "License GPL-3.0-or-later: GNU GPL version 3 or later "
               "<https://gnu.org/licenses/gpl.html>.\n"
               "This is free software: you are free to change and redistribute it.\n"
               "There is NO WARRANTY, to the extent permitted by law.\n")
        .arg(QString::fromLatin1(version::kTitle))
        .arg(version::kMajor)
        .arg(version::kMinor)
        .arg(version::kRevision);
}

// The parser's own first line names the executable only when an application object exists;
// ours is written here, so the help reads the same however the program was started.
QString helpText(const QCommandLineParser& parser, const QString& program) {
    const QString options = parser.helpText().section(QLatin1Char('\n'), 1);
    return QStringLiteral("Usage: %1 [options]\n").arg(program) + options +
           QStringLiteral(
               "\nQt's own options, such as -platform xcb or -style fusion, are "
               "accepted as well.\n");
}

CommandLineAnswer usageError(const QString& program, const QString& problem) {
    return {
        kUsageError, QString(),
        QStringLiteral("%1: %2\nTry '%1 --help' for more information.\n").arg(program, problem)};
}

}  // namespace

std::optional<CommandLineAnswer> answerArguments(const QStringList& arguments) {
    const QString given = arguments.isEmpty() ? QString() : QFileInfo(arguments[0]).fileName();
    const QString program = given.isEmpty() ? QStringLiteral("korvex") : given;
    QCommandLineParser parser;
    // Qt's options are single-dash words ("-platform"), never bundled letters.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(
        QStringLiteral("Korvex, a dice game for one player: roll five dice up to three times a "
                       "turn\nand fill a score card of thirteen categories."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show this help and exit."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Show the version and exit."));
    parser.addOption(help);
    parser.addOption(version);
    for (const QtOption& qt : kQtOptions) {
        QCommandLineOption option(QString::fromLatin1(qt.name), QString(),
                                  qt.takesValue ? QStringLiteral("value") : QString());
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    const QStringList forParser = arguments.isEmpty() ? QStringList{program} : arguments;
    if (!parser.parse(forParser)) return usageError(program, parser.errorText());
    if (!parser.positionalArguments().isEmpty())
        return usageError(program, QStringLiteral("Unexpected argument '%1'.")
                                       .arg(parser.positionalArguments().constFirst()));
    if (parser.isSet(help)) return CommandLineAnswer{0, helpText(parser, program), QString()};
    if (parser.isSet(version)) return CommandLineAnswer{0, versionText(), QString()};
    return std::nullopt;
}

std::optional<int> answerCommandLine(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    const std::optional<CommandLineAnswer> answer = answerArguments(arguments);
    if (!answer) return std::nullopt;
    std::fputs(answer->standardOutput.toLocal8Bit().constData(), stdout);
    std::fputs(answer->standardError.toLocal8Bit().constData(), stderr);
    std::fflush(stdout);
    return answer->exitCode;
}

}  // namespace korvex
