// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Judges the recorded games the coach's table has not judged yet (games from before the record
// kept luck, and games finished while the table was still being made), on a worker thread with
// a store of its own, so that neither the board nor Statistics waits for it. What it finds is
// written in batches; a batch the store refuses now is judged again on the next run.

#include <QObject>
#include <QString>
#include <atomic>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

#include "record/game_store.h"

namespace korvex {

class CoachTable;

class LuckFill {
  public:
    // `open` and `path` make the worker's own store of the same file.
    LuckFill(GameStoreOpener open, QString path);
    // Stops a run at the end of its current game and waits for it.
    ~LuckFill();
    LuckFill(const LuckFill&) = delete;
    LuckFill& operator=(const LuckFill&) = delete;

    // Judges every game still without luck. `onDone(judged)` runs on `context`'s thread when the
    // run ends (not at all if `context` is gone). A call while a run is going makes the run look
    // once more when it ends, so a game finished meanwhile is not missed.
    void start(const CoachTable& table, QObject* context, std::function<void(int judged)> onDone);
    bool running() const {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_running;
    }

    // Games judged in one write: few enough that another copy's game end never waits long.
    static constexpr int kBatch = 50;

  private:
    int run(const CoachTable& table);
    void join();

    GameStoreOpener m_open;
    QString m_path;
    // Whether a run goes on, and whether it must look once more, are decided together, so that a
    // start coming just as a run ends is never lost.
    mutable std::mutex m_mutex;
    bool m_running = false, m_again = false;
    std::atomic<bool> m_cancel{false};
    std::unique_ptr<QObject> m_relay;
    std::thread m_worker;
};

}  // namespace korvex
