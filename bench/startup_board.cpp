// The game's start-up as src/main.cpp does it (application identity, fonts, the board, show),
// ending after the board's first frame. It mirrors main.cpp rather than changing it, so the game
// itself carries nothing for benchmarks; keep the two in step.

#include <QApplication>

#include "board/form1.h"
#include "board/random_source.h"
#include "first_paint.h"
#include "hiscores/mod_hi_scores.h"
#include "hiscores/qsettings_store.h"
#include "korvex_version.h"
#include "ui/qt/pictures.h"
#include "ui/qt/qt_toolkit.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    korvex::bench::ExitAfterFirstPaint exitAfterFirstPaint;
    app.installEventFilter(&exitAfterFirstPaint);

    QApplication::setApplicationName(QStringLiteral("Korvex"));
    QApplication::setOrganizationName(QStringLiteral("Korvex"));
    QApplication::setApplicationVersion(QStringLiteral("%1.%2.%3")
                                            .arg(korvex::version::kMajor)
                                            .arg(korvex::version::kMinor)
                                            .arg(korvex::version::kRevision));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.korvex.Korvex"));
    QApplication::setWindowIcon(korvex::appIcon());
    korvex::QtToolkit::installFontSubstitutions();

    korvex::QtToolkit toolkit;
    korvex::ClockSeededRandom random;
    korvex::QSettingsStore store;
    korvex::ModHiScores hiScores(store, toolkit);
    korvex::Form1 board(toolkit, random, hiScores);
    toolkit.showModeless(board);
    return app.exec();
}
