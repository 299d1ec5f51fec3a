// Korvex: the application, the game, and the event loop.

#include <QApplication>

#include "app/desktop_game.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    korvex::setUpApplication();
    korvex::DesktopGame game;
    game.show();
    return app.exec();
}
