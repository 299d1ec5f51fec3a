// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Runs a program as a real process with a deadline, so that a regression that hangs fails the
// test instead of stalling the suite.

#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

namespace korvex::test {

struct ProcessResult {
    bool finished = false;  // false: killed at the deadline, or never started
    int exitCode = -1;
    QString standardOutput;
    QString standardError;
};

inline ProcessResult runProcess(const QString& program, const QStringList& arguments,
                                const QProcessEnvironment& environment, int deadlineMs) {
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setStandardInputFile(QProcess::nullDevice());  // as in CI: nobody to answer
    process.start(program, arguments);
    ProcessResult result;
    result.finished =
        process.waitForFinished(deadlineMs) && process.exitStatus() == QProcess::NormalExit;
    if (process.state() != QProcess::NotRunning) {
        process.kill();
        process.waitForFinished(5000);
    }
    result.exitCode = process.exitCode();
    result.standardOutput = QString::fromLocal8Bit(process.readAllStandardOutput());
    result.standardError = QString::fromLocal8Bit(process.readAllStandardError());
    return result;
}

}  // namespace korvex::test
