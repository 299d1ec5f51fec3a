// SPDX-License-Identifier: GPL-3.0-or-later
#include "coach/coach_service.h"

namespace korvex {

CoachService::CoachService()
    : CoachService([](const std::atomic<bool>& cancel) {
          return CoachTable::solve(CoachRules::korvex(), 2, &cancel);
      }) {}

CoachService::CoachService(Builder builder) : m_builder(std::move(builder)) {}

CoachService::~CoachService() {
    stop();
}

void CoachService::stop() {
    m_cancel.store(true);
    if (m_worker.joinable()) m_worker.join();
    // Any ready call still queued goes with the relay.
    m_relay.reset();
}

void CoachService::start(QObject* context, std::function<void()> onReady) {
    if (m_started) return;
    m_started = true;
    m_relay = std::make_unique<QObject>();
    QPointer<QObject> receiver(context);
    QObject* relay = m_relay.get();
    m_worker = std::thread([this, relay, receiver, onReady = std::move(onReady)] {
        std::unique_ptr<CoachTable> table = m_builder(m_cancel);
        if (!table || m_cancel.load()) return;
        m_table = std::move(table);
        m_published.store(m_table.get(), std::memory_order_release);
        // The relay lives in the context's thread, so the call below runs there, where the
        // guarded pointer may be read safely.
        QMetaObject::invokeMethod(
            relay,
            [receiver, onReady] {
                if (receiver && onReady) onReady();
            },
            Qt::QueuedConnection);
    });
}

}  // namespace korvex
