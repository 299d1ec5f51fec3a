// The game's start-up as src/main.cpp does it (application identity, fonts, the board, show),
// ending after the board's first frame. It starts the game through the same calls as main.cpp,
// so the game itself carries nothing for benchmarks.

#include <QApplication>

#include "first_paint.h"
#include "ui/qt/game_application.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    korvex::bench::ExitAfterFirstPaint exitAfterFirstPaint;
    app.installEventFilter(&exitAfterFirstPaint);

    korvex::setUpApplication();
    korvex::GameApplication game;
    game.show();
    return app.exec();
}
