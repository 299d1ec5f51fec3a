// SPDX-License-Identifier: GPL-3.0-or-later
// The board records what is played on it: a game driven through the real handlers, with dice,
// holds and choices picked at random by the test, comes out as exactly that record, and a
// game left by New Game is not recorded.

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <random>

#include "record/game_history.h"
#include "record/sqlite/game_database.h"
#include "review/game_review.h"
#include "support/board_fixture.h"
#include "support/core_application.h"
#include "support/game_generator.h"

namespace korvex::test {
namespace {

class RecordHook : public BoardTest {
  protected:
    static void SetUpTestSuite() { ensureCoreApplication(); }

    // Rolls with random faces for the dice not held and writes the roll down as expected.
    void rollAndNote(TurnRecord& turn, std::array<int, 5>& faces, const std::array<bool, 5>& held,
                     bool first) {
        std::vector<int> drawn;
        for (int p = 0; p < 5; ++p)
            if (!held[std::size_t(p)]) faces[std::size_t(p)] = drawn.emplace_back(die(random_));
        first ? start(drawn) : roll(drawn);
        turn.rolls.push_back({faces, held, false});
    }

    std::mt19937 random_{2026};
    std::uniform_int_distribution<int> die{1, 6};
};

TEST_F(RecordHook, aGamePlayedOnTheBoardIsRecordedExactly) {
    QTemporaryDir dir;
    GameHistory history(dir.filePath("games.sqlite"), openGameDatabase);
    board.setHistory(&history);

    // A game abandoned half way leaves nothing behind.
    start({1, 2, 3, 4, 5});
    score(CategoryId::Chance);
    click("CB_New");

    GameRecord expected;
    std::array<int, 5> faces{};
    std::vector<CategoryId> order;
    for (const Category& c : categories()) order.push_back(c.id);
    std::shuffle(order.begin(), order.end(), random_);
    expected.turns.emplace_back();
    rollAndNote(expected.turns.back(), faces, {}, true);
    for (int t = 0; t < kTurnsPerGame; ++t) {
        TurnRecord& turn = expected.turns.back();
        const int rolls = std::uniform_int_distribution<int>(1, 3)(random_);
        for (int r = 1; r < rolls; ++r) {
            // Holds stay from one roll to the next until the commit releases them.
            std::array<bool, 5> held = turn.rolls.back().held;
            for (int p = 1; p <= 5; ++p)
                if (std::bernoulli_distribution(0.4)(random_)) {
                    hold(p);
                    held[std::size_t(p - 1)] = !held[std::size_t(p - 1)];
                }
            rollAndNote(turn, faces, held, false);
        }
        turn.category = order[std::size_t(t)];
        click(categoryFields(*turn.category).scoreBox);
        turn.points = box(*turn.category).toInt();
        // Save makes the next turn's first roll, with every hold released.
        std::vector<int> next;
        for (int& face : faces) next.push_back(face = die(random_));
        random.queue(next);
        click("CB_Save");
        if (t < 12) expected.turns.push_back({{{faces, {}, false}}, std::nullopt, 0});
    }
    ASSERT_TRUE(board.lastGame());
    GameRecord recorded = *board.lastGame();
    expected.total = text("Total").toInt();
    expected.bonus = text("Bonusx").toInt();
    EXPECT_FALSE(recordFault(recorded)) << qPrintable(*recordFault(recorded));
    EXPECT_EQ(recorded.turns, expected.turns);
    EXPECT_EQ(recorded.total, expected.total);
    EXPECT_EQ(recorded.bonus, expected.bonus);
    EXPECT_FALSE(recorded.forced);
    EXPECT_FALSE(recorded.coach);
    EXPECT_LE(recorded.started, recorded.finished);

    // And it is what the database now holds.
    ASSERT_TRUE(history.lastGame());
    const auto stored = history.game(history.lastGame()->id);
    ASSERT_TRUE(stored);
    recorded.id = stored->id;
    EXPECT_EQ(*stored, recorded);
    EXPECT_EQ(history.summaries().size(), 1u);

    // The links: the review is of the stored game, with its number.
    int statistics = 0;
    std::vector<GameRecord> reviewed;
    board.setRecordLinks(
        {[&] { ++statistics; }, [&](const GameRecord& game) { reviewed.push_back(game); }});
    click("lblStatistics");
    EXPECT_EQ(statistics, 1);
    ASSERT_TRUE(visible("lblReview"));
    click("lblReview");
    ASSERT_EQ(reviewed.size(), 1u);
    EXPECT_EQ(reviewed[0], *stored);
}

TEST_F(RecordHook, aForcedRollIsMarkedAndSoIsTheGame) {
    start({2, 3, 4, 6, 6});
    click("lblHint");  // the coach watched this game
    key(u'5');
    click("CB_Roll");
    for (int c = 0; c < 13; ++c) score(CategoryId(c), {1, 1, 2, 3, 4});
    ASSERT_TRUE(board.lastGame());
    const GameRecord& game = *board.lastGame();
    EXPECT_FALSE(recordFault(game));
    ASSERT_EQ(game.turns[0].rolls.size(), 2u);
    EXPECT_FALSE(game.turns[0].rolls[0].forced);
    EXPECT_EQ(game.turns[0].rolls[1], (RollRecord{{5, 5, 5, 5, 5}, {}, true}));
    EXPECT_TRUE(game.forced);
    EXPECT_TRUE(game.coach);
    EXPECT_EQ(game.total, text("Total").toInt());
    EXPECT_TRUE(visible("lblReview"));
    click("CB_New");
    EXPECT_FALSE(visible("lblReview"));
}

// The record takes the card's result from the game itself: a later five of a kind earns extra
// points that no commit scored, and they are recorded as the card holds them.
TEST_F(RecordHook, extraPointsForALaterFiveOfAKindAreRecorded) {
    start({6, 6, 6, 6, 6});
    score(CategoryId::Korvex, {2, 2, 2, 2, 2});
    score(CategoryId::Twos, {1, 2, 3, 4, 6});
    for (int c = 0; c < 13; ++c)
        if (c != int(CategoryId::Korvex) && c != int(CategoryId::Twos)) score(CategoryId(c));
    ASSERT_TRUE(board.lastGame());
    const GameRecord& game = *board.lastGame();
    EXPECT_FALSE(recordFault(game)) << qPrintable(*recordFault(game));
    EXPECT_EQ(game.extra, 100);
    EXPECT_EQ(game.turns[0].points, 50);
    EXPECT_EQ(game.turns[1].points, 10);
    EXPECT_EQ(game.total, text("Total").toInt());
    EXPECT_EQ(box(CategoryId::Korvex), "150");
    EXPECT_FALSE(game.forced);
}

// At the end of a game the coach's panel sums it up from the coach's replay of the record, and
// the "Review" link shows; with the panel off, only the link shows.
TEST_F(RecordHook, theEndOfAGameIsSummedUpBesideTheReviewLink) {
    start({6, 6, 6, 6, 6});
    click("lblHint");
    QElapsedTimer clock;
    clock.start();
    while (!board.coach().table() && clock.elapsed() < 120000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    ASSERT_TRUE(board.coach().table());
    score(CategoryId::Chance, {1, 1, 2, 3, 4});  // five sixes in Chance: a costly choice
    for (int c = 0; c < 12; ++c) score(CategoryId(c), {2, 2, 3, 5, 6});
    ASSERT_TRUE(board.lastGame());
    const auto review = reviewGame(*board.coach().table(), *board.lastGame());
    ASSERT_TRUE(review && review->costliest());
    EXPECT_EQ(text("lblCoachAdvice"), QString("Game over: %1 points.").arg(text("Total")));
    EXPECT_EQ(text("lblCoachLast"),
              QString("Your decisions gave up %1 points.").arg(review->totalLoss, 0, 'f', 1));
    EXPECT_TRUE(text("lblCoachGame").startsWith("Costliest: turn 1, Scored Chance for 30 ("))
        << qPrintable(text("lblCoachGame"));
    EXPECT_TRUE(visible("lblReview"));

    click("lblHint");
    EXPECT_FALSE(visible("lblCoachGame"));
    EXPECT_TRUE(visible("lblReview"));
}

// The one assembly wires the record to the board: a game finished there lands in the history's
// file, and a Statistics or Practice window whose module is not beside the program is told on
// the board.
TEST(RunningGameRecord, theAssemblyRecordsEveryGameAndReportsOnTheBoard) {
    ensureCoreApplication();
    QTemporaryDir dir;
    GameHistory history(dir.filePath("games.sqlite"), openGameDatabase);
    MemoryToolkit toolkit;
    ScriptedRandom random;
    MemoryStore store;
    RunningGame game(toolkit, random, store, &history);
    game.show();
    Form1& board = game.board();
    random.queue({1, 2, 3, 4, 6});
    board.click(QStringLiteral("CB_Start"));
    for (const Category& c : categories()) {
        random.queue({1, 2, 3, 4, 6});
        board.click(categoryFields(c.id).scoreBox);
        board.click(QStringLiteral("CB_Save"));
    }
    ASSERT_TRUE(board.game().over());
    ASSERT_EQ(history.summaries().size(), 1u);
    ASSERT_TRUE(history.lastGame());
    EXPECT_EQ(history.lastGame()->total, board.game().card().total());
    // The board's record and the stored one differ only by the number the database gave it.
    GameRecord played = *board.lastGame();
    played.id = history.lastGame()->id;
    EXPECT_EQ(history.game(played.id), played);

    const std::size_t before = toolkit.messages().size();
    board.click(QStringLiteral("lblStatistics"));
    ASSERT_EQ(toolkit.messages().size(), before + 1);
    EXPECT_EQ(toolkit.messages().back().title, "Statistics");
    EXPECT_TRUE(toolkit.messages().back().text.contains("module"));
    // Practice opens from its link through the same module.
    board.click(QStringLiteral("lblPractice"));
    ASSERT_EQ(toolkit.messages().size(), before + 2);
    EXPECT_EQ(toolkit.messages().back().title, "Practice");
}

// Games recorded before the coach's table was there are judged once it is, in the background,
// with the review's own figures, and so is every game written after that; a game judged already
// is left as it is. The running game wires the judging to both moments.
TEST(RecordJudging, gamesAreJudgedOnceTheTableIsThereAndAfterEachWrite) {
    ensureCoreApplication();
    QTemporaryDir dir;
    const QString file = dir.filePath("games.sqlite");
    GameGenerator generator{3, {nullptr, 0.2, 0.3, 0.5}};
    std::vector<GameRecord> games;
    {
        GameDatabase earlier(file);
        for (int i = 0; i < 3; ++i) ASSERT_TRUE(earlier.store(games.emplace_back(generator.next())));
        ASSERT_TRUE(earlier.storeLuck({{games[0].id, 1.5, 2.5}}, 100));
    }
    MemoryToolkit toolkit;
    ScriptedRandom random;
    MemoryStore store;
    GameHistory history(file, openGameDatabase);
    RunningGame running(toolkit, random, store, &history);
    const auto judged = [&] {
        int n = 0;
        for (const GameSummary& game : history.summaries()) n += game.luck.has_value();
        return n;
    };
    const auto waitFor = [&](int count) {
        QElapsedTimer clock;
        clock.start();
        while (judged() < count && clock.elapsed() < 60000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        return judged();
    };
    EXPECT_EQ(judged(), 1);
    running.board().click(QStringLiteral("lblHint"));  // the coach on: its table is made
    EXPECT_EQ(waitFor(3), 3);
    history.record(generator.next());
    EXPECT_EQ(waitFor(4), 4);

    games.push_back(*history.lastGame());
    const CoachTable& table = *running.board().coach().builtTable();
    for (const GameSummary& summary : history.summaries()) {
        const auto game = std::find_if(games.begin(), games.end(),
                                       [&](const GameRecord& g) { return g.id == summary.id; });
        ASSERT_NE(game, games.end());
        const GameLuck expected = game == games.begin()
                                      ? GameLuck{game->id, 1.5, 2.5}
                                      : gameLuck(game->id, *reviewGame(table, *game));
        EXPECT_DOUBLE_EQ(*summary.luck, expected.luck);
        EXPECT_DOUBLE_EQ(*summary.givenUp, expected.givenUp);
    }
}

}  // namespace
}  // namespace korvex::test
