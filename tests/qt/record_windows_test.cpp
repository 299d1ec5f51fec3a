// SPDX-License-Identifier: GPL-3.0-or-later
// The Statistics and Review windows on real widgets: the figures a screen reader reads, the
// check box for forced games, the described charts (each built when its tab shows), the export
// to a file, a refused export told to the player, the coach's figures over judged games and
// Practice, and a review opened from the list of games with its account and its dice.

#include "record_windows/record_windows.h"

#include <gtest/gtest.h>

#include <QChartView>
#include <QCheckBox>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include "app/lazy_record_views.h"
#include "app/modules.h"
#include "coach/coach_table.h"
#include "qt_test_support.h"
#include "record/game_history.h"
#include "record/sqlite/game_database.h"
#include "support/game_generator.h"

namespace korvex {
namespace {

const CoachTable* solvedTable() {
    static const std::unique_ptr<CoachTable> table = CoachTable::solve(CoachRules::korvex(), 2);
    return table.get();
}

class RecordWindowsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        GameGenerator generator(9, {nullptr, 0.0, 0.25, 0.5});
        for (int i = 0; i < 40; ++i) games.push_back(generator.next());
        GameDatabase database(file());
        ASSERT_TRUE(database.store(games.data(), games.size()));
    }
    QString file() const { return dir.filePath("games.sqlite"); }
    QString figure(QWidget* window, const QString& name) {
        for (QLabel* label : window->findChildren<QLabel*>())
            if (label->accessibleName().startsWith(name + ": "))
                return label->accessibleName().mid(name.size() + 2);
        return "(none)";
    }

    QTemporaryDir dir;
    std::vector<GameRecord> games;
    GameHistory history{file(), openGameDatabase};
    RecordWindows windows{history, [] { return solvedTable(); }};
};

TEST_F(RecordWindowsTest, statisticsShowFiguresChartsAndTheExport) {
    windows.showStatistics();
    StatisticsWindow* window = windows.statistics();
    ASSERT_TRUE(window && window->isVisible());
    EXPECT_EQ(window->windowTitle(), "Korvex Statistics");
    const long unforced =
        std::count_if(games.begin(), games.end(), [](auto& g) { return !g.forced; });
    ASSERT_LT(unforced, 40);
    EXPECT_EQ(figure(window, "Games played"), QString::number(unforced));
    window->findChild<QCheckBox*>()->setChecked(true);
    EXPECT_EQ(figure(window, "Games played"), "40");
    const int best = std::max_element(games.begin(), games.end(), [](auto& a, auto& b) {
                         return a.total < b.total;
                     })->total;
    EXPECT_EQ(figure(window, "Best total"), QString::number(best));

    // Only the chart on top is built; each of the others as its tab comes up.
    auto* tabs = window->findChild<QTabWidget*>();
    const QList<QChartView*> charts = window->findChildren<QChartView*>();
    ASSERT_EQ(charts.size(), 5);
    EXPECT_EQ(std::count_if(charts.begin(), charts.end(),
                            [](QChartView* c) { return !c->accessibleName().isEmpty(); }),
              1);
    const QString expected[] = {"40 games", "40 games", "judged no game", "optimal play",
                                "Answer positions in Practice"};
    for (int tab = 0; tab < 5; ++tab) {
        tabs->setCurrentIndex(tab);
        auto* chart = qobject_cast<QChartView*>(tabs->currentWidget());
        if (!chart) chart = tabs->currentWidget()->findChild<QChartView*>();
        ASSERT_TRUE(chart);
        EXPECT_FALSE(chart->accessibleName().isEmpty());
        EXPECT_TRUE(chart->accessibleDescription().contains(expected[tab]))
            << qPrintable(chart->accessibleDescription());
    }
    EXPECT_EQ(figure(window, "Points given up per game"), "–");

    window->setExportPath(dir.filePath("out.csv"));
    ASSERT_TRUE(window->exportGames());
    QFile csv(dir.filePath("out.csv"));
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
    EXPECT_EQ(csv.readAll().count('\n'), 41);

    QStringList warnings;
    window->setWarning([&](const QString&, const QString& text) { warnings << text; });
    window->setExportPath(dir.filePath("no/such/folder/out.csv"));
    EXPECT_FALSE(window->exportGames());
    ASSERT_EQ(warnings.size(), 1);
    EXPECT_TRUE(warnings[0].contains("no/such/folder")) << qPrintable(warnings[0]);
    window->close();
}

