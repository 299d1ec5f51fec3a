// SPDX-License-Identifier: GPL-3.0-or-later
// korvex-screenshot OUT.png [scale] [WINDOW] [--focus=ELEMENT]: renders one window on the
// offscreen platform and saves it as a PNG, at the given screen scale (1 when left out), in the
// language that the locale variables ask for (LANGUAGE=de, LANG=fr_FR.UTF-8, ...), with the
// keyboard focus on the named element if one is given. WINDOW is one of
//   --board     the board of a fresh game, START showing (the default)
//   --coach     the board after START with the coach switched on, once it has its advice
//   --release   the same with a die held that the coach would let go of, so "release" shows
//   --hiscores  the high-score list, with a few sample entries
//   --initials  the new-high-score initials dialog
//   --about     the About and scoring-help window
//   --howto     the How to play window
// For looking at the windows without a display; it never touches the player's high scores.

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>

#include "about/frm_about.h"
#include "about/frm_how_to_play.h"
#include "app/desktop_game.h"
#include "board/coach_panel.h"
#include "board/form1_layout.h"
#include "hiscores/frm_get_name.h"
#include "hiscores/frm_hi_scores.h"
#include "hiscores/settings_file_store.h"
#include "ui/qt/translations.h"

namespace {

const char* const kWindows[] = {"--board",    "--coach", "--release", "--hiscores",
                                "--initials", "--about", "--howto"};
QString g_focus;  // the element to give the focus before the grab

bool isWindowOption(const QByteArray& arg) {
    for (const char* window : kWindows)
        if (arg == window) return true;
    return false;
}

// Waits, keeping the event loop going, until the coach has worked out its advice.
void awaitAdvice(korvex::Form1& board) {
    const QString working = korvex::coachNotice(korvex::CoachNotice::Working);
    QElapsedTimer clock;
    clock.start();
    while (board.model().text(QStringLiteral("lblCoachAdvice")) == working &&
           clock.elapsed() < 60000)
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    QApplication::processEvents();
}

// The face showing at a position, read from the die pictures.
int faceAt(const korvex::FormModel& model, int position) {
    for (int face = 1; face <= 6; ++face)
        if (model.visible(korvex::dieName(face, position))) return face;
    return 0;
}

// Holds one die that the coach does not keep, in fresh games until one shows "release".
bool holdAgainstAdvice(korvex::Form1& board) {
    const korvex::FormModel& model = board.model();
    const QString release = korvex::diceMark(false);
    for (int attempt = 0; attempt < 50; ++attempt) {
        for (int p = 1; p <= 5; ++p) {
            if (model.visible(korvex::keepMark(p))) continue;
            board.click(korvex::dieName(faceAt(model, p), p));
            QApplication::processEvents();
            if (model.visible(korvex::keepMark(p)) && model.text(korvex::keepMark(p)) == release)
                return true;
            break;
        }
        board.click(QStringLiteral("CB_New"));
        board.click(QStringLiteral("CB_Start"));
        QApplication::processEvents();
    }
    return false;
}

void fillSampleScores(korvex::ModHiScores& hiScores) {
    const struct {
        const char* initials;
        qint64 score;
    } samples[] = {{"ANN", 1234}, {"BOB", 312}, {"CY ", 287}, {"DEE", 254}};
    for (std::size_t i = 0; i < std::size(samples); ++i) {
        hiScores.HiScoreTable[9 - i].Initials = QString::fromLatin1(samples[i].initials);
        hiScores.HiScoreTable[9 - i].Score = samples[i].score;
    }
}

bool save(korvex::QtToolkit& toolkit, korvex::Form& form, const char* out) {
    QWidget* window = toolkit.windowOf(form);
    if (window && !g_focus.isEmpty()) {
        window->activateWindow();
        if (QWidget* element = toolkit.widgetOf(form, g_focus))
            element->setFocus(Qt::TabFocusReason);
        else
            std::fprintf(stderr, "korvex-screenshot: no element %s\n", qPrintable(g_focus));
        QApplication::processEvents();
    }
    if (window && window->grab().save(QString::fromLocal8Bit(out), "PNG")) return true;
    std::fprintf(stderr, "korvex-screenshot: cannot write %s\n", out);
    return false;
}

// The board, as it starts or with the coach's advice.
bool grabBoard(korvex::DesktopGame& game, const QByteArray& window, const char* out) {
    korvex::Form1& board = game.board();
    if (window != "--board") {
        board.click(QStringLiteral("CB_Start"));
        board.click(QStringLiteral("lblHint"));
        awaitAdvice(board);
        if (window == "--release" && !holdAgainstAdvice(board))
            std::fprintf(stderr, "korvex-screenshot: no advice to release a die came up\n");
    }
    return save(game.toolkit(), board, out);
}

// The initials dialog is modal: it is grabbed and closed from inside its own loop.
bool grabInitials(korvex::QtToolkit& toolkit, korvex::Form1& board, const char* out) {
    korvex::FrmGetName initials(toolkit);
    bool saved = false;
    QTimer::singleShot(0, [&] {
        QApplication::processEvents();
        saved = save(toolkit, initials, out);
        toolkit.close(initials);
    });
    initials.askInitials(&board, 1234);
    return saved;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc > 2 && QByteArray(argv[argc - 1]).startsWith("--focus=")) {
        g_focus = QString::fromLocal8Bit(argv[argc - 1] + 8);
        --argc;
    }
    QByteArray window = "--board";
    if (argc > 2 && isWindowOption(argv[argc - 1])) window = argv[--argc];
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr,
                     "usage: korvex-screenshot OUT.png [scale] "
                     "[--board|--coach|--release|--hiscores|--initials|--about|--howto] "
                     "[--focus=ELEMENT]\n");
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
    korvex::installTranslations(korvex::requestedLanguages(korvex::LocaleEnvironment::current()),
                                {QStringLiteral(KORVEX_QM_DIR)});

    // A table and a record of its own in a temporary folder: the player's stay untouched.
    QTemporaryDir scores;
    korvex::DesktopGame game(
        std::make_unique<korvex::SettingsFileStore>(scores.filePath(QStringLiteral("Korvex.conf"))),
        scores.filePath(QStringLiteral("games.sqlite")));
    korvex::QtToolkit& toolkit = game.toolkit();
    game.show();
    QApplication::processEvents();
    if (window == "--board" || window == "--coach" || window == "--release")
        return grabBoard(game, window, argv[1]) ? 0 : 1;
    if (window == "--initials") return grabInitials(toolkit, game.board(), argv[1]) ? 0 : 1;
    fillSampleScores(game.hiScores());
    korvex::FrmHiScores list(toolkit, game.hiScores());
    korvex::FrmAbout about(toolkit);
    korvex::FrmHowToPlay howToPlay(toolkit);
    korvex::Form& shown = window == "--hiscores" ? static_cast<korvex::Form&>(list)
                          : window == "--howto"  ? static_cast<korvex::Form&>(howToPlay)
                                                 : static_cast<korvex::Form&>(about);
    toolkit.showModeless(shown);
    QApplication::processEvents();
    return save(toolkit, shown, argv[1]) ? 0 : 1;
}
