// SPDX-License-Identifier: GPL-3.0-or-later
#include "hiscores/mod_hi_scores.h"

#include <QCoreApplication>
#include <QLocale>
#include <algorithm>
#include <utility>

namespace korvex {

const QString ModHiScores::kSection = QStringLiteral("HiScores");

namespace {

const QString kMissingValue = QStringLiteral("???0");

// Selection sort, ascending, taking the lowest index among equal lowest scores, so that a new
// entry written at index 0 ends below every older entry with the same score. `follow`, when
// given, is an index whose entry is tracked to where it ends.
void sortTable(HiScoreTableType& table, std::size_t* follow = nullptr) {
    for (std::size_t i = 0; i + 1 < table.size(); ++i) {
        std::size_t m = i;
        qint64 c = table[i].Score;
        for (std::size_t j = i + 1; j < table.size(); ++j) {
            if (table[j].Score < c) {
                c = table[j].Score;
                m = j;
            }
        }
        if (m == i) continue;
        std::swap(table[i], table[m]);
        if (follow && *follow == i)
            *follow = m;
        else if (follow && *follow == m)
            *follow = i;
    }
}

// Puts `entry` in place of the lowest entry and returns where it ends. The table is sorted
// first, as the game always stores it; a hand-edited table out of order must not lose a higher
// entry.
std::size_t placeEntry(HiScoreTableType& table, const HiScoreEntry& entry) {
    sortTable(table);
    table[0] = entry;
    std::size_t placed = 0;
    sortTable(table, &placed);
    return placed;
}

bool insertEntry(HiScoreTableType& table, const HiScoreEntry& entry) {
    sortTable(table);
    if (entry.Score <= table[0].Score) return false;
    placeEntry(table, entry);
    return true;
}

bool isWholeDecimal(const QString& text) {
    const int start = text.startsWith(QLatin1Char('-')) ? 1 : 0;
    if (text.size() <= start) return false;
    for (int i = start; i < text.size(); ++i)
        if (text[i] < QLatin1Char('0') || text[i] > QLatin1Char('9')) return false;
    return true;
}

// "1, 2 and 3": the keys in the reader's language.
QString keyList(const QStringList& keys) {
    return QCoreApplication::translate("modHiScores", "%1 and %2")
        .arg(keys.mid(0, keys.size() - 1).join(QStringLiteral(", ")), keys.back());
}

QString unreadableText(const QStringList& keys) {
    if (keys.size() == 1)
        return QCoreApplication::translate(
                   "modHiScores",
                   "The high score stored under key %1 could not be read; it is shown as ??? with "
                   "a score of 0.")
            .arg(keys.front());
    return QCoreApplication::translate(
               "modHiScores",
               "The high score stored under keys %1 could not be read; they are shown as ??? with "
               "a score of 0.")
        .arg(keyList(keys));
}

}  // namespace

ModHiScores::ModHiScores(SettingsStore& store, Toolkit& toolkit)
    : m_store(store), m_toolkit(toolkit) {}

QString ModHiScores::fitInitials(const QString& text) {
    QString fitted;
    for (int i = 0; i < text.size();) {
        const QChar c = text[i];
        int length = 1;
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            length = 2;
        } else if (c.isSurrogate()) {
            ++i;  // half a character, left by a damaged text: no character to keep
            continue;
        }
        if (fitted.size() + length > 3) break;
        fitted += text.mid(i, length);
        i += length;
    }
    while (fitted.size() < 3) fitted += QLatin1Char(' ');
    return fitted;
}

std::optional<HiScoreEntry> ModHiScores::parseStored(const QString& value) {
    if (value.size() < 4) return std::nullopt;
    const QString number = value.mid(3);
    if (!isWholeDecimal(number)) return std::nullopt;
    bool ok = false;
    const qint64 score = number.toLongLong(&ok, 10);
    if (!ok) return std::nullopt;  // beyond the 64-bit range
    HiScoreEntry entry;
    entry.Initials = fitInitials(value.left(3));
    entry.Score = score;
    return entry;
}

QString ModHiScores::storedForm(const HiScoreEntry& entry) {
    return fitInitials(entry.Initials) + QString::number(entry.Score);
}

