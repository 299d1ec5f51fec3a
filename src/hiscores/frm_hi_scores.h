#pragma once
// `frmHiScores`: the list of the ten best totals, highest first. Asks for the initials of a
// pending entry when it becomes active, and can clear the stored table.

#include "hiscores/mod_hi_scores.h"
#include "ui/form.h"

namespace korvex {

class FrmHiScores : public Form {
public:
    FrmHiScores(Toolkit& toolkit, ModHiScores& hiScores);
    void activate() override;

    void GetInitials(int index);
    void ShowScores();

private:
    ModHiScores& m_hiScores;
};

FormLayout frmHiScoresLayout();

}  // namespace korvex
