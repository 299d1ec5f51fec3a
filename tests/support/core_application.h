// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One QCoreApplication for test programs that need an event loop or Qt's plugins (the SQLite
// driver), made on first call.

#include <QCoreApplication>

namespace korvex::test {

inline void ensureCoreApplication() {
    static int argc = 1;
    static char name[] = "korvex_tests";
    static char* argv[] = {name, nullptr};
    if (!QCoreApplication::instance()) new QCoreApplication(argc, argv);
}

}  // namespace korvex::test
