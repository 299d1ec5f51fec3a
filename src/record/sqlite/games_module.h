// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The entry point of the module that keeps the record of games in its SQLite file, as the module
// defines it and as the game looks it up when it first records or reads a game.

#include "record/game_store.h"

extern "C" {
// A store of the games at `path`, owned by the caller; the file is not touched yet.
korvex::GameStore* korvexOpenGameStore(const QString& path);
}

namespace korvex {
using OpenGameStore = decltype(&korvexOpenGameStore);
inline constexpr char kOpenGameStoreSymbol[] = "korvexOpenGameStore";
inline constexpr char kGamesModuleName[] = "korvex-games.so";
}  // namespace korvex
