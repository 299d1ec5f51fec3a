// korvex-screenshot OUT.png [scale] [--coach]: renders the board of a fresh game, START showing,
// on the offscreen platform and saves it as a PNG, at the given screen scale (1 when left out).
// With --coach it presses START and switches the coach on first, and waits for its advice.
// For looking at the board without a display; it never touches the player's high scores.

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>

#include "app/desktop_game.h"
#include "hiscores/qsettings_store.h"

int main(int argc, char** argv) {
    const bool coach = argc > 2 && QByteArray(argv[argc - 1]) == "--coach";
    if (coach) --argc;
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: korvex-screenshot OUT.png [scale] [--coach]\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc == 3) {
        bool ok = false;
        const double scale = QByteArray(argv[2]).toDouble(&ok);
        if (!ok || scale < 0.5 || scale > 8) {
            std::fprintf(stderr, "korvex-screenshot: scale must be a number from 0.5 to 8\n");
            return 2;
        }
        qputenv("QT_SCALE_FACTOR", argv[2]);
    }
    QApplication app(argc, argv);
    korvex::QtToolkit::installFontSubstitutions();

    // A table and a record of its own in a temporary folder: the player's stay untouched.
    QTemporaryDir scores;
    korvex::DesktopGame game(
        std::make_unique<korvex::QSettingsStore>(scores.filePath(QStringLiteral("Korvex.conf"))),
        scores.filePath(QStringLiteral("games.sqlite")));
    korvex::Form1& board = game.board();
    korvex::QtToolkit& toolkit = game.toolkit();
    game.show();
    QApplication::processEvents();
    if (coach) {
        board.click(QStringLiteral("CB_Start"));
        board.click(QStringLiteral("lblHint"));
        QElapsedTimer clock;
        clock.start();
        while (board.model().text(QStringLiteral("lblCoachAdvice")).startsWith(u"Working") &&
               clock.elapsed() < 60000)
            QApplication::processEvents(QEventLoop::AllEvents, 50);
        QApplication::processEvents();
    }

    const QString out = QString::fromLocal8Bit(argv[1]);
    if (!toolkit.windowOf(board)->grab().save(out, "PNG")) {
        std::fprintf(stderr, "korvex-screenshot: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
