// SPDX-License-Identifier: GPL-3.0-or-later
// The Qt toolkit's tests run real widgets on the offscreen platform: no display, no human.

#include <gtest/gtest.h>

#include <QApplication>

#include "ui/qt/qt_toolkit.h"

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // Tests open and close windows inside their own loops; none of them may end the program.
    QApplication::setQuitOnLastWindowClosed(false);
    korvex::QtToolkit::installFontSubstitutions();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
