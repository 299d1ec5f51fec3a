// SPDX-License-Identifier: GPL-3.0-or-later
#include "hiscores/settings_file_store.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <atomic>

#include "hiscores/ini_sections.h"
#include "hiscores/settings_file.h"

namespace korvex {

namespace {

using settings_file::Messages;
using settings_file::shown;

// A fingerprint of the file's bytes; empty when there is no file to read.
QByteArray fileDigest(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    QCryptographicHash hash(QCryptographicHash::Sha1);
    hash.addData(&file);
    return hash.result();
}

bool present(const QString& path) {
    struct stat st;
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0;
}

// Whether `copy` already holds the bytes of the file `path`, whose status is `file`.
bool holdsSameBytes(const QString& copy, const QString& path, const struct stat& file) {
    struct stat kept;
    if (::stat(QFile::encodeName(copy).constData(), &kept) != 0 || !S_ISREG(kept.st_mode))
        return false;
    if (kept.st_dev == file.st_dev && kept.st_ino == file.st_ino) return true;
    // Files too large to be a table are not read through just to compare them.
    return kept.st_size == file.st_size && file.st_size <= settings_file::kMaxBytes &&
           fileDigest(copy) == fileDigest(path);
}

StoreError tooLarge(const QString& path, const QString& consequence) {
    return StoreError(
        Messages::tr("The high-score file %1 is larger than 1 MiB, so it is damaged: it "
                     "cannot be a high-score table. %2")
            .arg(shown(path), consequence),
        StoreError::Kind::Damaged);
}

// A private copy of bytes that the store read itself, for QSettings to work on, in a folder
// of its own that goes with it. Every copy gets a name never used before in this process, so
// QSettings' process-wide cache can never mistake one for another.
class ScratchCopy {
  public:
    // Made in the first place of `places(besides)`, from the one at `from` on, that takes it.
    ScratchCopy(const QByteArray& bytes, const QString& besides, std::size_t from = 0) {
        static std::atomic<quint64> serial{0};
        const QStringList bases = places(besides);
        QString why;
        for (m_place = from; m_place < std::size_t(bases.size()); ++m_place) {
            m_base = bases[qsizetype(m_place)];
            m_folder = std::make_unique<QTemporaryDir>(m_base + QStringLiteral("/korvex-XXXXXX"));
            if (!m_folder->isValid()) {
                why = m_folder->errorString();
                continue;
            }
            m_path = m_folder->filePath(QString::number(++serial) + QStringLiteral(".conf"));
            QFile file(m_path);
            if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly) &&
                file.write(bytes) == bytes.size() && file.flush())
                return;
            why = file.errorString();
        }
        throw failed(why);
    }
    const QString& path() const { return m_path; }
    // Whether a later place is left to try.
    bool morePlaces(const QString& besides) const {
        return m_place + 1 < std::size_t(places(besides).size());
    }
    std::size_t place() const { return m_place; }
    QByteArray bytes() const {
        QFile file(m_path);
        if (!file.open(QIODevice::ReadOnly)) throw failed(file.errorString());
        return file.readAll();
    }
    StoreError failed(const QString& cause) const {
        return StoreError(
            Messages::tr("Korvex could not work on its high scores in the temporary folder "
                         "%1: %2.")
                .arg(shown(m_base), cause));
    }

  private:
    // The user's runtime folder lives in memory, so a full disk does not keep the high scores
    // from being read; where it is full or missing, the folder of the settings file itself,
    // then the temporary folder, serve.
    static QStringList places(const QString& besides) {
        QStringList bases;
        const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
        for (const QString& base : {runtime, besides, QDir::tempPath()})
            if (!base.isEmpty() && QFileInfo(base).isDir() && !bases.contains(base)) bases << base;
        return bases;
    }

    QString m_base;
    std::unique_ptr<QTemporaryDir> m_folder;
    QString m_path;
    std::size_t m_place = 0;
};

}  // namespace

// QSettings reads and composes the ini text exactly as the game always has, but only over
// scratch copies: it never opens the real file.
class SettingsFileStore::Scratch {
  public:
    struct Section {
        QHash<QString, QString> values;
        bool damaged = false;
    };

