// SPDX-License-Identifier: GPL-3.0-or-later
#include "hiscores/frm_get_name.h"

namespace korvex {

namespace {

const QString kTxtName = QStringLiteral("txtName");

}  // namespace

FrmGetName::FrmGetName(Toolkit& toolkit) : Form(frmGetNameLayout(), toolkit) {
    onChange(kTxtName, [this] { txtName_Change(); });
    onClick(QStringLiteral("cmdOK"), [this] { cmdOK_Click(); });
}

void FrmGetName::load() {
    setText(QStringLiteral("lblScore"), ModHiScores::formatScore(m_newHiScore));
}

QString FrmGetName::askInitials(Form* owner, qint64 NewHiScore) {
    m_newHiScore = NewHiScore;
    m_enteredInitials.clear();
    toolkit().showModal(*this, owner);
    // A field left empty, or holding only spaces, files the entry as unnamed.
    const QString initials = ModHiScores::fitInitials(m_enteredInitials);
    return initials == ModHiScores::fitInitials(QString()) ? QStringLiteral("???") : initials;
}

// Typing replaces the "???" at once.
void FrmGetName::activate() {
    model().selectAll(kTxtName);
    setFocus(kTxtName);
}

// The field keeps the text as typed; only the register is in upper case.
void FrmGetName::txtName_Change() {
    m_enteredInitials = ModHiScores::fitInitials(text(kTxtName).toUpper());
}

void FrmGetName::cmdOK_Click() {
    toolkit().close(*this);
}

}  // namespace korvex