TEST_F(RecordWindowsTest, aGameChosenInTheListIsReviewedByTheCoach) {
    windows.showStatistics();
    auto* list = windows.statistics()->findChild<QTableView*>();
    ASSERT_TRUE(list);
    ASSERT_EQ(list->model()->rowCount(), 40);
    list->selectRow(0);  // the newest game
    windows.statistics()->findChild<QTableView*>()->doubleClicked(list->model()->index(0, 0));
    ReviewWindow* review = windows.review();
    ASSERT_TRUE(review && review->isVisible());
    EXPECT_EQ(review->game().total, games.back().total);
    ASSERT_TRUE(review->review());
    const auto direct = reviewGame(*solvedTable(), games.back());
    EXPECT_DOUBLE_EQ(review->review()->totalLoss, direct->totalLoss);
    auto* decisions = review->findChild<QTableWidget*>();
    EXPECT_EQ(decisions->rowCount(), int(direct->decisions.size()));
    EXPECT_FALSE(review->findChild<QChartView*>()->accessibleDescription().isEmpty());
    // The account a screen reader reads in one line, and each row's dice in words.
    bool account = false;
    for (QLabel* label : review->findChildren<QLabel*>())
        account |= label->accessibleName().contains(QString(" · total %1").arg(games.back().total));
    EXPECT_TRUE(account);
    for (int row = 0; row < decisions->rowCount(); ++row) {
        const ReviewedDecision& d = direct->decisions[std::size_t(row)];
        const QString spoken = decisions->item(row, 2)->data(Qt::AccessibleTextRole).toString();
        EXPECT_TRUE(spoken.startsWith(decisions->item(row, 2)->text()));
        EXPECT_EQ(spoken.contains("holding"), std::count(d.held.begin(), d.held.end(), true) > 0);
    }
    review->close();
    windows.statistics()->close();
}

// A store whose games the coach has judged, all but the first few, and which holds practice
// answers: what the record gives once the luck of its games is filled in.
class JudgedStore : public GameStore {
  public:
    explicit JudgedStore(std::vector<GameRecord> games) : m_games(std::move(games)) {}
    bool store(GameRecord*, std::size_t, int) override { return false; }
    std::optional<std::vector<GameSummary>> summaries() override {
        std::vector<GameSummary> out;
        for (std::size_t i = 0; i < m_games.size(); ++i) {
            GameSummary s = summaryOf(m_games[i]);
            s.id = qint64(i + 1);
            if (i >= 3) {
                s.givenUp = double(i % 10);
                s.luck = i % 2 ? 5.0 : -3.0;
            }
            out.push_back(s);
        }
        return out;
    }
    std::optional<GameRecord> game(qint64 id) override { return m_games[std::size_t(id - 1)]; }
    bool storeLuck(const std::vector<GameLuck>&, int) override { return false; }
    std::optional<PracticeRecord> practice() override {
        PracticeRecord record;
        for (int i = 0; i < 70; ++i)
            record.answers.push_back({i + 1, {}, {}, {}, i < 20 ? 4.0 : 1.0});
        return record;
    }
    bool storeAnswer(PracticeAnswer&, const PracticeSlot&, int) override { return false; }
    const StoreFailure& failure() const override { return m_failure; }
    std::optional<QString> takeSetAside() override { return std::nullopt; }

  private:
    std::vector<GameRecord> m_games;
    StoreFailure m_failure;
};

TEST_F(RecordWindowsTest, statisticsShowTheCoachsFiguresOverTheJudgedGamesAndPractice) {
    GameHistory judged(
        file(), [this](const QString&, QString&) { return std::make_unique<JudgedStore>(games); });
    StatisticsWindow window(judged, {});
    window.reload();
    window.findChild<QCheckBox*>()->setChecked(true);
    // Games 4 to 40 judged, given up i % 10 for game i - 1: the last ten are 0 to 9.
    EXPECT_EQ(figure(&window, "Given up in the last 10 games"), "4.5");
    EXPECT_EQ(figure(&window, "Average luck per game"), "+1.1");  // 19 at +5, 18 at -3
    bool note = false;
    for (QLabel* label : window.findChildren<QLabel*>())
        note |= label->accessibleName().contains("still to be judged: 3");
    EXPECT_TRUE(note);
    auto* tabs = window.findChild<QTabWidget*>();
    tabs->setCurrentIndex(StatisticsWindow::GivenUp);
    EXPECT_TRUE(qobject_cast<QChartView*>(tabs->currentWidget())
                    ->accessibleDescription()
                    .contains("37 games judged"));
    tabs->setCurrentIndex(StatisticsWindow::Practice);
    // The last 50 answers: 50 at 1.0 once the first 20 at 4.0 have dropped out.
    EXPECT_TRUE(qobject_cast<QChartView*>(tabs->currentWidget())
                    ->accessibleDescription()
                    .contains("stands at 1.00"));
}

