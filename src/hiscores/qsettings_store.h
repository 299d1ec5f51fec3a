#pragma once
// The real settings store: the user's own Korvex settings file (an ini file, on Linux
// ~/.config/Korvex/Korvex.conf), read and written through QSettings. Saves are serialised
// between copies of the game by a lock file beside the settings file.

#include <QSettings>
#include <memory>

#include "hiscores/settings_store.h"

namespace korvex {

class QSettingsStore : public SettingsStore {
  public:
    static constexpr int kDefaultLockTimeoutMs = 5000;

    // The user's own settings of application and organisation "Korvex".
    QSettingsStore();
    // The settings file at `filePath` (tests use a temporary one).
    explicit QSettingsStore(const QString& filePath, int lockTimeoutMs = kDefaultLockTimeoutMs);
    ~QSettingsStore() override;

    QString read(const QString& section, const QString& key, const QString& fallback) override;
    void write(const QString& section, const QString& key, const QString& value) override;
    void removeSection(const QString& section) override;
    void sync() override;
    void reload() override;
    std::unique_ptr<StoreLock> lock() override;
    void keepDamagedCopy() override;

    const QString& fileName() const { return m_path; }
    QString lockFileName() const;
    QString damagedCopyName() const { return m_path + QStringLiteral(".damaged"); }
    // Where the user's own settings file lives.
    static QString userFilePath();

  private:
    void open();
    // A fresh QSettings: its status is clear again, and changes that could not be written are
    // dropped, so later reads show what the file really holds.
    QSettings::Status takeStatus();

    QString m_path;
    int m_lockTimeoutMs;
    bool m_damaged = false;      // the file could be read only in part
    QByteArray m_damagedDigest;  // the bytes found damaged; a change to them ends the damage
    std::unique_ptr<QSettings> m_settings;
};

}  // namespace korvex
