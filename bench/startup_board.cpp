// SPDX-License-Identifier: GPL-3.0-or-later
// The game's start-up as src/main.cpp does it (application identity, fonts, the board, show),
// ending after the board's first frame. It starts the game through the same calls as main.cpp,
// so the game itself carries nothing for benchmarks.

#include <QApplication>

#include "app/desktop_game.h"
#include "first_paint.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    korvex::bench::ExitAfterFirstPaint exitAfterFirstPaint;
    app.installEventFilter(&exitAfterFirstPaint);

    korvex::setUpApplication();
    korvex::DesktopGame game;
    game.show();
    return app.exec();
}
