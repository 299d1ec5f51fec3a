// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/qt/application_exit.h"

#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>
#include <thread>

namespace korvex {

void guardApplicationTeardown(int status) {
    // Teardown takes milliseconds; the deadline leaves room for a machine under load.
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        endWithinDeadline(status, std::chrono::seconds(3));
}

void endWithinDeadline(int status, std::chrono::milliseconds deadline) {
    std::thread([status, deadline] {
        std::this_thread::sleep_for(deadline);
        std::fflush(nullptr);
        std::_Exit(status);
    }).detach();
}

}  // namespace korvex
