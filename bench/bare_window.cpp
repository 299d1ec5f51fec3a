// SPDX-License-Identifier: GPL-3.0-or-later
// The yardstick for the game's start-up: the least a Qt Widgets program can show, a window of
// the board's size (689 x 535) with one line of text. Exits after its first frame.

#include <QApplication>
#include <QLabel>
#include <QVBoxLayout>
#include <QWidget>

#include "first_paint.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    korvex::bench::ExitAfterFirstPaint exitAfterFirstPaint;
    app.installEventFilter(&exitAfterFirstPaint);

    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(new QLabel(QStringLiteral("One line of text."), &window));
    window.resize(689, 535);
    window.show();
    return app.exec();
}
