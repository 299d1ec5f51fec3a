// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The player's language: which one the desktop asks for, and loading the game's own translation
// together with Qt's (for the Yes, No and OK of message boxes). English is the language the game
// is written in, so it needs no translation file.

#include <QString>
#include <QStringList>

namespace korvex {

// The locale variables as a desktop session sets them.
struct LocaleEnvironment {
    QString language;    // LANGUAGE: a preference list "de_DE:de:en"
    QString lcAll;       // LC_ALL
    QString lcMessages;  // LC_MESSAGES
    QString lang;        // LANG

    static LocaleEnvironment current();
};

// The languages the player asks for, most wanted first, read as gettext reads them: LC_ALL,
// then LC_MESSAGES, then LANG name the locale of messages, and LANGUAGE, where set, lists the
// preferred languages instead. A locale of C or POSIX (or none) means the untranslated texts,
// whatever LANGUAGE says, so that `LANG=C korvex` is always English. Empty for English.
QStringList requestedLanguages(const LocaleEnvironment& env);

// The folders searched for the game's .qm files, first match wins: beside the program in the
// build tree, then the installed data folder relative to the program, then the one it was
// configured for.
QStringList translationFolders();

// Loads the first of `languages` that the game has a translation for in `folders`, with Qt's
// own for the same language, replacing any loaded before. An English entry ahead of every
// translated one keeps the game in English. Returns the translation loaded ("de", or "pt_BR"
// where the game has one for that region), or "" for English.
QString installTranslations(const QStringList& languages,
                            const QStringList& folders = translationFolders());

}  // namespace korvex
