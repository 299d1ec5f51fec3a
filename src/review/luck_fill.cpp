// SPDX-License-Identifier: GPL-3.0-or-later
#include "review/luck_fill.h"

#include <QPointer>

#include "review/game_review.h"

namespace korvex {

LuckFill::LuckFill(GameStoreOpener open, QString path)
    : m_open(std::move(open)), m_path(std::move(path)) {}

LuckFill::~LuckFill() {
    m_cancel.store(true);
    join();
}

void LuckFill::join() {
    if (m_worker.joinable()) m_worker.join();
}

void LuckFill::start(const CoachTable& table, QObject* context,
                     std::function<void(int)> onDone) {
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (m_running) {
            m_again = true;
            return;
        }
        m_running = true;
    }
    join();  // the last run has ended: its thread only remains to be joined
    if (!m_relay) m_relay = std::make_unique<QObject>();
    QPointer<QObject> receiver(context);
    QObject* relay = m_relay.get();
    m_worker = std::thread([this, &table, relay, receiver, onDone = std::move(onDone)] {
        int judged = 0;
        for (;;) {
            judged += run(table);
            std::lock_guard<std::mutex> lock(m_mutex);
            if (!m_again || m_cancel.load()) {
                m_running = false;
                break;
            }
            m_again = false;
        }
        QMetaObject::invokeMethod(
            relay,
            [receiver, onDone, judged] {
                if (receiver && onDone) onDone(judged);
            },
            Qt::QueuedConnection);
    });
}

int LuckFill::run(const CoachTable& table) {
    QString problem;
    // A store of the worker's own: its connections belong to this thread alone.
    const std::unique_ptr<GameStore> store = m_open ? m_open(m_path, problem) : nullptr;
    if (!store) return 0;
    const std::optional<std::vector<GameSummary>> games = store->summaries();
    if (!games) return 0;
    int judged = 0;
    std::vector<GameLuck> batch;
    const auto write = [&] {
        if (!batch.empty() && store->storeLuck(batch, GameStore::kBoardWaitMs))
            judged += int(batch.size());
        batch.clear();
    };
    for (const GameSummary& game : *games) {
        if (m_cancel.load()) break;
        if (game.luck) continue;
        const std::optional<GameRecord> record = store->game(game.id);
        // A game whose moves cannot be read or replayed stays unjudged; Statistics counts it so.
        const std::optional<GameReview> review = record ? reviewGame(table, *record) : std::nullopt;
        if (!review) continue;
        batch.push_back(gameLuck(game.id, *review));
        if (int(batch.size()) == kBatch) write();
    }
    write();
    return judged;
}

}  // namespace korvex
