// SPDX-License-Identifier: GPL-3.0-or-later
// korvex-record-screenshots DIR [--focus] [--games N]: renders the windows of the record of
// games on the offscreen platform and saves them as PNGs in DIR: the Statistics window on each of
// its tabs, the review of a game, a Practice position, and the board at the end of a game with
// the coach on and with it off; with --focus also the two windows with the focus on each kind of
// element they hold. The N games (400 unless told) are generated into a temporary folder and
// judged by the coach, all but the last three, and Practice's answers are the judged moves of the
// first games; the player's own files are never touched. The windows speak the language the
// locale variables ask for (LANGUAGE=de, LANG=fr_FR.UTF-8, ...).

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <cstdio>

#include "app/running_game.h"
#include "board/form1_layout.h"
#include "coach/coach_table.h"
#include "core/random_source.h"
#include "core/rules.h"
#include "hiscores/settings_file_store.h"
#include "record/game_history.h"
#include "record/sqlite/game_database.h"
#include "record_windows/dice_pictures.h"
#include "record_windows/record_windows.h"
#include "review/game_review.h"
#include "support/game_generator.h"
#include "ui/qt/focus_ring.h"
#include "ui/qt/qt_toolkit.h"
#include "ui/qt/translations.h"

namespace {

using namespace korvex;

bool save(QWidget* widget, const QString& path) {
    QApplication::processEvents();
    if (widget->grab().save(path, "PNG")) return true;
    std::fprintf(stderr, "korvex-record-screenshots: cannot write %s\n", qPrintable(path));
    return false;
}

// Plays the board's game by the coach's advice, but scores turn 5 in the last open category.
void playByAdvice(Form1& board, const CoachTable& table) {
    board.click(QStringLiteral("CB_Start"));
    for (int turn = 0; turn < kTurnsPerGame; ++turn) {
        for (;;) {
            const Advice advice = advise(table, *coachPosition(board.game()));
            if (advice.action == Advice::Action::Score || turn == 4) {
                CategoryId chosen = advice.category;
                if (turn == 4)
                    for (const Category& c : categories())
                        if (!board.game().card().used(c.id)) chosen = c.id;
                board.click(categoryFields(chosen).scoreBox);
                board.click(QStringLiteral("CB_Save"));
                break;
            }
            // A click toggles a hold, and holds stay from one roll to the next.
            for (int p = 1; p <= 5; ++p)
                if (advice.hold[std::size_t(p - 1)] != board.game().held(p - 1))
                    board.click(dieName(board.game().face(p - 1), p));
            board.click(QStringLiteral("CB_Roll"));
        }
    }
}

// The window with the focus on the first element of each kind in it: focus-NAME-KIND.png.
bool saveFocused(QWidget* window, const QDir& out, const QString& name) {
    window->activateWindow();
    const auto focus = [&](QWidget* widget, const char* kind) {
        if (!widget) return true;
        widget->setFocus(Qt::TabFocusReason);
        return save(window, out.filePath(QStringLiteral("focus-%1-%2.png").arg(name, kind)));
    };
    const QList<QAbstractButton*> buttons = window->findChildren<QAbstractButton*>();
    QAbstractButton* check = nullptr;
    QAbstractButton* push = nullptr;
    for (QAbstractButton* button : buttons) {
        if (!button->isVisible()) continue;
        if (button->isCheckable() && !check) check = button;
        if (!button->isCheckable() && !push) push = button;
    }
    QTableView* table = nullptr;
    for (QTableView* view : window->findChildren<QTableView*>())
        if (view->isVisible() && !table) table = view;
    return focus(check, "check") && focus(push, "button") &&
           focus(window->findChild<QTabBar*>(), "tabs") && focus(table, "table");
}

// The file of games with Practice's answers beside it: the judged moves of the first games.
class WithPractice : public GameStore {
  public:
    WithPractice(std::unique_ptr<GameStore> file, PracticeRecord practice)
        : m_file(std::move(file)), m_practice(std::move(practice)) {}
    bool store(GameRecord* records, std::size_t count, int waitMs) override {
        return m_file->store(records, count, waitMs);
    }
    std::optional<std::vector<GameSummary>> summaries() override { return m_file->summaries(); }
    std::optional<GameRecord> game(qint64 id) override { return m_file->game(id); }
    bool storeLuck(const std::vector<GameLuck>& luck, int waitMs) override {
        return m_file->storeLuck(luck, waitMs);
    }
    std::optional<PracticeRecord> practice() override { return m_practice; }
    // Kept with the made-up answers, so the window shows an answer the record took.
    bool storeAnswer(PracticeAnswer& answer, const PracticeSlot& slot, int) override {
        answer.id = qint64(m_practice.answers.size()) + 1;
        m_practice.answers.push_back(answer);
        std::erase_if(m_practice.schedule, [&](const PracticeSlot& kept) {
            return kept.position.key == slot.position.key;
        });
        m_practice.schedule.push_back(slot);
        return true;
    }
    const StoreFailure& failure() const override { return m_file->failure(); }
    std::optional<QString> takeSetAside() override { return m_file->takeSetAside(); }

