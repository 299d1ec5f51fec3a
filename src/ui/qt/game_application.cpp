#include "ui/qt/game_application.h"

#include <QApplication>

#include "korvex_version.h"
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

GameApplication::GameApplication()
    : m_hiScores(m_store, m_toolkit), m_board(m_toolkit, m_random, m_hiScores) {}

}  // namespace korvex
