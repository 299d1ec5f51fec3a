// SPDX-License-Identifier: GPL-3.0-or-later
// A category click through to the repaint, in process on the offscreen platform: the board is
// shown, START pressed, then a score box is clicked and the window repainted, again and again,
// alternating two boxes so that every click changes what the card shows. Then the game is left
// idle for a second while every event delivered and every wake-up of the event loop is counted:
// an idle board should do nothing at all.
//
// Prints tab-separated rows: figure, value, target.

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "app/desktop_game.h"
#include "hiscores/settings_file_store.h"

namespace {

constexpr int kWarmUp = 20;
constexpr int kClicks = 400;
constexpr int kIdleMs = 1000;

// Counts events delivered to anything but the bench's own stop timer, and paints of a window.
class EventCounter : public QObject {
  public:
    explicit EventCounter(const QObject* ignored) : m_ignored(ignored) {}
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != m_ignored) {
            ++events;
            if (event->type() == QEvent::Timer) ++timers;
        }
        if (event->type() == QEvent::Paint) ++paints;
        return false;
    }
    int events = 0, timers = 0, paints = 0;

  private:
    const QObject* m_ignored;
};

double percentile(std::vector<double> values, double p) {
    std::sort(values.begin(), values.end());
    return values[std::min(values.size() - 1, size_t(p * double(values.size())))];
}

int fail(const char* why) {
    std::fprintf(stderr, "click bench: %s\n", why);
    return 1;
}

}  // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    korvex::QtToolkit::installFontSubstitutions();

    // A table and a record of its own in a temporary folder: the player's stay untouched.
    QTemporaryDir scores;
    korvex::DesktopGame game(
        std::make_unique<korvex::SettingsFileStore>(scores.filePath(QStringLiteral("Korvex.conf"))),
        scores.filePath(QStringLiteral("games.sqlite")));
    korvex::Form1& board = game.board();
    korvex::QtToolkit& toolkit = game.toolkit();
    game.show();

    QWidget* window = toolkit.windowOf(board);
    QWidget* start = toolkit.widgetOf(board, QStringLiteral("CB_Start"));
    QWidget* boxes[2] = {toolkit.widgetOf(board, QStringLiteral("Score1")),
                         toolkit.widgetOf(board, QStringLiteral("ScoreChance"))};
    if (!window || !start || !boxes[0] || !boxes[1]) return fail("board elements not found");
    if (!QTest::qWaitForWindowExposed(window)) return fail("board window never shown");
    QTest::mouseClick(start, Qt::LeftButton);
    QCoreApplication::processEvents();
    if (board.model().text(QStringLiteral("Temp1")).isEmpty()) return fail("START made no roll");

    EventCounter counter(nullptr);
    app.installEventFilter(&counter);
    std::vector<double> ms;
    for (int i = 0; i < kWarmUp + kClicks; ++i) {
        QWidget* box = boxes[i % 2];
        const auto t0 = std::chrono::steady_clock::now();
        QTest::mouseClick(box, Qt::LeftButton);
        window->repaint();
        const auto t1 = std::chrono::steady_clock::now();
        if (i >= kWarmUp) ms.push_back(std::chrono::duration<double, std::milli>(t1 - t0).count());
    }
    // Each click must have reached the card and each repaint must have painted: otherwise the
    // figure would time nothing.
    if (board.model().text(QStringLiteral("ScoreChance")).isEmpty())
        return fail("a click on a score box showed no candidate score");
    if (counter.paints < kWarmUp + kClicks) return fail("the repaints painted nothing");
    app.removeEventFilter(&counter);

    // Idle: let whatever the clicks queued settle, then watch for a second.
    for (int i = 0; i < 10; ++i) QCoreApplication::processEvents();
    QEventLoop idle;
    QTimer stop;
    stop.setSingleShot(true);
    QObject::connect(&stop, &QTimer::timeout, &idle, &QEventLoop::quit);
    EventCounter idleCounter(&stop);
    int wakeUps = 0;
    QObject::connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::awake,
                     [&wakeUps] { ++wakeUps; });
    app.installEventFilter(&idleCounter);
    stop.start(kIdleMs);
    idle.exec();
    app.removeEventFilter(&idleCounter);

    std::printf("category click + repaint, median of %d\t%.3f ms\t< 2 ms\n", kClicks,
                percentile(ms, 0.5));
    std::printf("category click + repaint, 95th percentile\t%.3f ms\t\n", percentile(ms, 0.95));
    std::printf("events delivered while idle for %d ms\t%d\t0\n", kIdleMs, idleCounter.events);
    std::printf("timer events while idle for %d ms\t%d\t0\n", kIdleMs, idleCounter.timers);
    std::printf("event-loop wake-ups while idle (the bench's stop timer wakes it once)\t%d\t1\n",
                wakeUps);
    return 0;
}
