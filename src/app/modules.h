// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The game's two modules, loaded the first time they are needed so that starting the game loads
// neither Qt SQL nor Qt Charts: korvex-games (the record's SQLite file) and korvex-records (the
// Statistics and Review windows). A module stays loaded for the rest of the run.

#include <QFunctionPointer>
#include <QStringList>

#include "record/game_store.h"

namespace korvex {

// Where the game looks for the module `name`: beside the program, then where it is installed.
QStringList moduleFiles(const QString& name);

// `symbol` from the first of `files` that loads and has it; null, with `problem` saying why
// each file failed, when none does.
QFunctionPointer resolveInModules(const QStringList& files, const char* symbol, QString& problem);

// Opens the record's store through the korvex-games module found among `files`.
GameStoreOpener gameStoreFromModule(QStringList files);

}  // namespace korvex
