// Korvex: the application, the game, and the event loop.

#include <QApplication>

#include "ui/qt/game_application.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    korvex::setUpApplication();
    korvex::GameApplication game;
    game.show();
    return app.exec();
}
