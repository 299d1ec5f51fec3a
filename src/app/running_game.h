#pragma once
// The one assembly of a running game: the high-score table over a store, and the board that
// plays with the given dice and reports through the given toolkit. The desktop program, the tests,
// the benchmarks and the tools all put a game together through here.

#include "board/form1.h"
#include "core/random_source.h"
#include "hiscores/mod_hi_scores.h"
#include "hiscores/settings_store.h"
#include "ui/toolkit.h"

namespace korvex {

class RunningGame {
  public:
    // The toolkit, dice and store must outlive the game.
    RunningGame(Toolkit& toolkit, RandomSource& random, SettingsStore& store);

    // Opens the board; the game then runs on the toolkit's events.
    void show() { m_toolkit.showModeless(m_board); }
    Form1& board() { return m_board; }
    ModHiScores& hiScores() { return m_hiScores; }

  private:
    Toolkit& m_toolkit;
    ModHiScores m_hiScores;
    Form1 m_board;
};

}  // namespace korvex