    static Section readSection(const QByteArray& bytes, const QString& section,
                               const QString& besides) {
        const ScratchCopy copy(bytes, besides);
        QSettings ini(copy.path(), QSettings::IniFormat);
        ini.beginGroup(section);
        Section result;
        const QStringList keys = ini.childKeys();
        for (const QString& key : keys) {
            const QVariant value = ini.value(key);
            // An ini value with bare commas reads back as a list; the game never writes one,
            // but a hand-edited file may hold it.
            result.values.insert(key, value.typeId() == QMetaType::QStringList
                                          ? value.toStringList().join(QLatin1Char(','))
                                          : value.toString());
        }
        result.damaged = ini.status() == QSettings::FormatError;
        return result;
    }

    // The file's bytes with `changes` made. Each changed section is written by QSettings, in
    // its own form, in place of the section's own lines; every other byte stays as it was. Only
    // a file that QSettings cannot read whole (its damage kept aside already) is rewritten
    // whole, as QSettings would.
    static QByteArray apply(const QByteArray& bytes, const std::vector<Change>& changes,
                            const QString& besides) {
        if (readable(bytes, besides) == QSettings::FormatError)
            return composed(bytes, changes, besides);
        QByteArray result = bytes;
        QStringList sections;
        for (const Change& change : changes)
            if (!sections.contains(change.section)) sections << change.section;
        for (const QString& section : sections) {
            const auto spans = ini_sections::spansOf(result, section);
            QByteArray own;
            for (const auto& span : spans)
                own += result.mid(span.begin, span.end - span.begin) + '\n';
            std::vector<Change> mine;
            for (const Change& change : changes)
                if (change.section == section) mine.push_back(change);
            result = ini_sections::replaced(result, spans, composed(own, mine, besides));
        }
        return result;
    }

  private:
    static QSettings::Status readable(const QByteArray& bytes, const QString& besides) {
        const ScratchCopy copy(bytes, besides);
        QSettings ini(copy.path(), QSettings::IniFormat);
        ini.allKeys();
        return ini.status();
    }

    // `bytes` with `changes` made, as QSettings writes a whole file; a place too full for the
    // new text gives way to the next.
    static QByteArray composed(const QByteArray& bytes, const std::vector<Change>& changes,
                               const QString& besides) {
        for (std::size_t from = 0;;) {
            const ScratchCopy copy(bytes, besides, from);
            QSettings ini(copy.path(), QSettings::IniFormat);
            // Written through a file of its own and renamed, so that a place too full for the new
            // text says so instead of leaving it cut short.
            ini.setAtomicSyncRequired(true);
            for (const Change& change : changes) {
                if (change.key.isEmpty())
                    ini.remove(change.section);
                else
                    ini.setValue(change.section + QLatin1Char('/') + change.key, change.value);
            }
            ini.sync();
            if (ini.status() != QSettings::AccessError) return copy.bytes();
            if (!copy.morePlaces(besides))
                throw copy.failed(Messages::tr("its new text could not be composed there"));
            from = copy.place() + 1;
        }
    }
};

// While any lock of this store is held, its saves need no other; the last one to go ends what
// was allowed under it.
class SettingsFileStore::HeldLock : public StoreLock {
  public:
    HeldLock(SettingsFileStore& store, std::unique_ptr<StoreLock> file)
        : m_store(store), m_file(std::move(file)) {
        ++m_store.m_locksHeld;
    }
    ~HeldLock() override {
        if (--m_store.m_locksHeld == 0) m_store.m_damageKept = false;
    }

  private:
    SettingsFileStore& m_store;
    std::unique_ptr<StoreLock> m_file;
};

SettingsFileStore::SettingsFileStore() : SettingsFileStore(userFilePath()) {}

SettingsFileStore::SettingsFileStore(const QString& filePath, int lockTimeoutMs)
    : m_path(filePath), m_lockTimeoutMs(lockTimeoutMs) {}

SettingsFileStore::~SettingsFileStore() = default;

// Where QSettings keeps the settings of organisation and application "Korvex", found without
// opening anything: whatever lies there must not be touched before it has been checked.
QString SettingsFileStore::userFilePath() {
    return QFileInfo(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                     QStringLiteral("/Korvex/Korvex.conf"))
        .absoluteFilePath();
}

QString SettingsFileStore::lockFileName() const {
    const QFileInfo info(m_path);
    return info.dir().filePath(info.completeBaseName() + QStringLiteral(".hiscores-lock"));
}

QString SettingsFileStore::read(const QString& section, const QString& key,
                                const QString& fallback) {
    if (!m_values.contains(section)) {
        try {
            loadSection(section);
        } catch (const StoreError&) {
            // reload() is where failures are reported; a plain read gives what could be read
        }
    }
    const auto& values = m_values[section];
    const auto value = values.constFind(key);
    return value == values.constEnd() ? fallback : *value;
}

