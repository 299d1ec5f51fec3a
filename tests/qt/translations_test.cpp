// SPDX-License-Identifier: GPL-3.0-or-later
// Choosing the player's language from the locale variables, as gettext does, and loading the
// game's translation together with Qt's own for the buttons of message boxes.

#include "ui/qt/translations.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <cerrno>

#include "coach/coach_advice.h"
#include "hiscores/settings_file.h"
#include "support/qstring_printer.h"

namespace korvex {
namespace {

TEST(RequestedLanguages, followTheLocaleVariablesAsGettextDoes) {
    struct Case {
        LocaleEnvironment env;  // LANGUAGE, LC_ALL, LC_MESSAGES, LANG
        QStringList wanted;
    };
    const Case cases[] = {
        {{"", "", "", "de_DE.UTF-8"}, {"de_DE.UTF-8"}},
        {{"", "", "es_ES.UTF-8", "fr_FR.UTF-8"}, {"es_ES.UTF-8"}},       // LC_MESSAGES before LANG
        {{"", "fr_FR.UTF-8", "es_ES.UTF-8", "de_DE"}, {"fr_FR.UTF-8"}},  // LC_ALL before both
        {{"fr:de", "", "", "en_US.UTF-8"}, {"fr", "de"}},                // LANGUAGE lists
        {{"de::fr", "", "", "de_DE"}, {"de", "fr"}},
        // The untranslated texts, whatever LANGUAGE asks for.
        {{"", "", "", "C"}, {}},
        {{"de", "", "", "C"}, {}},
        {{"de", "", "", "C.UTF-8"}, {}},
        {{"de", "POSIX", "", "de_DE"}, {}},
        {{"de", "", "", ""}, {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(requestedLanguages(c.env), c.wanted)
            << "LANGUAGE=" << c.env.language.toStdString()
            << " LC_ALL=" << c.env.lcAll.toStdString()
            << " LC_MESSAGES=" << c.env.lcMessages.toStdString()
            << " LANG=" << c.env.lang.toStdString();
}

// The Yes button of a message box as Qt labels it now.
QString yesButtonText() {
    QMessageBox box;
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    return box.button(QMessageBox::Yes)->text();
}

class InstallTranslations : public ::testing::Test {
  protected:
    void TearDown() override { installTranslations({}); }
    static QString load(const QStringList& languages) {
        return installTranslations(languages, {QStringLiteral(KORVEX_QM_DIR)});
    }
};

TEST_F(InstallTranslations, takesTheFirstLanguageTheGameHas) {
    struct Case {
        QStringList wanted;
        QString loaded;
    };
    const Case cases[] = {
        {{"de_DE.UTF-8"}, "de"}, {{"fr_CA"}, "fr"},
        {{"es_ES@euro"}, "es"},  {{"pt_BR", "fr_FR"}, "fr"},
        {{"pt_BR", "pt"}, ""},   {{"en_GB", "de"}, ""},
        {{"de", "fr"}, "de"},    {{}, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(load(c.wanted), c.loaded) << c.wanted.join(u':').toStdString();
}

// A regional file wins over its language's; a file without a language is nobody's.
TEST_F(InstallTranslations, takesOnlyFilesNamedForTheLanguage) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString qm = QStringLiteral(KORVEX_QM_DIR "/korvex_fr.qm");
    ASSERT_TRUE(QFile::copy(qm, dir.filePath("korvex_fr_CA.qm")));
    ASSERT_TRUE(QFile::copy(qm, dir.filePath("korvex.qm")));
    const QStringList folders = {dir.path(), QStringLiteral(KORVEX_QM_DIR)};
    EXPECT_EQ(installTranslations({"fr_CA.UTF-8"}, folders), "fr_CA");
    EXPECT_EQ(installTranslations({"fr_FR.UTF-8"}, folders), "fr");
    EXPECT_EQ(installTranslations({"pt_BR"}, folders), "");
}

TEST_F(InstallTranslations, qtsOwnButtonsFollowTheGamesLanguage) {
    const QString english = yesButtonText();
    ASSERT_EQ(load({"de"}), "de");
    const QString german = yesButtonText();
    EXPECT_NE(german, english);
    EXPECT_NE(QCoreApplication::translate("Form1", "New Game"), "New Game");
    // A later choice replaces the earlier one, down to English.
    ASSERT_EQ(load({"fr"}), "fr");
    EXPECT_NE(yesButtonText(), german);
    ASSERT_EQ(load({"C"}), "");
    EXPECT_EQ(yesButtonText(), english);
    EXPECT_EQ(QCoreApplication::translate("Form1", "New Game"), "New Game");
}

// The coach's advice is one sentence of the language, its dice where that language puts them.
TEST_F(InstallTranslations, adviceOnHoldsReadsAsOneSentence) {
    Advice advice;
    advice.action = Advice::Action::Roll;
    advice.keptFaces = {4, 4, 4};
    advice.releasedFaces = {1};
    ASSERT_EQ(load({"de"}), "de");
    EXPECT_EQ(describe(advice), "4 4 4 halten und würfeln (die 1 freigeben)");
    advice.keptFaces.clear();
    advice.releasedFaces = {1, 2, 3};
    EXPECT_EQ(describe(advice), "Alle fünf neu würfeln (die 1, 2 und 3 freigeben)");
    ASSERT_EQ(load({"fr"}), "fr");
    advice.keptFaces = {6, 6};
    advice.releasedFaces = {2, 5};
    EXPECT_EQ(describe(advice), "Garder 6 6 et relancer (lâcher les 2 et 5)");
}

// The high-score file's messages are found under the context they are filed in.
TEST_F(InstallTranslations, storeMessagesFollowTheLanguage) {
    ASSERT_EQ(load({"es"}), "es");
    EXPECT_EQ(settings_file::causeOf(ENOSPC), "el disco está lleno");
    ASSERT_EQ(load({"C"}), "");
    EXPECT_EQ(settings_file::causeOf(ENOSPC), "the disk is full");
}

}  // namespace
}  // namespace korvex
