#pragma once
// A run of the game: the application's identity and fonts, and everything the run owns — the
// toolkit, the dice, the user's high-score table and the board. main() and the start-up
// benchmark both start the game through here, so they cannot drift apart.

#include "board/form1.h"
#include "board/random_source.h"
#include "hiscores/mod_hi_scores.h"
#include "hiscores/qsettings_store.h"
#include "record/game_history.h"
#include "ui/qt/lazy_record_views.h"
#include "ui/qt/qt_toolkit.h"

namespace korvex {

// Names the application (which also places its settings file), its desktop entry, icon and
// fonts. Call once, after the QApplication exists and before a GameApplication is made.
void setUpApplication();

class GameApplication {
  public:
    GameApplication();
    // Opens the board; the game then runs in the application's event loop.
    void show() { m_toolkit.showModeless(m_board); }
    Form1& board() { return m_board; }
    GameHistory& history() { return m_history; }

  private:
    QtToolkit m_toolkit;  // outlives the forms below
    ClockSeededRandom m_random;
    QSettingsStore m_store;
    ModHiScores m_hiScores;
    Form1 m_board;
    GameHistory m_history;
    LazyRecordViews m_recordWindows;
};

}  // namespace korvex
