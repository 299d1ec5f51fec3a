// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// `frmHowToPlay`: the rules as a new player needs them, opened by F1 on the board. Modeless, one
// instance; OK, Enter or Escape closes it.

#include "core/rules.h"
#include "ui/form.h"

namespace korvex {

class FrmHowToPlay : public Form {
  public:
    explicit FrmHowToPlay(Toolkit& toolkit);

  private:
    void cmdOK_Click();
};

FormLayout frmHowToPlayLayout();

// One line of the window's list of categories: "Full House" and what it scores, with an example
// whose points the category's own rule works out.
struct CategoryExample {
    QString name;
    QString text;
};
std::vector<CategoryExample> categoryExamples();

}  // namespace korvex
