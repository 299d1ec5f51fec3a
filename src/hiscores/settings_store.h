#pragma once
// The per-user settings store, addressed by section and key (the application is the store's
// own). The real one is QSettings; tests use an in-memory one. A store that cannot do what it is
// asked throws StoreError with a plain description, which the high-score operations report.

#include <QString>
#include <stdexcept>

namespace korvex {

class StoreError : public std::runtime_error {
public:
    explicit StoreError(const QString& description)
        : std::runtime_error(description.toStdString()), m_description(description) {}
    const QString& description() const { return m_description; }

private:
    QString m_description;
};

class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    // The stored text, or `fallback` when the key or the section is missing.
    virtual QString read(const QString& section, const QString& key, const QString& fallback) = 0;
    virtual void write(const QString& section, const QString& key, const QString& value) = 0;
    virtual void removeSection(const QString& section) = 0;
};

}  // namespace korvex
