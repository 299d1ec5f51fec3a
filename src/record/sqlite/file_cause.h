// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Why the record's file cannot be written or read, in the player's words, found by looking at
// the file system itself: SQLite only says "disk I/O error" or "unable to open database file".

#include <QString>

namespace korvex {

// The cause for the file at `path` (and its log files beside it), or empty when the file
// system shows none: "the disk is full", "the disk may only be read", "the file is read-only",
// "its folder cannot be written".
QString fileCause(const QString& path);

}  // namespace korvex
