// SPDX-License-Identifier: GPL-3.0-or-later
#include "about/frm_how_to_play.h"

namespace korvex {

FrmHowToPlay::FrmHowToPlay(Toolkit& toolkit) : Form(frmHowToPlayLayout(), toolkit) {
    onClick(QStringLiteral("cmdOK"), [this] { cmdOK_Click(); });
}

void FrmHowToPlay::cmdOK_Click() {
    toolkit().close(*this);
}

}  // namespace korvex
