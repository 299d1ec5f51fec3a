#include "hiscores/qsettings_store.h"

#include <QDir>
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

void QSettingsStore::sync() {
    m_settings->sync();
    checkStatus(QStringLiteral("written"));
}

void QSettingsStore::reload() {
    m_settings->sync();
    checkStatus(QStringLiteral("read"));
}

void QSettingsStore::checkStatus(const QString& doing) {
    const QSettings::Status status = m_settings->status();
    if (status == QSettings::NoError) return;
    // A fresh QSettings forgets the changes that could not be written, so a later read shows
    // what the file really holds.
    open();
    if (status == QSettings::FormatError)
        throw StoreError(QStringLiteral("The high-score file %1 is damaged and could not be %2.")
                             .arg(QDir::toNativeSeparators(m_path), doing));
    throw StoreError(QStringLiteral("The high-score file %1 could not be %2. Check that its "
                                    "folder exists and may be written.")
                         .arg(QDir::toNativeSeparators(m_path), doing));
}

std::unique_ptr<StoreLock> QSettingsStore::lock() {
    const QString folder = QFileInfo(m_path).absolutePath();
    if (!QDir().mkpath(folder))
        throw StoreError(QStringLiteral("The folder %1 for the high-score file could not be "
                                        "created.")
                             .arg(QDir::toNativeSeparators(folder)));
    auto held = std::make_unique<FileLock>(lockFileName());
    if (held->file().tryLock(m_lockTimeoutMs)) return held;
    if (held->file().error() == QLockFile::LockFailedError)
        throw StoreError(
            QStringLiteral("Another copy of Korvex is saving its high scores. "
                           "Please try again in a moment."));
    throw StoreError(QStringLiteral("The high-score file %1 could not be locked for writing. "
                                    "Check that its folder may be written.")
                         .arg(QDir::toNativeSeparators(m_path)));
}

}  // namespace korvex
