// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Owns the coach's table and builds it on a worker thread the first time the coach is wanted, so
// the board never waits for it. The finished table is published once and never changes, so the
// board may read it without locks; the board's own state is never shared with the worker.

#include <QObject>
#include <QPointer>
#include <atomic>
#include <functional>
#include <memory>
#include <thread>

#include "coach/coach_table.h"

namespace korvex {

class CoachService {
  public:
    // Makes the table; must return null once `cancel` reads true.
    using Builder = std::function<std::unique_ptr<CoachTable>(const std::atomic<bool>& cancel)>;

    // This game's table, read from the per-user cache, or else solved on both cores and kept
    // there for the next run.
    CoachService();
    explicit CoachService(Builder builder);
    // Stops a build still running and waits for the worker.
    ~CoachService();
    CoachService(const CoachService&) = delete;
    CoachService& operator=(const CoachService&) = delete;

    // Starts the build (only the first call does anything). `onReady` runs once, on `context`'s
    // thread, when the table is there; not at all if `context` is gone by then. Call from the
    // thread `context` lives in, and destroy the service on that thread too.
    void start(QObject* context, std::function<void()> onReady);
    bool started() const { return m_started; }
    static QString defaultCachePath();
    // Reads the table from `path`, or solves it and writes it there.
    static Builder cachedBuilder(QString path);
    bool ready() const { return table() != nullptr; }
    // Null until the table is ready.
    const CoachTable* table() const { return m_published.load(std::memory_order_acquire); }

  private:
    void stop();

    Builder m_builder;
    bool m_started = false;
    std::atomic<bool> m_cancel{false};
    std::atomic<const CoachTable*> m_published{nullptr};
    std::unique_ptr<CoachTable> m_table;
    // Lives in the context's thread and carries the ready call there; going with the service
    // drops a call not yet delivered.
    std::unique_ptr<QObject> m_relay;
    std::thread m_worker;
};

}  // namespace korvex
