// SPDX-License-Identifier: GPL-3.0-or-later
// The judging of recorded games in the background, on a real file: every game without luck gets
// the review's own figures, games already judged are left as they are, and a start while a run
// goes on is not lost.

#include "review/luck_fill.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QThread>
#include <algorithm>

#include "coach/coach_table.h"
#include "record/sqlite/game_database.h"
#include "review/game_review.h"
#include "support/core_application.h"
#include "support/game_generator.h"

namespace korvex::test {
namespace {

TEST(LuckFill, judgesEveryGameStillWithoutLuckAndLeavesTheOthers) {
    ensureCoreApplication();
    static const std::unique_ptr<CoachTable> table = CoachTable::solve(CoachRules::korvex(), 2);
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("games.sqlite"));
    GameDatabase database(file);
    GameGenerator generator{5, {nullptr, 0.2, 0.3, 0.5}};
    std::vector<GameRecord> games;
    for (int i = 0; i < 6; ++i) ASSERT_TRUE(database.store(games.emplace_back(generator.next())));
    ASSERT_TRUE(database.storeLuck({{games[0].id, 1.5, 2.5}}, 100));  // judged already

    LuckFill fill(openGameDatabase, file);
    int judged = -1, runs = 0;
    QObject context;
    const auto done = [&](int n) { judged = n, ++runs; };
    fill.start(*table, &context, done);
    fill.start(*table, &context, done);  // while running: looked at once more, not dropped
    QElapsedTimer clock;
    clock.start();
    while ((fill.running() || runs == 0) && clock.elapsed() < 60000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10), QThread::msleep(2);
    QCoreApplication::processEvents();
    ASSERT_GE(runs, 1);
    EXPECT_EQ(judged, 5);

    const auto summaries = database.summaries();
    ASSERT_TRUE(summaries && summaries->size() == games.size());
    for (const GameSummary& summary : *summaries) {
        const auto game = std::find_if(games.begin(), games.end(),
                                       [&](const GameRecord& g) { return g.id == summary.id; });
        ASSERT_NE(game, games.end());
        ASSERT_TRUE(summary.luck && summary.givenUp);
        if (game == games.begin()) {
            EXPECT_EQ(*summary.luck, 1.5);
            continue;
        }
        const GameLuck expected = gameLuck(game->id, *reviewGame(*table, *game));
        EXPECT_DOUBLE_EQ(*summary.luck, expected.luck);
        EXPECT_DOUBLE_EQ(*summary.givenUp, expected.givenUp);
    }
}

}  // namespace
}  // namespace korvex::test
