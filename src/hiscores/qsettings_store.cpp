#include "hiscores/qsettings_store.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QStringList>

namespace korvex {

namespace {

// Held while this copy rewrites the settings file. QSettings keeps its own short lock named
// after the file plus ".lock" during every sync, so ours must have another name.
class FileLock : public StoreLock {
  public:
    explicit FileLock(const QString& path) : m_file(path) {}
    QLockFile& file() { return m_file; }

  private:
    QLockFile m_file;
};

// A fingerprint of the file's bytes; empty when there is no file to read.
QByteArray fileDigest(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    QCryptographicHash hash(QCryptographicHash::Sha1);
    hash.addData(&file);
    return hash.result();
}

QString settingsKey(const QString& section, const QString& key) {
    return section + QLatin1Char('/') + key;
}

}  // namespace

QSettingsStore::QSettingsStore() : QSettingsStore(userFilePath()) {}

QSettingsStore::QSettingsStore(const QString& filePath, int lockTimeoutMs)
    : m_path(filePath), m_lockTimeoutMs(lockTimeoutMs) {
    open();
}

QSettingsStore::~QSettingsStore() = default;

QString QSettingsStore::userFilePath() {
    const QSettings user(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Korvex"),
                         QStringLiteral("Korvex"));
    return user.fileName();
}

QString QSettingsStore::lockFileName() const {
    const QFileInfo info(m_path);
    return info.dir().filePath(info.completeBaseName() + QStringLiteral(".hiscores-lock"));
}

void QSettingsStore::open() {
    m_settings = std::make_unique<QSettings>(m_path, QSettings::IniFormat);
}

QString QSettingsStore::read(const QString& section, const QString& key, const QString& fallback) {
    const QString name = settingsKey(section, key);
    if (!m_settings->contains(name)) return fallback;
    const QVariant value = m_settings->value(name);
    // An ini value with bare commas reads back as a list; the game never writes one, but a
    // hand-edited file may hold it.
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QLatin1Char(','));
    return value.toString();
}

void QSettingsStore::write(const QString& section, const QString& key, const QString& value) {
    m_settings->setValue(settingsKey(section, key), value);
}

void QSettingsStore::removeSection(const QString& section) {
    m_settings->remove(section);
}

// QSettings remembers the first error it met. A file that was damaged when read still gets
// the new table written over it, yet reports the damage again; whether the file really changed
// tells a written table from a refused one.
void QSettingsStore::sync() {
    const QByteArray before = fileDigest(m_path);
    m_settings->sync();
    const QSettings::Status status = takeStatus();
    if (status == QSettings::NoError ||
        (status == QSettings::FormatError && fileDigest(m_path) != before)) {
        m_damaged = false;  // the table now written replaces whatever was damaged
        return;
    }
    throw StoreError(
        QCoreApplication::translate("modHiScores",
                                    "The high-score file %1 could not be written. Check that its "
                                    "folder exists and may be written.")
            .arg(QDir::toNativeSeparators(m_path)));
}

void QSettingsStore::reload() {
    m_settings->sync();
    const QSettings::Status status = takeStatus();
    if (status == QSettings::AccessError)
        throw StoreError(
            QCoreApplication::translate("modHiScores",
                                        "The high-score file %1 could not be read. Check that it "
                                        "is a file that may be read.")
                .arg(QDir::toNativeSeparators(m_path)));
    // QSettings parses an unchanged file only once per run, so the damage is remembered here
    // until the file changes: a save of ours, another copy's, or a hand repair. A changed file
    // is parsed again, and reports its damage again if it still has any.
    if (status == QSettings::FormatError) {
        m_damaged = true;
        m_damagedDigest = fileDigest(m_path);
    } else if (m_damaged && fileDigest(m_path) != m_damagedDigest) {
        m_damaged = false;
    }
    if (m_damaged)
        throw StoreError(
            QCoreApplication::translate("modHiScores",
                                        "The high-score file %1 is damaged; only part of it "
                                        "could be read.")
                .arg(QDir::toNativeSeparators(m_path)),
            StoreError::Kind::Damaged);
}

QSettings::Status QSettingsStore::takeStatus() {
    const QSettings::Status status = m_settings->status();
    if (status != QSettings::NoError) open();
    return status;
}

// Never replaces an earlier copy: it may hold the only trace of entries that could not be read.
void QSettingsStore::keepDamagedCopy() {
    if (!QFileInfo::exists(m_path)) return;
    const QByteArray digest = fileDigest(m_path);
    QString copy = damagedCopyName();
    for (int n = 2; QFileInfo::exists(copy); ++n) {
        if (fileDigest(copy) == digest) return;  // these very bytes are kept already
        copy = damagedCopyName() + QLatin1Char('.') + QString::number(n);
    }
    if (!QFile::copy(m_path, copy))
        throw StoreError(
            QCoreApplication::translate("modHiScores",
                                        "A copy of the damaged high-score file could not be kept "
                                        "as %1, so the file was left as it is.")
                .arg(QDir::toNativeSeparators(copy)));
}

std::unique_ptr<StoreLock> QSettingsStore::lock() {
    const QString folder = QFileInfo(m_path).absolutePath();
    if (!QDir().mkpath(folder))
        throw StoreError(
            QCoreApplication::translate("modHiScores",
                                        "The folder %1 for the high-score file could not be "
                                        "created.")
                .arg(QDir::toNativeSeparators(folder)));
    auto held = std::make_unique<FileLock>(lockFileName());
    if (held->file().tryLock(m_lockTimeoutMs)) return held;
    if (held->file().error() == QLockFile::LockFailedError)
        throw StoreError(QCoreApplication::translate(
                             "modHiScores", "Another copy of Korvex is saving its high scores."),
                         StoreError::Kind::Busy);
    throw StoreError(
        QCoreApplication::translate("modHiScores",
                                    "The high-score file %1 could not be locked for writing. "
                                    "Check that its folder may be written.")
            .arg(QDir::toNativeSeparators(m_path)));
}

}  // namespace korvex