// Both windows open within the screen, whatever size they would like, grow and shrink, close
// with Escape (Review also with its Close button), and open afresh at their own size.
TEST_F(RecordWindowsTest, windowsFitTheScreenCloseWithEscapeAndOpenAfresh) {
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    const std::function<QWidget*()> opens[] = {
        [&] { return windows.showStatistics(), static_cast<QWidget*>(windows.statistics()); },
        [&] { return windows.showReview(games.back()), static_cast<QWidget*>(windows.review()); }};
    for (const auto& open : opens) {
        QWidget* window = open();
        const QSize first = window->size();
        EXPECT_TRUE(screen.contains(window->geometry()))
            << window->geometry().width() << "x" << window->geometry().height();
        EXPECT_LT(window->minimumWidth(), first.width());
        EXPECT_LT(window->minimumHeight(), first.height());
        window->resize(first - QSize(40, 40));
        EXPECT_EQ(window->size(), first - QSize(40, 40));
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
        QTest::keyClick(window->focusWidget() ? window->focusWidget() : window, Qt::Key_Escape);
        EXPECT_FALSE(window->isVisible()) << qPrintable(window->windowTitle());
        EXPECT_EQ(open()->size(), first);
    }
    for (QPushButton* button : windows.review()->findChildren<QPushButton*>())
        if (button->text() == "Close") button->click();
    EXPECT_FALSE(windows.review()->isVisible());
    windows.statistics()->close();
}

}  // namespace
}  // namespace korvex

namespace korvex {
namespace {

// The game itself loads the windows from their module on first use; a module that is not there
// is told to the player and the game goes on.
TEST(LazyRecordViews, loadsTheWindowsFromTheModuleOnFirstUseAndReportsAMissingOne) {
    QTemporaryDir dir;
    GameHistory history(dir.filePath("games.sqlite"), openGameDatabase);
    QStringList reports;
    const auto report = [&](const QString& text, const QString&) { reports << text; };
    LazyRecordViews missing({dir.filePath("no-such-module.so")}, history, {}, report);
    missing.showStatistics();
    EXPECT_FALSE(missing.loaded());
    ASSERT_EQ(reports.size(), 1);
    EXPECT_TRUE(reports[0].contains("no-such-module.so")) << qPrintable(reports[0]);

    LazyRecordViews views({dir.filePath("no-such-module.so"), KORVEX_RECORDS_MODULE}, history, {},
                          report);
    views.showStatistics();
    ASSERT_TRUE(views.loaded());
    EXPECT_EQ(reports.size(), 1);
    QWidget* statistics = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && w->windowTitle() == "Korvex Statistics") statistics = w;
    ASSERT_TRUE(statistics);
    statistics->close();
}

// So is the record's file: a game goes through the module into the file, and while no module can
// be found the game waits in memory, the player told why.
TEST(GamesModule, recordsThroughTheModuleAndKeepsTheGameWhileNoneLoads) {
    QTemporaryDir dir;
    const QString missing = dir.filePath("no-such-module.so");
    GameRecord game = GameGenerator(3, {}).next();
    QStringList reports;
    GameHistory without(dir.filePath("a.sqlite"), gameStoreFromModule({missing}));
    without.setReporter([&](const QString& text, const QString&) { reports << text; });
    without.record(game);
    EXPECT_EQ(without.waiting(), 1u);
    ASSERT_EQ(reports.size(), 1);
    EXPECT_TRUE(reports[0].contains("no-such-module.so")) << qPrintable(reports[0]);

    GameHistory with(dir.filePath("b.sqlite"), gameStoreFromModule({missing, KORVEX_GAMES_MODULE}));
    with.record(game);
    EXPECT_EQ(with.waiting(), 0u);
    ASSERT_TRUE(with.lastGame() && with.lastGame()->id > 0);
    game.id = with.lastGame()->id;
    EXPECT_EQ(with.game(game.id), game);
}

}  // namespace
}  // namespace korvex
