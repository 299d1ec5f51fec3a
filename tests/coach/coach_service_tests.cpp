// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>
#include <condition_variable>
#include <mutex>

#include "coach/coach_service.h"
#include "coach_tables.h"

namespace korvex {
namespace {

QCoreApplication& application() {
    static int argc = 1;
    static char name[] = "korvex_coach_tests";
    static char* argv[] = {name, nullptr};
    static QCoreApplication* app =
        QCoreApplication::instance() ? nullptr : new QCoreApplication(argc, argv);
    return app ? *app : *QCoreApplication::instance();
}

// Delivers queued calls until `done` holds or a generous limit passes.
template <typename Done>
bool pumpUntil(Done done) {
    QElapsedTimer timer;
    timer.start();
    while (!done() && timer.elapsed() < 60000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(1);
    }
    return done();
}

// A build held at a gate, so the test decides when the table is there.
struct GatedBuild {
    std::mutex mutex;
    std::condition_variable changed;
    bool open = false;
    int builds = 0;
    std::thread::id thread;

    CoachService::Builder builder() {
        return [this](const std::atomic<bool>& cancel) -> std::unique_ptr<CoachTable> {
            std::unique_lock lock(mutex);
            ++builds;
            thread = std::this_thread::get_id();
            // The cancel flag carries no wake-up of its own, so it is polled.
            while (!changed.wait_for(lock, std::chrono::milliseconds(2),
                                     [&] { return open || cancel.load(); })) {
            }
            if (cancel.load()) return nullptr;
            return CoachTable::solve(CoachRules::classic(), 1, &cancel);
        };
    }
    void release() {
        {
            std::lock_guard lock(mutex);
            open = true;
        }
        changed.notify_all();
    }
};

TEST(CoachService, buildsOffTheCallingThreadAndReportsReadyOnceOnTheContextThread) {
    application();
    QObject context;
    GatedBuild gate;
    CoachService service(gate.builder());
    int readyCalls = 0;
    QThread* calledOn = nullptr;
    service.start(&context, [&] {
        ++readyCalls;
        calledOn = QThread::currentThread();
    });
    service.start(&context, [&] { ++readyCalls; });  // a second request starts nothing new
    EXPECT_TRUE(service.started());
    EXPECT_FALSE(service.ready());
    EXPECT_EQ(service.table(), nullptr);
    gate.release();
    ASSERT_TRUE(pumpUntil([&] { return readyCalls > 0; }));
    QThread::msleep(20);
    QCoreApplication::processEvents();
    EXPECT_EQ(readyCalls, 1);
    EXPECT_EQ(calledOn, context.thread());
    EXPECT_NE(gate.thread, std::this_thread::get_id());
    EXPECT_EQ(gate.builds, 1);
    ASSERT_TRUE(service.ready());
    EXPECT_NEAR(service.table()->startValue(), test::classicTable().startValue(), 1e-9);
}

TEST(CoachService, destroyingItCancelsABuildStillRunning) {
    application();
    QObject context;
    GatedBuild gate;
    bool called = false;
    {
        CoachService service(gate.builder());
        service.start(&context, [&] { called = true; });
        // The gate never opens: only the cancel lets the build end.
        QThread::msleep(20);
    }
    QCoreApplication::processEvents();
    EXPECT_FALSE(called);
    EXPECT_EQ(gate.builds, 1);
}

TEST(CoachService, aContextGoneBeforeTheTableIsReadyIsNotCalled) {
    application();
    GatedBuild gate;
    CoachService service(gate.builder());
    bool called = false;
    {
        QObject context;
        service.start(&context, [&] { called = true; });
    }
    gate.release();
    ASSERT_TRUE(pumpUntil([&] { return service.ready(); }));
    QThread::msleep(20);
    QCoreApplication::processEvents();
    EXPECT_FALSE(called);
}

TEST(CoachService, solveStopsWhenCancelled) {
    const std::atomic<bool> cancel{true};
    EXPECT_EQ(CoachTable::solve(CoachRules::korvex(), 2, &cancel), nullptr);
}

}  // namespace
}  // namespace korvex
