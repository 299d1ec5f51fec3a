// SPDX-License-Identifier: GPL-3.0-or-later
#include "hiscores/settings_file.h"

#include <fcntl.h>
#include <limits.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSysInfo>
#include <QThread>
#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace korvex::settings_file {

namespace {

// Closes a descriptor on every way out of a function.
class Descriptor {
  public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    ~Descriptor() {
        if (m_fd >= 0) ::close(m_fd);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return m_fd; }
    // Hands the descriptor over to a new owner.
    int release() {
        const int fd = m_fd;
        m_fd = -1;
        return fd;
    }
    // Closes now, reporting the error a late write-back may only show here.
    int close() {
        const int result = ::close(m_fd);
        m_fd = -1;
        return result == 0 ? 0 : errno;
    }

  private:
    int m_fd;
};

QString kindOf(mode_t mode) {
    if (S_ISDIR(mode)) return Messages::tr("a folder");
    if (S_ISFIFO(mode)) return Messages::tr("a named pipe");
    if (S_ISCHR(mode) || S_ISBLK(mode)) return Messages::tr("a device");
    if (S_ISSOCK(mode)) return Messages::tr("a socket");
    return Messages::tr("something other than a file");
}

StoreError notRegular(const QString& path, const QString& kind) {
    return StoreError(
        Messages::tr("The high-score file %1 is not a regular file: it is %2. Korvex neither "
                     "reads nor replaces it; the high scores are kept in memory only.")
            .arg(shown(path), kind));
}

StoreError danglingLink(const QString& path) {
    return notRegular(path, Messages::tr("a link to something that does not exist"));
}

// Reads to the end or to one byte past the bound, whichever comes first.
bool readBounded(int fd, QByteArray& bytes, int& error) {
    bytes.clear();
    char chunk[65536];
    while (bytes.size() <= kMaxBytes) {
        const ssize_t got = ::read(fd, chunk, sizeof chunk);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) {
            error = errno;
            return false;
        }
        if (got == 0) break;
        bytes.append(chunk, got);
    }
    return true;
}

bool writeAll(int fd, const QByteArray& bytes, int& error) {
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t put = ::write(fd, bytes.constData() + done, std::size_t(bytes.size() - done));
        if (put < 0 && errno == EINTR) continue;
        if (put < 0) {
            error = errno;
            return false;
        }
        done += put;
    }
    return true;
}

// The regular file that a save replaces: the path itself, or where a link there leads. Its
// permissions are kept for the new file.
QByteArray replacedTarget(const QString& path, mode_t& mode, bool& exists) {
    const QByteArray name = QFile::encodeName(path);
    struct stat st;
    exists = false;
    if (::lstat(name.constData(), &st) != 0) {
        if (errno == ENOENT) return name;
        throw writeRefused(path, errno);
    }
    QByteArray target = name;
    if (S_ISLNK(st.st_mode)) {
        if (::stat(name.constData(), &st) != 0) {
            if (errno == ENOENT) throw danglingLink(path);
            throw writeRefused(path, errno);
        }
        char* resolved = ::realpath(name.constData(), nullptr);
        if (!resolved) throw writeRefused(path, errno);
        target = resolved;
        std::free(resolved);
    }
    if (!S_ISREG(st.st_mode)) throw notRegular(path, kindOf(st.st_mode));
    mode = st.st_mode & 07777;
    exists = true;
    return target;
}

// "Korvex.conf.tmp-<pid>-<random>": the process that writes it is named, so that one left by a
// copy killed while saving can be told from one being written.
int createTemporary(const QByteArray& target, QByteArray& temporary) {
    for (int attempt = 0;; ++attempt) {
        temporary = target + ".tmp-" + QByteArray::number(QCoreApplication::applicationPid()) +
                    '-' + QByteArray::number(QRandomGenerator::global()->generate64(), 36);
        const int fd = ::open(temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST || attempt >= 16) return fd;
    }
}

