// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A settings store held in memory, for tests and headless runs. It can be told to refuse writes
// or its lock, to stand for a settings file that cannot be written or another copy of the game
// that is saving.

#include <QHash>

#include "hiscores/settings_store.h"

namespace korvex {

class MemoryStore : public SettingsStore {
  public:
    QString read(const QString& section, const QString& key, const QString& fallback) override;
    void write(const QString& section, const QString& key, const QString& value) override;
    void removeSection(const QString& section) override;
    std::unique_ptr<StoreLock> lock() override;
    void keepDamagedCopy() override { ++m_damagedCopies; }

    void refuseWrites(bool refuse) { m_refuseWrites = refuse; }
    void refuseLock(bool refuse) { m_refuseLock = refuse; }
    bool hasSection(const QString& section) const { return m_sections.contains(section); }
    bool isLocked() const { return m_locks > 0; }
    // Counts writes and removals made while nobody held the lock.
    int unlockedChanges() const { return m_unlockedChanges; }
    int damagedCopies() const { return m_damagedCopies; }

  private:
    class Lock;
    QHash<QString, QHash<QString, QString>> m_sections;
    bool m_refuseWrites = false;
    bool m_refuseLock = false;
    int m_locks = 0;
    int m_unlockedChanges = 0;
    int m_damagedCopies = 0;
};

}  // namespace korvex
