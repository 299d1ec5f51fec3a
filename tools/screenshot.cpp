// korvex-screenshot OUT.png [scale] [WINDOW]: renders one window on the offscreen platform and
// saves it as a PNG, at the given screen scale (1 when left out), in the language that the
// locale variables ask for (LANGUAGE=de, LANG=fr_FR.UTF-8, ...). WINDOW is one of
//   --board     the board of a fresh game, START showing (the default)
//   --coach     the board after START with the coach switched on, once it has its advice
//   --hiscores  the high-score list, with a few sample entries
//   --initials  the new-high-score initials dialog
//   --about     the About and scoring-help window
// For looking at the windows without a display; it never touches the player's high scores.

#include <QApplication>
#include <QElapsedTimer>
#include <cstdio>

#include "about/frm_about.h"
#include "board/coach_panel.h"
#include "board/form1.h"
#include "board/random_source.h"
#include "hiscores/frm_get_name.h"
#include "hiscores/frm_hi_scores.h"
#include "hiscores/memory_store.h"
#include "hiscores/mod_hi_scores.h"
#include "ui/qt/qt_toolkit.h"
#include "ui/qt/translations.h"

namespace {

const char* const kWindows[] = {"--board", "--coach", "--hiscores", "--initials", "--about"};

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

bool save(QWidget* window, const char* out) {
    if (window && window->grab().save(QString::fromLocal8Bit(out), "PNG")) return true;
    std::fprintf(stderr, "korvex-screenshot: cannot write %s\n", out);
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    QByteArray window = "--board";
    if (argc > 2 && isWindowOption(argv[argc - 1])) window = argv[--argc];
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr,
                     "usage: korvex-screenshot OUT.png [scale] "
                     "[--board|--coach|--hiscores|--initials|--about]\n");
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

    korvex::QtToolkit toolkit;  // outlives the forms below
    korvex::ClockSeededRandom random;
    korvex::MemoryStore store;
    korvex::ModHiScores hiScores(store, toolkit);
    korvex::Form1 board(toolkit, random, hiScores);
    toolkit.showModeless(board);
    QApplication::processEvents();
    if (window == "--board" || window == "--coach") {
        if (window == "--coach") {
            board.click(QStringLiteral("CB_Start"));
            board.click(QStringLiteral("lblHint"));
            awaitAdvice(board);
        }
        return save(toolkit.windowOf(board), argv[1]) ? 0 : 1;
    }
    fillSampleScores(hiScores);
    hiScores.NewHiScore = 1234;
    korvex::FrmHiScores list(toolkit, hiScores);
    korvex::FrmGetName initials(toolkit, hiScores);
    korvex::FrmAbout about(toolkit);
    korvex::Form& shown = window == "--hiscores"   ? static_cast<korvex::Form&>(list)
                          : window == "--initials" ? static_cast<korvex::Form&>(initials)
                                                   : static_cast<korvex::Form&>(about);
    toolkit.showModeless(shown);
    QApplication::processEvents();
    return save(toolkit.windowOf(shown), argv[1]) ? 0 : 1;
}
