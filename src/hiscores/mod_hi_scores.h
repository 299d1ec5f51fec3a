// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// `modHiScores`: the table of the ten best totals with the players' initials, and the six
// operations on it. It lives for the whole run; the board checks a finished game's total against
// it, and the list shows it and files the initials of the row a new total went into.

#include <QString>
#include <QStringList>
#include <array>
#include <optional>

#include "hiscores/settings_store.h"
#include "ui/toolkit.h"

namespace korvex {

struct HiScoreEntry {
    QString Initials = QStringLiteral("???");  // always exactly three characters
    qint64 Score = 0;
    // Added by this copy of the game and not yet stored. A save puts such entries into what
    // other copies stored meanwhile, so neither copy loses the other's scores; a reload keeps
    // them, so a save that failed loses nothing either.
    bool Unsaved = false;
};

using HiScoreTableType = std::array<HiScoreEntry, 10>;

class ModHiScores {
  public:
    ModHiScores(SettingsStore& store, Toolkit& toolkit);

    // Ascending: index 0 holds the lowest score, index 9 the highest.
    HiScoreTableType HiScoreTable;

    // A save while the game runs can be tried again later; one as the board closes cannot.
    enum class SaveTime { Running, Closing };

    void LoadHiScores();
    void SaveHiScores(SaveTime when = SaveTime::Running);
    // An entry of this run that a refused save left in memory only.
    bool hasUnsavedEntries() const;
    void SortHiScores();
    // Puts a new total in place of the lowest entry, with initials still to be asked ("???"
    // until then); returns the index the entry ends at.
    int AddHiScore(qint64 NewHiScore);
    // Adds the total when it beats an entry of the table; returns the index of the new entry.
    std::optional<int> CheckHiScores(qint64 NewHiScore);
    void ClearHiScores();

    // Any text fitted to three characters: padded with spaces, or cut without splitting a
    // character.
    static QString fitInitials(const QString& text);
    // A stored value read back as an entry, or nothing when it cannot be read.
    static std::optional<HiScoreEntry> parseStored(const QString& value);
    // An entry in its stored form: the three initials, then the score in plain decimal.
    static QString storedForm(const HiScoreEntry& entry);
    // A score as the windows show it: grouped by the locale's thousands separator.
    static QString formatScore(qint64 score);

    static const QString kSection;  // "HiScores"

  private:
    // Reads the stored table; the keys whose values cannot be read come back in `badKeys`.
    HiScoreTableType readStored(QStringList& badKeys);
    // Puts this copy's unsaved entries from the table in memory into `table`.
    void mergeUnsaved(HiScoreTableType& table) const;
    void report(const QString& text, const QString& operation);

    SettingsStore& m_store;
    Toolkit& m_toolkit;
};

}  // namespace korvex
