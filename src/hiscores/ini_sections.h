// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where a section's own lines lie in an ini text as QSettings reads it, so that a save can
// replace the high scores' section and leave every other byte of the player's file as it was:
// QSettings, rewriting a whole file, would respell what it does not own (a list "a,b" becomes
// "a, b", a letter outside ASCII becomes an escape) and could grow it past what a load accepts.

#include <QByteArray>
#include <QString>
#include <vector>

namespace korvex::ini_sections {

// From a section's header line to the next header, its trailing blank lines left out.
struct Span {
    qsizetype begin = 0, end = 0;
};

// Every span of `section`, in order: a section may appear more than once.
std::vector<Span> spansOf(const QByteArray& text, const QString& section);

// `text` with the spans taken out and `replacement` put where the first one was, or added at
// the end, after a blank line, when there was none.
QByteArray replaced(const QByteArray& text, const std::vector<Span>& spans,
                    const QByteArray& replacement);

}  // namespace korvex::ini_sections
