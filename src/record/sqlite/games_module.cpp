// SPDX-License-Identifier: GPL-3.0-or-later
// The module that keeps the record of games: Qt SQL and SQLite are loaded with it, on the first
// game recorded or read, never at the game's start.

#include "record/sqlite/games_module.h"

#include <QtGlobal>

#include "record/sqlite/game_database.h"

extern "C" Q_DECL_EXPORT korvex::GameStore* korvexOpenGameStore(const QString& path) {
    return new korvex::GameDatabase(path);
}
