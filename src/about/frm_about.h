// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// `frmAbout`: title, version, credit and the scoring rules. Modeless, one instance.

#include "ui/form.h"

namespace korvex {

class FrmAbout : public Form {
  public:
    explicit FrmAbout(Toolkit& toolkit);
    void load() override;

  private:
    void cmdOK_Click();
};

// The window's caption is "About " and the program's title.
FormLayout frmAboutLayout(const QString& title);
FormLayout frmAboutLayout();  // with the title "Korvex"

// "Version 1.1.0": all three numbers, also when the revision is 0.
QString versionText(const AppIdentity& identity);

}  // namespace korvex
