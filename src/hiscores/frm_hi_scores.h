// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// `frmHiScores`: the list of the ten best totals, highest first. Asks for the initials of the
// row a finished game's total went into, when it is given one, and can clear the stored table.

#include "hiscores/frm_get_name.h"
#include "hiscores/mod_hi_scores.h"
#include "ui/form.h"

namespace korvex {

class FrmHiScores : public Form {
  public:
    FrmHiScores(Toolkit& toolkit, ModHiScores& hiScores);
    void load() override;
    void activate() override;

    // The next opening first asks for the initials of the entry at `index` of the table.
    void askInitialsOf(int index) { m_newEntry = index; }
    void GetInitials(int index);
    void ShowScores();

    // The initials dialog this list opens; it lives as long as the list.
    FrmGetName& getName() { return m_getName; }

  private:
    void cmdOK_Click();
    void CB_ClearScores_Click();
    void askNewEntry();

    ModHiScores& m_hiScores;
    FrmGetName m_getName;
    std::optional<int> m_newEntry;  // the row whose initials are still to be asked
    bool m_asking = false;          // GetInitials is waiting for the initials dialog
};

FormLayout frmHiScoresLayout();

// Element names of the list's rows, row 0 at the top: "lblName(3)", "lblScore(3)", "Label4".
QString hiScoreNameLabel(int row);
QString hiScoreScoreLabel(int row);
QString hiScoreRankLabel(int row);

}  // namespace korvex
