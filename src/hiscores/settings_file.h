// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The settings file on disk, handled byte by byte: read only when it is a regular file and only
// up to a bound, replaced whole and atomically, and guarded between copies of the game by a lock
// that the system itself drops when its holder dies. Every failure is a StoreError whose text
// names the path and the real cause.

#include <QByteArray>
#include <QCoreApplication>
#include <QString>
#include <memory>

#include "hiscores/settings_store.h"

namespace korvex::settings_file {

// What the player reads of the high-score file, under the one context of the high-score
// operations.
struct Messages {
    Q_DECLARE_TR_FUNCTIONS(modHiScores)
};

// A path as the player's desktop writes it.
QString shown(const QString& path);

// A high-score file is a few hundred bytes; anything beyond this is not one.
constexpr qint64 kMaxBytes = 1 << 20;

struct Contents {
    QByteArray bytes;
    bool exists = false;
    bool tooLarge = false;  // over kMaxBytes: not read, `bytes` stays empty
};

// The file's bytes. A missing file (or a missing folder) is no failure: nothing is stored yet.
// Something other than a regular file, or a link that leads nowhere, is refused without
// waiting on it, so a named pipe or a device at the path never stalls the game.
Contents read(const QString& path);

// Replaces the file (or the regular file that a link at `path` leads to) with `bytes`: written
// to a temporary file beside it, flushed to disk, then renamed over it, so that every reader
// sees either the old file or the new one, never a part.
void replace(const QString& path, const QByteArray& bytes);

// Removes what saves of the file at `path` left behind when their copy of the game was killed:
// temporary files whose writer is no longer running. Call with the store's lock held, so that
// no copy of the game is writing one.
void removeStaleTemporaries(const QString& path);

// Creates `folder` and its parents as needed.
void makeFolder(const QString& folder);

// Takes the lock file at `path`, which guards the file `guarded`, for this copy of the game,
// retrying for up to `timeoutMs` while another running copy holds it. The file records its holder;
// a file left by a copy that was killed, empty or not, holds nothing and is taken at once.
std::unique_ptr<StoreLock> lock(const QString& path, const QString& guarded, int timeoutMs);

// The report of a write of `path` refused with the system's `error`.
StoreError writeRefused(const QString& path, int error);

// The cause of a failed file operation, in the player's words ("the disk is full").
QString causeOf(int error);

}  // namespace korvex::settings_file
