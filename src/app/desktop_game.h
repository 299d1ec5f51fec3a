// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The game on the desktop: the Qt toolkit, dice seeded from the clock, a high-score store, the
// record of games and the running game over them. main() and the start-up benchmark start the game
// through here, so they cannot drift apart.

#include <memory>

#include "app/running_game.h"
#include "core/random_source.h"
#include "hiscores/settings_store.h"
#include "record/game_history.h"
#include "ui/qt/qt_toolkit.h"

namespace korvex {

// Names the application (which also places its settings file), its desktop entry, icon and
// fonts. Call once, after the QApplication exists and before a DesktopGame is made.
void setUpApplication();

class DesktopGame {
  public:
    // Plays with the user's own high-score table and record of games.
    DesktopGame();
    // Plays with another table and records games in another file, so that tools and benchmarks
    // never touch the user's.
    DesktopGame(std::unique_ptr<SettingsStore> store, const QString& gamesFile);

    // Opens the board; the game then runs in the application's event loop.
    void show() { m_game.show(); }
    Form1& board() { return m_game.board(); }
    ModHiScores& hiScores() { return m_game.hiScores(); }
    QtToolkit& toolkit() { return m_toolkit; }

  private:
    QtToolkit m_toolkit;  // outlives the game below
    ClockSeededRandom m_random;
    std::unique_ptr<SettingsStore> m_store;
    GameHistory m_history;
    RunningGame m_game;
};

}  // namespace korvex
