// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/desktop_game.h"

#include <QApplication>

#include "app/modules.h"
#include "hiscores/settings_file_store.h"
#include "korvex_version.h"
#include "record/sqlite/games_module.h"
#include "ui/qt/pictures.h"
#include "ui/qt/translations.h"

namespace korvex {

void setUpApplication() {
    QApplication::setApplicationName(QStringLiteral("Korvex"));
    QApplication::setOrganizationName(QStringLiteral("Korvex"));
    QApplication::setApplicationVersion(QStringLiteral("%1.%2.%3")
                                            .arg(version::kMajor)
                                            .arg(version::kMinor)
                                            .arg(version::kRevision));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.korvex.Korvex"));
    QApplication::setWindowIcon(appIcon());
    QtToolkit::installFontSubstitutions();
    installTranslations(requestedLanguages(LocaleEnvironment::current()));
}

// An empty file name is games.sqlite in the player's data location.
DesktopGame::DesktopGame() : DesktopGame(std::make_unique<SettingsFileStore>(), QString()) {}

DesktopGame::DesktopGame(std::unique_ptr<SettingsStore> store, const QString& gamesFile)
    : m_store(std::move(store)),
      m_history(gamesFile, gameStoreFromModule(moduleFiles(QString::fromLatin1(kGamesModuleName)))),
      m_game(m_toolkit, m_random, *m_store, &m_history) {}

}  // namespace korvex
