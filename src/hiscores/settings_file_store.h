// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The real settings store: the user's own Korvex settings file (an ini file, on Linux
// ~/.config/Korvex/Korvex.conf) in the very form QSettings has always written it.
//
// The store reads the file's bytes itself and replaces the whole file itself, atomically; the
// ini text is read and composed by QSettings, but only ever over private copies of those bytes.
// So no QSettings ever holds the real file: nothing it caches can outlive a refused write and be
// written back later, and a change by another copy is seen by its content, whatever its size
// or time stamp. Writes wait in the store until sync(); a refused sync drops them.

#include <QHash>
#include <memory>
#include <vector>

#include "hiscores/settings_store.h"

namespace korvex {

class SettingsFileStore : public SettingsStore {
  public:
    // Long enough for another copy to finish its save, short enough not to freeze the window.
    static constexpr int kDefaultLockTimeoutMs = 500;

    // The user's own settings of application and organisation "Korvex".
    SettingsFileStore();
    // The settings file at `filePath` (tests use a temporary one).
    explicit SettingsFileStore(const QString& filePath, int lockTimeoutMs = kDefaultLockTimeoutMs);
    ~SettingsFileStore() override;

    QString read(const QString& section, const QString& key, const QString& fallback) override;
    void write(const QString& section, const QString& key, const QString& value) override;
    void removeSection(const QString& section) override;
    void sync() override;
    void reload(const QString& section) override;
    std::unique_ptr<StoreLock> lock() override;
    void keepDamagedCopy() override;

    const QString& fileName() const { return m_path; }
    QString lockFileName() const;
    QString damagedCopyName() const { return m_path + QStringLiteral(".damaged"); }
    // Where the user's own settings file lives.
    static QString userFilePath();

  protected:
    // Puts `bytes` in place of the settings file; throws StoreError when that is refused.
    virtual void replaceFile(const QByteArray& bytes);

  private:
    class HeldLock;
    class Scratch;
    struct Change {
        QString section;
        QString key;  // empty: the whole section goes
        QString value;
    };
    using Sections = QHash<QString, QHash<QString, QString>>;

    // Reads `section` from the file into memory; throws after reading what it could.
    void loadSection(const QString& section);
    void dropChanges();

    QString m_path;
    int m_lockTimeoutMs;
    Sections m_values;  // what read() answers: the file as last read, plus pending changes
    Sections m_read;    // the file as last read or written
    std::vector<Change> m_changes;
    int m_locksHeld = 0;
    bool m_damageKept = false;  // a copy of the damaged file was kept under the present lock
};

}  // namespace korvex
