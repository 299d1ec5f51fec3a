// SPDX-License-Identifier: GPL-3.0-or-later
// Opening the Statistics and Review windows with 10,000 recorded games, each in a fresh process
// on the offscreen platform, as a player's first Ctrl+T (or first review) of a run finds them:
// Qt Charts not yet warmed up, the file of games not yet open. The games are made by the coach's
// advice with a player's mistakes mixed in (one move in six a random one, two games in a hundred
// from a run with a forced roll) and written to a games.sqlite in a temporary folder, every game
// with its luck and points given up, as the record holds them once the coach has judged them.
//
// Each run times, from the link's action to the end of the first frame in which the window's
// chart is painted laid out with its series: open the file, read every game, compute the
// figures, build the window and its chart, lay out and paint. A review needs the coach's table:
// each run loads it from the file the coach keeps it in (saved once, before any run) before its
// clock starts, as a player's board has it by the time a game ends.
//
// Prints tab-separated rows: figure, value, target.

#include <unistd.h>

#include <QApplication>
#include <QChartView>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

#include "coach/coach_table.h"
#include "record/game_history.h"
#include "record/sqlite/game_database.h"
#include "record_windows/record_windows.h"
#include "review/game_review.h"
#include "support/game_generator.h"

namespace {

constexpr int kGames = 10000;
constexpr int kStatisticsRuns = 15;
constexpr int kReviewRuns = 9;

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Stops the clock at the end of the first paint of a chart that is laid out and has its series:
// the frame a player first sees the chart in.
class PaintWatch : public QApplication {
  public:
    using QApplication::QApplication;

    void watch(QWidget* window, QElapsedTimer clock, double shownMs) {
        m_window = window;
        m_clock = clock;
        m_shownMs = shownMs;
    }
    bool notify(QObject* receiver, QEvent* event) override {
        const bool paint = event->type() == QEvent::Paint;
        const bool result = QApplication::notify(receiver, event);
        if (paint && m_window && paintedChart(receiver)) {
            std::printf("%.2f\t%.2f\n", double(m_clock.nsecsElapsed()) / 1e6, m_shownMs);
            std::fflush(stdout);
            _exit(0);  // tearing down is no part of opening
        }
        return result;
    }

  private:
    bool paintedChart(QObject* receiver) const {
        for (const QChartView* view : m_window->findChildren<QChartView*>()) {
            if (view->viewport() != receiver || !view->isVisible() || !view->chart()) continue;
            return !view->chart()->series().isEmpty() && !view->chart()->plotArea().isEmpty();
        }
        return false;
    }

    QWidget* m_window = nullptr;
    QElapsedTimer m_clock;
    double m_shownMs = 0;
};

QString tableFile(const QString& games) {
    return games + QStringLiteral(".table");
}

// One opening in this process: "statistics FILE" or "review FILE".
int openOnce(int argc, char** argv) {
    PaintWatch app(argc, argv);
    const bool review = qstrcmp(argv[2], "review") == 0;
    korvex::GameHistory history(QString::fromLocal8Bit(argv[3]), korvex::openGameDatabase);
    std::unique_ptr<korvex::CoachTable> table;
    std::optional<korvex::GameRecord> game;
    if (review) {
        table = korvex::CoachTable::load(korvex::CoachRules::korvex(),
                                         tableFile(QString::fromLocal8Bit(argv[3])));
        if (!table) return 2;
        const std::vector<korvex::GameSummary> games = history.summaries();
        game = history.game(games.back().id);
        if (!game) return 2;
    }
    korvex::RecordWindows windows(history, [&] { return table.get(); });
    QElapsedTimer clock;
    clock.start();
    QWidget* window = nullptr;
    if (review) {
        windows.showReview(*game);
        window = windows.review();
    } else {
        windows.showStatistics();
        window = windows.statistics();
    }
    app.watch(window, clock, double(clock.nsecsElapsed()) / 1e6);
    QTimer::singleShot(10000, [] {
        std::fprintf(stderr, "no chart was painted within 10 s\n");
        _exit(3);
    });
    return app.exec();
}

struct Opening {
    std::vector<double> painted, shown;
};

bool measure(const QString& file, const char* kind, int runs, Opening& out) {
    for (int run = 0; run < runs; ++run) {
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(),
                    {QStringLiteral("--once"), QString::fromLatin1(kind), file});
        if (!child.waitForFinished(120000) || child.exitCode() != 0) {
            std::fprintf(stderr, "%s run failed: %s\n", kind, child.readAllStandardError().data());
            return false;
        }
        const QList<QByteArray> figures = child.readAllStandardOutput().trimmed().split('\t');
        if (figures.size() != 2) return false;
        out.painted.push_back(figures[0].toDouble());
        out.shown.push_back(figures[1].toDouble());
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The offscreen platform warns that it cannot raise a window; the figures are the output.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
        if (type != QtWarningMsg && type != QtDebugMsg && type != QtInfoMsg)
            std::fprintf(stderr, "%s\n", qPrintable(text));
    });
    if (argc == 4 && qstrcmp(argv[1], "--once") == 0) return openOnce(argc, argv);
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("games.sqlite"));
    {
        const auto table = korvex::CoachTable::solve(korvex::CoachRules::korvex(), 2);
        korvex::GameGenerator generator(1, {table.get(), 1.0 / 6, 0.02, 0.3});
        std::vector<korvex::GameRecord> games;
        for (int i = 0; i < kGames; ++i) games.push_back(generator.next());
        korvex::GameDatabase database(file);
        if (!database.store(games.data(), games.size())) {
            std::fprintf(stderr, "cannot write the games: %s\n", qPrintable(database.error()));
            return 1;
        }
        std::vector<korvex::GameLuck> luck;
        for (const korvex::GameRecord& game : games)
            if (const auto judged = korvex::gameLuck(*table, game)) luck.push_back(*judged);
        if (!database.storeLuck(luck, 1000) || !table->save(tableFile(file))) {
            std::fprintf(stderr, "cannot keep the luck or the table: %s\n",
                         qPrintable(database.error()));
            return 1;
        }
    }
    Opening statistics, review;
    if (!measure(file, "statistics", kStatisticsRuns, statistics) ||
        !measure(file, "review", kReviewRuns, review))
        return 1;
    const auto row = [](const char* what, int runs, const std::vector<double>& ms,
                        const char* target) {
        std::printf("%s, median of %d fresh processes (worst)\t%.1f ms (%.1f ms)\t%s\n", what, runs,
                    median(ms), *std::max_element(ms.begin(), ms.end()), target);
    };
    row("Statistics, 10,000 games: click to the first frame with its chart painted",
        kStatisticsRuns, statistics.painted, "< 150 ms");
    row("  of which: open, read, figures, build and show the window", kStatisticsRuns,
        statistics.shown, "");
    row("Review, 10,000 games, coach's table loaded first: click to its chart painted", kReviewRuns,
        review.painted, "< 150 ms");
    row("  of which: replay the game, build and show the window", kReviewRuns, review.shown, "");
    return 0;
}