// After the rename, flushing the folder makes the new name itself survive a power cut.
void syncFolderOf(const QByteArray& file) {
    const qsizetype slash = file.lastIndexOf('/');
    const QByteArray folder = slash <= 0 ? QByteArray(slash == 0 ? "/" : ".") : file.left(slash);
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

QString ownerText(int fd) {
    char buffer[256];
    const ssize_t got = ::pread(fd, buffer, sizeof buffer - 1, 0);
    if (got <= 0) return {};
    const QList<QByteArray> lines = QByteArray(buffer, got).split('\n');
    bool ok = false;
    const qint64 pid = lines.value(0).toLongLong(&ok);
    if (!ok || pid <= 0) return {};
    const QString host = QString::fromUtf8(lines.value(2));
    return host.isEmpty() ? Messages::tr(" (process %1)").arg(pid)
                          : Messages::tr(" (process %1 on %2)").arg(pid).arg(host);
}

// The lock file held by this copy. It is removed while still locked, so a copy that opened the
// old file meanwhile sees it gone and takes a fresh one instead.
class HeldLock : public StoreLock {
  public:
    HeldLock(int fd, QByteArray path) : m_fd(fd), m_path(std::move(path)) {}
    ~HeldLock() override {
        ::unlink(m_path.constData());
        ::close(m_fd);
    }

  private:
    int m_fd;
    QByteArray m_path;
};

// Pid, program and host, as Qt's own lock files have them, so a person looking at a left-over
// lock file can tell whose it was.
void recordOwner(int fd) {
    const QByteArray owner = QByteArray::number(QCoreApplication::applicationPid()) + '\n' +
                             QCoreApplication::applicationName().toUtf8() + '\n' +
                             QSysInfo::machineHostName().toUtf8() + '\n';
    // Only a help for people: the lock holds whether or not the record could be written.
    const bool recorded =
        ::ftruncate(fd, 0) == 0 &&
        ::pwrite(fd, owner.constData(), std::size_t(owner.size()), 0) == owner.size();
    Q_UNUSED(recorded);
}

// One attempt: the held lock, or nothing while another copy holds it (`owner` then names it).
std::unique_ptr<StoreLock> tryLockOnce(const QString& path, const QString& guarded,
                                       QString& owner) {
    const QByteArray name = QFile::encodeName(path);
    const int fd = ::open(name.constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NONBLOCK, 0644);
    if (fd < 0)
        throw StoreError(
            Messages::tr("The high-score file %1 could not be locked: its lock file %2 could "
                         "not be opened: %3.")
                .arg(shown(guarded), shown(path), causeOf(errno)));
    Descriptor closer(fd);
    struct stat held = {};
    if (::fstat(fd, &held) != 0 || !S_ISREG(held.st_mode))
        throw StoreError(
            Messages::tr("The high-score file %1 could not be locked: its lock file %2 is not a "
                         "regular file: it is %3.")
                .arg(shown(guarded), shown(path), kindOf(held.st_mode)));
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        if (errno != EWOULDBLOCK && errno != EINTR)
            throw StoreError(
                Messages::tr("The high-score file %1 could not be locked: its lock file %2 "
                             "could not be locked: %3.")
                    .arg(shown(guarded), shown(path), causeOf(errno)));
        owner = ownerText(fd);
        return nullptr;
    }
    struct stat now;
    if (::stat(name.constData(), &now) != 0 || now.st_ino != held.st_ino ||
        now.st_dev != held.st_dev)
        return nullptr;  // its holder removed it as it let go: the next try takes a fresh one
    recordOwner(fd);
    return std::make_unique<HeldLock>(closer.release(), name);
}

}  // namespace

QString shown(const QString& path) {
    return QDir::toNativeSeparators(path);
}

StoreError writeRefused(const QString& path, int error) {
    return StoreError(Messages::tr("The high-score file %1 could not be written: %2.")
                          .arg(shown(path), causeOf(error)));
}

QString causeOf(int error) {
    switch (error) {
        case ENOSPC:
        case EDQUOT:
            return Messages::tr("the disk is full");
        case EACCES:
        case EPERM:
            return Messages::tr("permission was refused");
        case EROFS:
            return Messages::tr("the disk may only be read");
        case ENOTDIR:
            return Messages::tr("a part of its path is a file, not a folder");
        case EISDIR:
            return Messages::tr("it is a folder, not a regular file");
        case EFBIG:
            return Messages::tr("the file would be larger than the system allows");
        case ENAMETOOLONG:
            return Messages::tr("its name is too long");
        case ELOOP:
            return Messages::tr("its path has too many links");
        case EIO:
            return Messages::tr("the disk reported an input or output error");
        case ENOENT:
            return Messages::tr("its folder does not exist");
        default:
            return QString::fromLocal8Bit(std::strerror(error)).toLower();
    }
}

