// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's command line: --help and --version are answered, and a mistyped option is
// refused with a clear message, before any window opens and without needing a display.

#include <QString>
#include <QStringList>
#include <optional>

namespace korvex {

// What the program prints and returns instead of starting the game.
struct CommandLineAnswer {
    int exitCode = 0;
    QString standardOutput;
    QString standardError;
};

// Exit status for a command line the program does not understand.
inline constexpr int kUsageError = 2;

// The answer to `arguments` (the program's name first), or nothing when the game should start.
// Qt's own options (-platform, -style, ...) are left for the application to act on.
std::optional<CommandLineAnswer> answerArguments(const QStringList& arguments);

// Reads argv, prints the answer, and returns its exit status; nothing when the game should start.
std::optional<int> answerCommandLine(int argc, char* argv[]);

}  // namespace korvex
