// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The per-user settings store, addressed by section and key (the application is the store's
// own). The real one is the user's settings file; tests use an in-memory one. A store that
// cannot do what it is asked throws StoreError with a plain description, which the high-score
// operations report.
//
// Two copies of the game may share one store. A copy that saves holds the store's lock, reloads
// what the other copies wrote, adds its own entries and writes the result back, so no copy
// overwrites another's high scores.

#include <QString>
#include <memory>
#include <stdexcept>

namespace korvex {

class StoreError : public std::runtime_error {
  public:
    enum class Kind {
        Refused,  // the store would not do it (no access, no room, no folder)
        Damaged,  // what is stored could be read only in part
        Busy,     // another copy of the game holds the store
    };
    explicit StoreError(const QString& description, Kind kind = Kind::Refused)
        : std::runtime_error(description.toStdString()), m_description(description), m_kind(kind) {}
    const QString& description() const { return m_description; }
    Kind kind() const { return m_kind; }

  private:
    QString m_description;
    Kind m_kind;
};

// Held while a copy of the game rewrites the store; releasing it lets the next copy in.
class StoreLock {
  public:
    virtual ~StoreLock() = default;
};

class SettingsStore {
  public:
    virtual ~SettingsStore() = default;
    // The stored text, or `fallback` when the key or the section is missing.
    virtual QString read(const QString& section, const QString& key, const QString& fallback) = 0;
    virtual void write(const QString& section, const QString& key, const QString& value) = 0;
    virtual void removeSection(const QString& section) = 0;

    // Makes the writes so far durable; throws StoreError when the store refuses them, and then
    // drops them: nothing refused is ever written later. Also picks up what other copies of
    // the game have stored meanwhile.
    virtual void sync() {}
    // Picks up what other copies of the game have stored in `section` since this one last
    // looked, and drops writes not yet synced. Throws StoreError (Damaged) after reading what
    // it could when the section can be read only in part.
    virtual void reload(const QString& section) { (void)section; }
    // Takes the store for this copy alone until the returned lock goes; throws StoreError when
    // the lock cannot be had in reasonable time. A store used by one copy only needs no lock.
    virtual std::unique_ptr<StoreLock> lock() { return std::make_unique<StoreLock>(); }
    // Keeps a copy of what is stored now, before a save replaces values that could not be
    // read, so the player can still recover them. Throws StoreError when no copy can be made.
    virtual void keepDamagedCopy() {}
};

}  // namespace korvex
