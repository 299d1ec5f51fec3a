#pragma once
// `frmGetName`: shows a new high score and takes up to three initials into `EnteredInitials`.

#include "hiscores/mod_hi_scores.h"
#include "ui/form.h"

namespace korvex {

class FrmGetName : public Form {
  public:
    FrmGetName(Toolkit& toolkit, ModHiScores& hiScores);
    void load() override;
    void activate() override;

  private:
    void txtName_Change();
    void cmdOK_Click();

    ModHiScores& m_hiScores;
};

FormLayout frmGetNameLayout();

}  // namespace korvex