  private:
    std::unique_ptr<GameStore> m_file;
    PracticeRecord m_practice;
};

// Stores the games, every one but the last three judged by the coach, and opens the file with
// the first games' judged moves as Practice's answers.
GameStoreOpener judgedGames(const CoachTable& table, std::vector<GameRecord>& games,
                            const QString& path) {
    GameDatabase database(path);
    database.store(games.data(), games.size());
    std::vector<GameLuck> luck;
    PracticeRecord practice;
    const std::size_t judged = games.size() > 5 ? games.size() - 3 : games.size();
    for (std::size_t i = 0; i < judged; ++i) {
        const std::optional<GameReview> review = reviewGame(table, games[i]);
        if (!review) continue;
        luck.push_back(gameLuck(games[i].id, *review));
        for (const ReviewedDecision& d : review->decisions)
            if (d.judged && practice.answers.size() < 300)
                practice.answers.push_back({0, games[i].finished, {}, describeChoice(d), d.loss});
    }
    if (!database.storeLuck(luck, 1000))
        std::fprintf(stderr, "korvex-record-screenshots: %s\n", qPrintable(database.error()));
    return [=](const QString& file, QString& problem) -> std::unique_ptr<GameStore> {
        std::unique_ptr<GameStore> store = openGameDatabase(file, problem);
        if (!store) return nullptr;
        return std::make_unique<WithPractice>(std::move(store), practice);
    };
}

}  // namespace

int main(int argc, char** argv) {
    bool focusShots = false, usage = argc < 2;
    int gameCount = 400;
    for (int i = 2; i < argc; ++i) {
        if (QByteArray(argv[i]) == "--focus")
            focusShots = true;
        else if (QByteArray(argv[i]) == "--games" && i + 1 < argc)
            gameCount = QByteArray(argv[++i]).toInt();
        else
            usage = true;
    }
    if (usage || gameCount < 1) {
        std::fprintf(stderr, "usage: korvex-record-screenshots DIR [--focus] [--games N]\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QtToolkit::installFontSubstitutions();
    installFocusRings();
    installTranslations(requestedLanguages(LocaleEnvironment::current()),
                        {QStringLiteral(KORVEX_QM_DIR)});
    const QDir out(QString::fromLocal8Bit(argv[1]));
    QTemporaryDir scratch;
    const std::unique_ptr<CoachTable> table = CoachTable::solve(CoachRules::korvex(), 2);

    GameGenerator generator(4, {table.get(), 0.2, 0.02, 0.3});
    std::vector<GameRecord> games;
    for (int i = 0; i < gameCount; ++i) games.push_back(generator.next());
    const QString file = scratch.filePath("games.sqlite");
    GameHistory history(file, judgedGames(*table, games, file));
    RecordWindows windows(history, [&] { return table.get(); });
    windows.showStatistics();
    StatisticsWindow* statistics = windows.statistics();
    auto* tabs = statistics->findChild<QTabWidget*>();
    const char* names[] = {"statistics.png",          "statistics-over-time.png",
                           "statistics-given-up.png", "statistics-categories.png",
                           "statistics-practice.png", "statistics-games.png"};
    for (int i = 0; i < tabs->count() && i < int(std::size(names)); ++i) {
        tabs->setCurrentIndex(i);
        if (!save(statistics, out.filePath(names[i]))) return 1;
    }
    if (focusShots && !saveFocused(statistics, out, QStringLiteral("statistics"))) return 1;
    windows.showReview(games.back());
    if (!save(windows.review(), out.filePath("review.png"))) return 1;
    if (focusShots && !saveFocused(windows.review(), out, QStringLiteral("review"))) return 1;
    // Practice after an answer: the first die held and rolled for, and the coach's grade.
    windows.showPractice();
    for (QAbstractButton* button : windows.practice()->findChildren<QAbstractButton*>()) {
        auto* die = dynamic_cast<DieButton*>(button);
        if (die && die->position() == 1) die->click();
        if (button->text() == QStringLiteral("Roll") && button->isEnabled()) button->click();
    }
    if (!save(windows.practice(), out.filePath("practice.png"))) return 1;
    if (focusShots && !saveFocused(windows.practice(), out, QStringLiteral("practice"))) return 1;

    // The end of a game on the board, with and without the coach's panel; a full high-score
    // table keeps the initials dialog away.
    QtToolkit toolkit;
    ClockSeededRandom random;
    SettingsFileStore store(scratch.filePath("Korvex.conf"));
    for (int i = 0; i < 10; ++i) store.write("HiScores", QString::number(i), "AAA9999");
    store.sync();
    RunningGame game(toolkit, random, store, &history);
    Form1& board = game.board();
    game.show();
    board.click(QStringLiteral("lblHint"));
    while (!board.coach().table()) QApplication::processEvents(QEventLoop::AllEvents, 50);
    playByAdvice(board, *table);
    if (!save(toolkit.windowOf(board), out.filePath("game-over.png"))) return 1;
    board.click(QStringLiteral("lblHint"));
    if (!save(toolkit.windowOf(board), out.filePath("game-over-coach-off.png"))) return 1;
    return 0;
}
