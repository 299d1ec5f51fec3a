// SPDX-License-Identifier: GPL-3.0-or-later
// The game's transitions on their own: what each refuses (leaving the game exactly as it was),
// and what a new game keeps. Whole games through the board are in tests/board.

#include "core/game.h"

#include <gtest/gtest.h>

#include <functional>

#include "support/scripted_random.h"

namespace korvex::test {
namespace {

Game started(ScriptedRandom& random, const std::vector<int>& faces) {
    Game game;
    random.queue(faces);
    game.start(random);
    return game;
}

TEST(GameTransitions, refusedMovesLeaveTheGameUnchanged) {
    ScriptedRandom random;
    Game fresh;
    Game thirdRollMade = started(random, {1, 2, 3, 4, 5});
    random.queue({2, 2, 2, 2, 2, 3, 3, 3, 3, 3});
    thirdRollMade.roll(random);
    thirdRollMade.roll(random);
    Game onesScored = started(random, {1, 1, 2, 3, 4});
    onesScored.select(CategoryId::Ones);
    random.queue({6, 6, 6, 6, 6});
    onesScored.commit();
    onesScored.roll(random);
    struct Case {
        const char* what;
        Game game;
        std::function<bool(Game&)> move;
    };
    const Case cases[] = {
        {"roll before START", fresh,
         [&](Game& g) { return g.roll(random) != Game::Roll::Refused; }},
        {"hold before START", fresh, [](Game& g) { return g.toggleHold(1, 1); }},
        {"select before START", fresh, [](Game& g) { return g.select(CategoryId::Chance); }},
        {"commit before START", fresh,
         [](Game& g) { return g.commit() != Game::Commit::NothingSelected; }},
        {"START twice", thirdRollMade,
         [&](Game& g) { return g.start(random) != Game::Roll::Refused; }},
        {"fourth roll", thirdRollMade,
         [&](Game& g) { return g.roll(random) != Game::Roll::Refused; }},
        {"scored category", onesScored, [](Game& g) { return g.select(CategoryId::Ones); }},
        {"hold of no die", onesScored, [](Game& g) { return g.toggleHold(7, 1); }},
        {"key that arms nothing", onesScored, [](Game& g) { return g.armForcedRoll(u'S'); }},
    };
    for (const Case& c : cases) {
        Game game = c.game;
        EXPECT_FALSE(c.move(game)) << c.what;
        EXPECT_EQ(game, c.game) << c.what;
    }
}

TEST(GameTransitions, newGameKeepsTheDiceAndTheRunsCode) {
    ScriptedRandom random;
    Game game = started(random, {6, 5, 4, 3, 2});
    game.armForcedRoll(u'4');
    game.toggleHold(6, 1);
    game.select(CategoryId::Sixes);
    game.newGame();
    EXPECT_EQ(game.faces(), (Faces{6, 5, 4, 3, 2}));
    EXPECT_EQ(game.cheat(), (CheatCode{CheatCode::State::Armed, 4}));
    EXPECT_FALSE(game.started() || game.held(0) || game.framed(0, 6) || game.mayCommit());
    EXPECT_FALSE(game.candidate().has_value());
    EXPECT_EQ(game.rolls(), 0);
}

// The frame belongs to the picture clicked: a forced roll shows another face under a held die,
// and a click on that face releases the hold without touching the old picture's frame.
TEST(GameTransitions, framesStayOnTheirPicturesThroughAForcedRoll) {
    ScriptedRandom random;
    Game game = started(random, {3, 1, 1, 1, 1});
    game.toggleHold(3, 1);
    game.armForcedRoll(u'6');
    EXPECT_EQ(game.roll(random), Game::Roll::Forced);
    EXPECT_EQ(game.cheat().state, CheatCode::State::Spent);
    EXPECT_TRUE(game.held(0) && game.framed(0, 3) && !game.framed(0, 6));
    game.toggleHold(6, 1);
    EXPECT_FALSE(game.held(0));
    EXPECT_TRUE(game.framed(0, 3));
    game.toggleHold(6, 1);
    EXPECT_TRUE(game.framed(0, 3) && game.framed(0, 6));
}

TEST(GameTransitions, lastCommitEndsTheGameAndKeepsTheTurnsRolls) {
    ScriptedRandom random;
    Game game = started(random, {5, 5, 5, 5, 5});
    for (const Category& c : categories()) {
        ASSERT_TRUE(game.select(c.id));
        const bool last = c.id == CategoryId::Chance;
        ASSERT_EQ(game.commit(), last ? Game::Commit::GameOver : Game::Commit::NextTurn);
        random.queue({5, 5, 5, 5, 5});
        if (!last) game.roll(random);
    }
    EXPECT_TRUE(game.over());
    EXPECT_FALSE(game.mayRoll() || game.mayCommit());
    EXPECT_EQ(game.rolls(), 1);
    // Korvex is scored on the twelfth turn; only Chance comes after it, and its five fives add 100.
    EXPECT_EQ(game.card().extraPoints, 100);
}

}  // namespace
}  // namespace korvex::test
