#pragma once
// `frmAbout`: title, version, credit and the scoring rules. Modeless, one instance.

#include "ui/form.h"

namespace korvex {

class FrmAbout : public Form {
public:
    explicit FrmAbout(Toolkit& toolkit);
    void load() override;
};

FormLayout frmAboutLayout();

}  // namespace korvex
