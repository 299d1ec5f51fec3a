// SPDX-License-Identifier: GPL-3.0-or-later
// Korvex: the application, the game, and the event loop.

#include <QApplication>

#include "app/desktop_game.h"
#include "ui/qt/application_exit.h"
#include "ui/qt/command_line.h"

int main(int argc, char* argv[]) {
    // --help, --version and mistyped options are answered before a window or a display is needed.
    if (const std::optional<int> status = korvex::answerCommandLine(argc, argv)) return *status;
    QApplication app(argc, argv);
    korvex::setUpApplication();
    int status = 0;
    {
        korvex::DesktopGame game;
        game.show();
        status = app.exec();
    }
    korvex::guardApplicationTeardown(status);
    return status;
}
