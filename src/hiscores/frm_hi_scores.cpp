// SPDX-License-Identifier: GPL-3.0-or-later
#include "hiscores/frm_hi_scores.h"

#include <QCoreApplication>

namespace korvex {

FrmHiScores::FrmHiScores(Toolkit& toolkit, ModHiScores& hiScores)
    : Form(frmHiScoresLayout(), toolkit), m_hiScores(hiScores), m_getName(toolkit) {
    onClick(QStringLiteral("cmdOK"), [this] { cmdOK_Click(); });
    onClick(QStringLiteral("CB_ClearScores"), [this] { CB_ClearScores_Click(); });
}

// The initials are asked for only once the list is on screen (the toolkits report activation
// after showing a window, also where the desktop does not), so the prompt opens over the list
// rather than over the board; the rows are filled after it, so the new entry never shows
// unasked initials behind the prompt. With nothing to ask, the rows are there from the first
// paint.
void FrmHiScores::load() {
    if (!m_newEntry) ShowScores();
}

void FrmHiScores::activate() {
    askNewEntry();
    ShowScores();
    setFocus(QStringLiteral("cmdOK"));
}

void FrmHiScores::askNewEntry() {
    // Some desktops report this window active again while the initials dialog is still open
    // over it; asking then would open a second prompt for the same entry.
    if (m_asking || !m_newEntry) return;
    m_asking = true;
    GetInitials(*m_newEntry);
    m_asking = false;
    m_newEntry.reset();
}

void FrmHiScores::GetInitials(int index) {
    HiScoreEntry& entry = m_hiScores.HiScoreTable.at(std::size_t(index));
    entry.Initials = m_getName.askInitials(this, entry.Score);
}

void FrmHiScores::ShowScores() {
    for (int r = 0; r < 10; ++r) {
        const HiScoreEntry& entry = m_hiScores.HiScoreTable[std::size_t(9 - r)];
        setText(hiScoreNameLabel(r), entry.Initials);
        setText(hiScoreScoreLabel(r), ModHiScores::formatScore(entry.Score) + QLatin1Char(' '));
    }
}

void FrmHiScores::cmdOK_Click() {
    toolkit().close(*this);
}

void FrmHiScores::CB_ClearScores_Click() {
    const MessageResult answer = toolkit().messageBox(
        this,
        QCoreApplication::translate(
            "frmHiScores", "Are you sure you want to clear all high scores from the list?"),
        QCoreApplication::translate("frmHiScores", "Confirm Deletions"), MessageButtons::YesNo);
    if (answer != MessageResult::Yes) return;
    m_hiScores.ClearHiScores();
    toolkit().close(*this);
}

}  // namespace korvex
