#include "ui/qt/game_application.h"

#include <QApplication>

#include "korvex_version.h"
#include "ui/qt/pictures.h"

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
}

GameApplication::GameApplication()
    : m_hiScores(m_store, m_toolkit),
      m_board(m_toolkit, m_random, m_hiScores),
      m_recordWindows(
          LazyRecordViews::defaultModules(), m_history, [this] { return m_board.coach().table(); },
          [this](const QString& text, const QString& title) {
              m_toolkit.messageBox(&m_board, text, title, MessageButtons::Ok);
          }) {
    // The record of games: problems are told on the board; the file opens only when needed.
    m_history.setReporter([this](const QString& text, const QString& title) {
        m_toolkit.messageBox(&m_board, text, title, MessageButtons::Ok);
    });
    m_history.setViews(&m_recordWindows);
    m_board.setHistory(&m_history);
}

}  // namespace korvex
