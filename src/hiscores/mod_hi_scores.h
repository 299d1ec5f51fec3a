#pragma once
// `modHiScores`: the table of the ten best totals with the players' initials, its three
// registers, and the six operations on it. It lives for the whole run; the board, the list and
// the initials dialog read and write its state directly.

#include <QString>
#include <array>

#include "hiscores/settings_store.h"
#include "ui/toolkit.h"

namespace korvex {

struct HiScoreEntry {
    QString Initials = QStringLiteral("???");  // always exactly three characters
    qint64 Score = 0;
};

class ModHiScores {
public:
    ModHiScores(SettingsStore& store, Toolkit& toolkit);

    // Ascending: index 0 holds the lowest score, index 9 the highest.
    std::array<HiScoreEntry, 10> HiScoreTable;
    qint64 NewHiScore = 0;
    QString EnteredInitials = QStringLiteral("   ");
    bool NewEntryPending = false;

    void LoadHiScores();
    void SaveHiScores();
    void SortHiScores();
    void AddHiScore();
    void CheckHiScores();
    void ClearHiScores();

    // Any text fitted to three characters: padded with spaces, or cut without splitting a
    // character.
    static QString fitInitials(const QString& text);

private:
    SettingsStore& m_store;
    Toolkit& m_toolkit;
};

}  // namespace korvex
