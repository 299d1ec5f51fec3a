// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// `Form1`: the board window. It owns the game being played; each handler makes the player's move
// on it, hands the game as it now stands to the recorder, and then shows the whole game in the
// board's named fields (dice, holds, card, counters, the forced-roll code), which only ever
// reflect the game and are never read back.

#include <functional>
#include <memory>

#include "board/board_status.h"
#include "board/coach_panel.h"
#include "core/game.h"
#include "core/random_source.h"
#include "hiscores/mod_hi_scores.h"
#include "record/game_history.h"
#include "record/game_recorder.h"
#include "ui/form.h"

namespace korvex {

class FrmAbout;
class FrmHowToPlay;

// The windows of the record of games, as the board's "Statistics", "Review" and "Practice" links
// open them.
struct RecordLinks {
    std::function<void()> statistics;
    std::function<void(const GameRecord&)> review;
    std::function<void()> practice;
};

class Form1 : public Form {
  public:
    Form1(Toolkit& toolkit, RandomSource& random, ModHiScores& hiScores);
    ~Form1() override;

    void load() override { Form_Load(); }
    void unload() override { Form_Unload(); }

    void Form_Load();
    void Form_Unload();
    void CB_New_Click();
    void CB_Start_Click();
    void CB_Exit_Click();
    void CB_ViewScores_Click();
    void Label19_Click();  // "About"
    void Label20_Click();  // "Help/"
    void CB_Roll_Click();
    void CB_Roll_KeyPress(char16_t keyAscii);
    void CB_Save_Click();
    // The thirty die handlers (`Die3_2_Click` and its family) all toggle the hold of a position.
    void dieClick(int face, int position);
    // The thirteen category handlers (`Score4_Click` and its family) all select a category.
    void categoryClick(CategoryId id);

    void lblHint_Click();
    void lblStatistics_Click();  // "Statistics"
    void lblReview_Click();      // "Review", shown once a game is over
    void lblPractice_Click();    // "Practice"
    // F1: the window that explains the game.
    void showHowToPlay();

    // Where finished games go, and the windows that show them; none in a bare board.
    void setHistory(GameHistory* history) { m_history = history; }
    void setRecordLinks(RecordLinks links) { m_links = std::move(links); }
    // The game most recently finished on this board, as recorded.
    const std::optional<GameRecord>& lastGame() const { return m_lastGame; }

    const Game& game() const { return m_game; }
    FrmAbout* about() const { return m_about.get(); }
    FrmHowToPlay* howToPlay() const { return m_howToPlay.get(); }
    const CoachPanel& coach() const { return m_coach; }
    CoachPanel& coach() { return m_coach; }

  private:
    void wireHandlers();
    void wireNavigation();
    bool rollDice();
    // The high-score step of a finished game; `place` is where it entered the table, if it did.
    TableOutcome endGame(int& place);
    void showAbout();
    void recordEnd();
    // Writes the game into the board's fields; `focus` names the element a move hands the
    // keyboard to, if any.
    void showGame(const QString& focus = QString());
    void showDice();
    void showCard();
    void showCounters();
    void showButtons(const QString& focus);
    // The arrow keys, Home and End: along the dice, between the dice, Roll and Save and the
    // card, and up and down the card's two columns.
    void diceKey(int position, NavigationKey key);
    void buttonKey(const QString& button, NavigationKey key);
    void cardKey(const QString& box, NavigationKey key);
    void focusFirstEnabled(const QStringList& elements);
    void focusOpenBox(bool first);
    QString shownDie(int position) const;
    // The status line: what the last move did, as a screen reader hears it too.
    void say(const QString& text) { setText(QStringLiteral("lblStatus"), text); }
    QString withCoach(const QString& text);

    RandomSource& m_random;
    ModHiScores& m_hiScores;
    std::unique_ptr<FrmAbout> m_about;
    std::unique_ptr<FrmHowToPlay> m_howToPlay;
    Game m_game;
    CoachPanel m_coach{model(), m_game};
    GameRecorder m_recorder;
    GameHistory* m_history = nullptr;
    RecordLinks m_links;
    std::optional<GameRecord> m_lastGame;
};

}  // namespace korvex
