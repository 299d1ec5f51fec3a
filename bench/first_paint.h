// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Ends a start-up benchmark program as soon as its first window has painted its first frame,
// so that the launcher's wall-clock and peak-memory figures cover exactly "process start to
// first paint", for the game and for the bare window alike.

#include <unistd.h>

#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <cstdio>

namespace korvex::bench {

class ExitAfterFirstPaint : public QObject {
  public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!m_seen && event->type() == QEvent::Paint && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->isWindow()) {
            m_seen = true;
            // The window's children paint in the same pass, after the window itself: let the
            // frame finish, then leave at once, since tearing down is no part of starting up.
            QTimer::singleShot(0, [] {
                std::fflush(nullptr);
                _exit(0);
            });
        }
        return false;
    }

  private:
    bool m_seen = false;
};

}  // namespace korvex::bench