void SettingsFileStore::write(const QString& section, const QString& key, const QString& value) {
    read(section, key, {});  // the other keys of the section come from the file
    m_changes.push_back({section, key, value});
    m_values[section][key] = value;
}

void SettingsFileStore::removeSection(const QString& section) {
    m_changes.push_back({section, {}, {}});
    m_values[section].clear();
}

void SettingsFileStore::reload(const QString& section) {
    m_changes.clear();
    m_values.clear();
    m_read.clear();
    loadSection(section);
}

void SettingsFileStore::loadSection(const QString& section) {
    m_values[section].clear();
    m_read[section].clear();
    const settings_file::Contents file = settings_file::read(m_path);
    if (file.tooLarge) throw tooLarge(m_path, Messages::tr("It was not read."));
    // No file, or an empty one, holds no section: nothing for QSettings to read (and the first
    // start of the game need not make a scratch folder).
    if (file.bytes.isEmpty()) return;
    const Scratch::Section found =
        Scratch::readSection(file.bytes, section, QFileInfo(m_path).absolutePath());
    m_values[section] = found.values;
    m_read[section] = found.values;
    if (found.damaged)
        throw StoreError(
            Messages::tr("The high-score file %1 is damaged; only part of it could be read.")
                .arg(shown(m_path)),
            StoreError::Kind::Damaged);
}

void SettingsFileStore::dropChanges() {
    m_changes.clear();
    m_values = m_read;
}

// The file is read again under the lock and the changes made to what it holds now, so every
// other key and section, and whatever another copy stored meanwhile, stays as it is.
void SettingsFileStore::sync() {
    if (m_changes.empty()) return;
    try {
        std::unique_ptr<StoreLock> own;
        if (m_locksHeld == 0) own = lock();
        settings_file::removeStaleTemporaries(m_path);
        const settings_file::Contents file = settings_file::read(m_path);
        if (file.tooLarge && !m_damageKept)
            throw tooLarge(m_path, Messages::tr("It was left as it is."));
        const QByteArray bytes =
            Scratch::apply(file.bytes, m_changes, QFileInfo(m_path).absolutePath());
        // A file the next load would refuse must never be written.
        if (bytes.size() > settings_file::kMaxBytes)
            throw StoreError(Messages::tr("The high-score file %1 would grow larger than 1 MiB, "
                                          "which Korvex does not read, so it was left as it is.")
                                 .arg(shown(m_path)));
        replaceFile(bytes);
    } catch (const StoreError&) {
        dropChanges();  // a refused change must never be written by a later save
        throw;
    }
    m_changes.clear();
    m_read = m_values;
}

void SettingsFileStore::replaceFile(const QByteArray& bytes) {
    settings_file::replace(m_path, bytes);
}

std::unique_ptr<StoreLock> SettingsFileStore::lock() {
    if (m_locksHeld > 0) return std::make_unique<HeldLock>(*this, nullptr);
    settings_file::makeFolder(QFileInfo(m_path).absolutePath());
    return std::make_unique<HeldLock>(*this,
                                      settings_file::lock(lockFileName(), m_path, m_lockTimeoutMs));
}

// Never replaces an earlier copy: it may hold the only trace of entries that could not be read.
void SettingsFileStore::keepDamagedCopy() {
    struct stat file;
    if (::stat(QFile::encodeName(m_path).constData(), &file) != 0 || !S_ISREG(file.st_mode)) return;
    QString copy = damagedCopyName();
    for (int n = 2; present(copy); ++n) {
        if (holdsSameBytes(copy, m_path, file)) {
            m_damageKept = true;  // these very bytes are kept already
            return;
        }
        copy = damagedCopyName() + QLatin1Char('.') + QString::number(n);
    }
    // A file too large to be a table gets a second name instead, made at once whatever its
    // size (the save replaces the file under its first name by a new one, so the bytes stay).
    const bool linked = file.st_size > settings_file::kMaxBytes &&
                        ::linkat(AT_FDCWD, QFile::encodeName(m_path).constData(), AT_FDCWD,
                                 QFile::encodeName(copy).constData(), AT_SYMLINK_FOLLOW) == 0;
    if (!linked && !QFile::copy(m_path, copy))
        throw StoreError(
            Messages::tr("A copy of the damaged high-score file could not be kept as %1, so "
                         "the file was left as it is.")
                .arg(shown(copy)));
    m_damageKept = true;
}

}  // namespace korvex