Contents read(const QString& path) {
    const QByteArray name = QFile::encodeName(path);
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        const int error = errno;
        struct stat st;
        if (error == ENOENT && ::lstat(name.constData(), &st) == 0 && S_ISLNK(st.st_mode))
            throw danglingLink(path);
        if (error == ENOENT || error == ENOTDIR) return {};
        throw StoreError(Messages::tr("The high-score file %1 could not be read: %2.")
                             .arg(shown(path), causeOf(error)));
    }
    Descriptor closer(fd);
    struct stat st = {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) throw notRegular(path, kindOf(st.st_mode));
    Contents contents;
    contents.exists = true;
    int error = 0;
    if (st.st_size <= kMaxBytes && !readBounded(fd, contents.bytes, error))
        throw StoreError(Messages::tr("The high-score file %1 could not be read: %2.")
                             .arg(shown(path), causeOf(error)));
    if (st.st_size > kMaxBytes || contents.bytes.size() > kMaxBytes) {
        contents.tooLarge = true;
        contents.bytes.clear();
    }
    return contents;
}

void replace(const QString& path, const QByteArray& bytes) {
    mode_t mode = 0;
    bool exists = false;
    const QByteArray target = replacedTarget(path, mode, exists);
    QByteArray temporary;
    Descriptor fd(createTemporary(target, temporary));
    if (fd.get() < 0) throw writeRefused(path, errno);
    int error = 0;
    if (exists && ::fchmod(fd.get(), mode) != 0) error = errno;
    if (!error) writeAll(fd.get(), bytes, error);
    if (!error && ::fsync(fd.get()) != 0) error = errno;
    const int closeError = fd.close();
    if (!error) error = closeError;
    if (!error && ::rename(temporary.constData(), target.constData()) != 0) error = errno;
    if (error) {
        ::unlink(temporary.constData());
        throw writeRefused(path, error);
    }
    syncFolderOf(target);
}

void removeStaleTemporaries(const QString& path) {
    const QFileInfo file(path);
    const QString prefix = file.fileName() + QStringLiteral(".tmp-");
    const QDir folder = file.absoluteDir();
    for (const QFileInfo& left :
         folder.entryInfoList({prefix + u'*'}, QDir::Files | QDir::Hidden)) {
        bool named = false;
        const qint64 pid =
            left.fileName().mid(prefix.size()).section(u'-', 0, 0).toLongLong(&named);
        // A writer that is gone leaves its file for good; one without a name is let be for a
        // minute, in case some other program of the player's is writing it.
        const bool gone = named && pid > 0 && ::kill(pid_t(pid), 0) != 0 && errno == ESRCH;
        const bool old = !named && left.lastModified().secsTo(QDateTime::currentDateTime()) > 60;
        if (gone || old) QFile::remove(left.absoluteFilePath());
    }
}

void makeFolder(const QString& folder) {
    const QByteArray name = QFile::encodeName(QDir::cleanPath(QDir().absoluteFilePath(folder)));
    for (qsizetype end = 1; end <= name.size(); ++end) {
        if (end < name.size() && name[end] != '/') continue;
        const QByteArray part = name.left(end);
        struct stat st;
        int error = 0;
        if (::stat(part.constData(), &st) == 0)
            error = S_ISDIR(st.st_mode) ? 0 : ENOTDIR;
        else if (::mkdir(part.constData(), 0777) != 0 && errno != EEXIST)
            error = errno;
        if (error)
            throw StoreError(
                Messages::tr("The folder %1 for the high-score file could not be created: %2.")
                    .arg(shown(folder), causeOf(error)));
    }
}

std::unique_ptr<StoreLock> lock(const QString& path, const QString& guarded, int timeoutMs) {
    QElapsedTimer waited;
    waited.start();
    for (;;) {
        QString owner;
        if (auto held = tryLockOnce(path, guarded, owner)) return held;
        if (waited.elapsed() >= timeoutMs)
            throw StoreError(
                Messages::tr("The high-score file %1 is locked by another running copy of "
                             "Korvex%2, which is saving its high scores.")
                    .arg(shown(guarded), owner),
                StoreError::Kind::Busy);
        QThread::msleep(5 + QRandomGenerator::global()->bounded(10));
    }
}

}  // namespace korvex::settings_file