QString ModHiScores::formatScore(qint64 score) {
    // The C locale leaves out the separator unless told otherwise; the list always groups.
    QLocale locale;
    locale.setNumberOptions(locale.numberOptions() & ~QLocale::OmitGroupSeparator);
    return locale.toString(score);
}

void ModHiScores::report(const QString& text, const QString& operation) {
    m_toolkit.messageBox(nullptr, text, operation, MessageButtons::Ok);
}

HiScoreTableType ModHiScores::readStored(QStringList& badKeys) {
    HiScoreTableType table;
    for (int i = 0; i < int(table.size()); ++i) {
        const QString key = QString::number(i);
        const auto entry = parseStored(m_store.read(kSection, key, kMissingValue));
        if (entry)
            table[std::size_t(i)] = *entry;
        else
            badKeys << key;
    }
    return table;
}

void ModHiScores::mergeUnsaved(HiScoreTableType& table) const {
    for (const HiScoreEntry& entry : HiScoreTable)
        if (entry.Unsaved) insertEntry(table, entry);
}

void ModHiScores::LoadHiScores() {
    QStringList problems;
    HiScoreTableType table;
    try {
        m_store.reload(kSection);
    } catch (const StoreError& e) {
        problems << e.description();
    }
    try {
        QStringList badKeys;
        table = readStored(badKeys);
        if (!badKeys.isEmpty()) problems << unreadableText(badKeys);
    } catch (const StoreError& e) {
        problems << e.description();
    }
    mergeUnsaved(table);
    HiScoreTable = table;
    if (!problems.isEmpty())
        report(problems.join(QLatin1Char('\n')), QStringLiteral("LoadHiScores"));
}

bool ModHiScores::hasUnsavedEntries() const {
    return std::any_of(HiScoreTable.begin(), HiScoreTable.end(),
                       [](const HiScoreEntry& entry) { return entry.Unsaved; });
}

void ModHiScores::SaveHiScores(SaveTime when) {
    try {
        const auto held = m_store.lock();
        bool damaged = false;
        try {
            m_store.reload(kSection);
        } catch (const StoreError& e) {
            if (e.kind() != StoreError::Kind::Damaged) throw;
            damaged = true;  // what could be read is kept; the rest was reported at load
        }
        QStringList badKeys;
        HiScoreTableType table = readStored(badKeys);
        if (damaged || !badKeys.isEmpty()) m_store.keepDamagedCopy();
        mergeUnsaved(table);
        for (int i = 0; i < int(table.size()); ++i)
            m_store.write(kSection, QString::number(i), storedForm(table[std::size_t(i)]));
        m_store.sync();
        for (HiScoreEntry& entry : table) entry.Unsaved = false;
        HiScoreTable = table;
    } catch (const StoreError& e) {
        // While the game runs there is a later chance; when it closes, there is none.
        report(e.description() + QStringLiteral("\n\n") +
                   (when == SaveTime::Closing
                        ? QCoreApplication::translate(
                              "modHiScores",
                              "Korvex is closing, so the new high score could not be kept: it is "
                              "lost.")
                        : QCoreApplication::translate(
                              "modHiScores",
                              "The new high score is kept while Korvex runs; it is saved again "
                              "when High Scores is opened or the game is closed.")),
               QStringLiteral("SaveHiScores"));
    }
}

void ModHiScores::SortHiScores() {
    sortTable(HiScoreTable);
}

int ModHiScores::AddHiScore(qint64 NewHiScore) {
    HiScoreEntry entry;
    entry.Score = NewHiScore;
    entry.Unsaved = true;
    return int(placeEntry(HiScoreTable, entry));
}

std::optional<int> ModHiScores::CheckHiScores(qint64 NewHiScore) {
    for (int i = 9; i >= 0; --i)
        if (NewHiScore > HiScoreTable[std::size_t(i)].Score) return AddHiScore(NewHiScore);
    return std::nullopt;
}

void ModHiScores::ClearHiScores() {
    try {
        const auto held = m_store.lock();
        m_store.removeSection(kSection);
        m_store.sync();
    } catch (const StoreError& e) {
        report(e.description(), QStringLiteral("ClearHiScores"));
        return;
    }
    HiScoreTable = HiScoreTableType{};
}

}  // namespace korvex
