// SPDX-License-Identifier: GPL-3.0-or-later
#include "record/sqlite/file_cause.h"

#include <sys/statvfs.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace korvex {
namespace {

// The texts of GameDatabase, under the context lupdate files them in.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(GameDatabase)
};

// Less room than this cannot take another game and its log.
constexpr unsigned long long kLeastRoomBytes = 64 * 1024;

bool writable(const QString& path) {
    // access() answers for the file system too: a read-only mount, an immutable file or folder.
    return ::access(QFile::encodeName(path).constData(), W_OK) == 0;
}

QString nearestFolder(QString folder) {
    for (QString up; !QFileInfo(folder).isDir(); folder = up) {
        up = QFileInfo(folder).absolutePath();
        if (up == folder) break;
    }
    return folder;
}

}  // namespace

QString fileCause(const QString& path) {
    const QString folder = QFileInfo(path).absolutePath();
    const QString existing = nearestFolder(folder);
    struct statvfs disk {};
    if (::statvfs(QFile::encodeName(existing).constData(), &disk) == 0) {
        if (disk.f_flag & ST_RDONLY) return Text::tr("the disk may only be read");
        if (disk.f_bavail * disk.f_frsize < kLeastRoomBytes || disk.f_favail == 0)
            return Text::tr("the disk is full");
    }
    if (existing != folder)
        return writable(existing) ? QString() : Text::tr("its folder cannot be made");
    for (const char* suffix : {"", "-wal", "-shm"}) {
        const QString file = path + QLatin1String(suffix);
        if (QFileInfo::exists(file) && !writable(file))
            return *suffix ? Text::tr("its log file %1 is read-only")
                                 .arg(QDir::toNativeSeparators(QFileInfo(file).fileName()))
                           : Text::tr("the file is read-only");
    }
    if (!writable(folder)) return Text::tr("its folder cannot be written");
    return {};
}

}  // namespace korvex
