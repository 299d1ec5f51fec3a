// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/memory_store.h"

namespace korvex {

class MemoryStore::Lock : public StoreLock {
  public:
    explicit Lock(int& count) : m_count(count) { ++m_count; }
    ~Lock() override { --m_count; }

  private:
    int& m_count;
};

QString MemoryStore::read(const QString& section, const QString& key, const QString& fallback) {
    auto s = m_sections.constFind(section);
    if (s == m_sections.constEnd()) return fallback;
    auto v = s->constFind(key);
    return v == s->constEnd() ? fallback : *v;
}

void MemoryStore::write(const QString& section, const QString& key, const QString& value) {
    if (m_refuseWrites) throw StoreError(QStringLiteral("The settings store refused the write."));
    if (m_locks == 0) ++m_unlockedChanges;
    m_sections[section][key] = value;
}

void MemoryStore::removeSection(const QString& section) {
    if (m_refuseWrites) throw StoreError(QStringLiteral("The settings store refused the change."));
    if (m_locks == 0) ++m_unlockedChanges;
    m_sections.remove(section);
}

std::unique_ptr<StoreLock> MemoryStore::lock() {
    if (m_refuseLock)
        throw StoreError(QStringLiteral("Another copy of Korvex is saving its high scores."),
                         StoreError::Kind::Busy);
    return std::make_unique<Lock>(m_locks);
}

}  // namespace korvex
