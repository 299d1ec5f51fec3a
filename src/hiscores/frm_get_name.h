// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// `frmGetName`: shows a new high score and takes up to three initials for it.

#include "hiscores/mod_hi_scores.h"
#include "ui/form.h"

namespace korvex {

class FrmGetName : public Form {
  public:
    explicit FrmGetName(Toolkit& toolkit);
    void load() override;
    void activate() override;

    // Shows the dialog over `owner` until it closes; returns the initials entered, in upper
    // case and fitted to three characters, or "???" when none were.
    QString askInitials(Form* owner, qint64 NewHiScore);

  private:
    void txtName_Change();
    void cmdOK_Click();

    qint64 m_newHiScore = 0;
    QString m_enteredInitials;  // `EnteredInitials`: what the field holds, as filed
};

FormLayout frmGetNameLayout();

}  // namespace korvex
