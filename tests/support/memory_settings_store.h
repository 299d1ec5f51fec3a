#pragma once
// A settings store held in memory, so no test ever touches a real high-score table.

#include <QHash>

#include "hiscores/settings_store.h"

namespace korvex::test {

class MemorySettingsStore : public SettingsStore {
  public:
    QString read(const QString& section, const QString& key, const QString& fallback) override {
        return m_values.value(section + QLatin1Char('/') + key, fallback);
    }
    void write(const QString& section, const QString& key, const QString& value) override {
        m_values.insert(section + QLatin1Char('/') + key, value);
    }
    void removeSection(const QString& section) override {
        m_values.removeIf([&](auto it) { return it.key().startsWith(section + QLatin1Char('/')); });
    }
    QHash<QString, QString>& values() { return m_values; }

  private:
    QHash<QString, QString> m_values;
};

}  // namespace korvex::test
