// SPDX-License-Identifier: GPL-3.0-or-later
#include "coach/coach_service.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace korvex {

QString CoachService::defaultCachePath() {
    return QStandardPaths::writableLocation(QStandardPaths::CacheLocation) +
           QStringLiteral("/coach-table.bin");
}

CoachService::Builder CoachService::cachedBuilder(QString path) {
    return [path = std::move(path)](const std::atomic<bool>& cancel) {
        const CoachRules rules = CoachRules::korvex();
        if (auto kept = CoachTable::load(rules, path)) return kept;
        std::unique_ptr<CoachTable> table = CoachTable::solve(rules, 2, &cancel);
        // A cache that cannot be written only means the next run solves the table again.
        if (table && QDir().mkpath(QFileInfo(path).absolutePath())) table->save(path);
        return table;
    };
}

CoachService::CoachService() : CoachService(cachedBuilder(defaultCachePath())) {}

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
