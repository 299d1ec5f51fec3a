// SPDX-License-Identifier: GPL-3.0-or-later
// Practice without a window: the schedule's boxes and order, the proficiency figure, positions
// taken from recorded games and from the coach's own, grades that agree with the coach's replay,
// and a sitting whose answers reach the record's store (a refused one counts for nothing).

#include <gtest/gtest.h>

#include "coach/coach_table.h"
#include "practice/game_generator.h"
#include "practice/practice_positions.h"
#include "practice/practice_session.h"
#include "record/game_history.h"
#include "support/qstring_printer.h"

namespace korvex {
namespace {

const CoachTable& table() {
    static const auto solved = CoachTable::solve(CoachRules::korvex(), 2);
    return *solved;
}

PracticePosition positionKeyed(const QString& key) {
    PracticePosition p;
    p.key = key;
    return p;
}

PracticeRecord recordOf(int answers, std::vector<PracticeSlot> schedule, QString last = {}) {
    PracticeRecord record;
    record.answers.resize(std::size_t(answers));
    if (!record.answers.empty()) record.answers.back().position = last;
    record.schedule = std::move(schedule);
    return record;
}

TEST(PracticeSchedule, goodAnswersClimbTheBoxesAndPoorOnesStartAgain) {
    const struct {
        std::optional<int> boxBefore;  // none: never answered
        double givenUp;
        int answersAfter, box, due;
    } cases[] = {
        {std::nullopt, 0.0, 1, 1, 7},
        {std::nullopt, 3.0, 1, 0, 4},
        {0, 0.49, 10, 1, 16},
        {1, 0.0, 10, 2, 22},
        {3, 0.2, 40, 4, 90},
        {kTopBox, 0.0, 200, kTopBox, 300},
        {4, kGoodAnswerLoss, 60, 0, 63},
        {kTopBox, 12.5, 300, 0, 303},
    };
    for (const auto& c : cases) {
        const PracticeSlot before{positionKeyed("k"), c.boxBefore.value_or(0), 0};
        const PracticeSlot after = rescheduled(positionKeyed("k"), c.boxBefore ? &before : nullptr,
                                               c.givenUp, c.answersAfter);
        EXPECT_EQ(after.box, c.box) << c.givenUp << " after box " << c.boxBefore.value_or(-1);
        EXPECT_EQ(after.due, c.due) << c.givenUp << " after box " << c.boxBefore.value_or(-1);
        EXPECT_EQ(after.position.key, "k");
    }
}

TEST(PracticeSchedule, duePositionsComeFirstThenNewOnesThenTheSoonest) {
    const std::vector<PracticeCandidate> fresh = {{positionKeyed("new costly"), 9},
                                                  {positionKeyed("due later"), 8},
                                                  {positionKeyed("new cheap"), 1}};
    const std::vector<PracticeSlot> scheduled = {{positionKeyed("due later"), 2, 12},
                                                 {positionKeyed("overdue"), 0, 4},
                                                 {positionKeyed("due now"), 1, 10}};
    const struct {
        int answers;
        QString last, expected;
    } cases[] = {
        {10, "", "overdue"},             // the most overdue of the due ones
        {10, "overdue", "due now"},      // not the one just answered
        {3, "", "new costly"},           // none due: the costliest new one
        {3, "new costly", "new cheap"},  // "due later" is scheduled, so not new
    };
    for (const auto& c : cases)
        EXPECT_EQ(nextPosition(recordOf(c.answers, scheduled, c.last), fresh)->key, c.expected)
            << c.answers << " answers, last " << qPrintable(c.last);
    // Everything scheduled and nothing due: the one due soonest, else the one just answered.
    EXPECT_EQ(nextPosition(recordOf(3, scheduled, "new cheap"), {})->key, "overdue");
    EXPECT_EQ(nextPosition(recordOf(3, {scheduled[1]}, "overdue"), {})->key, "overdue");
    EXPECT_FALSE(nextPosition({}, {}));
}

TEST(PracticeSchedule, proficiencyIsTheMeanOfTheLatestFiftyAnswers) {
    EXPECT_FALSE(proficiency({}));
    std::vector<PracticeAnswer> answers(3);
    answers[0].givenUp = 1, answers[1].givenUp = 2, answers[2].givenUp = 6;
    EXPECT_DOUBLE_EQ(*proficiency(answers), 3.0);
    // Sixty more: ten poor ones, then fifty perfect ones; only the fifty count.
    answers.resize(63);
    for (std::size_t i = 3; i < 13; ++i) answers[i].givenUp = 20;
    EXPECT_DOUBLE_EQ(*proficiency(answers), 0.0);
    answers.back().givenUp = 5;
    EXPECT_DOUBLE_EQ(*proficiency(answers), 0.1);
}

// Every judged decision of a noisy game, posed again: the player's own move gives up exactly what
// the coach's replay of the game says, and the coach's move gives up nothing.
TEST(PracticeGrading, agreesWithTheReplayOnEveryDecisionOfAGame) {
    GameRecord game = GameGenerator(11, {&table(), 0.4, 0.0, 0.0}).next();
    game.id = 5;
    const std::optional<GameReview> review = reviewGame(table(), game);
    ASSERT_TRUE(review);
    const std::vector<PracticeCandidate> positions = positionsOfGame(game, *review, "game 5");
    ASSERT_GE(positions.size(), 3u);
    int graded = 0;
    for (const ReviewedDecision& d : review->decisions) {
        const QString key = QStringLiteral("game 5 turn %1 roll %2").arg(d.turn).arg(d.roll);
        const auto found = std::find_if(positions.begin(), positions.end(),
                                        [&](const auto& c) { return c.position.key == key; });
        ASSERT_EQ(found != positions.end(), d.loss > 0) << qPrintable(key);
        if (found == positions.end()) continue;
        const PracticePosition& p = found->position;
        EXPECT_EQ(p.faces, d.faces);
        PracticeMove mine{PracticeMove::Kind::Hold, d.held, d.category};
        if (d.kind == ReviewedDecision::Kind::Score) mine.kind = PracticeMove::Kind::Score;
        const auto grade = gradeMove(table(), p, mine);
        ASSERT_TRUE(grade);
        EXPECT_NEAR(grade->givenUp, d.loss, 1e-9) << qPrintable(key);
        EXPECT_NEAR(grade->chosenTotal, d.expectedAfter, 1e-9) << qPrintable(key);
        EXPECT_EQ(grade->move, describeChoice(d));
        const Advice& best = grade->best;
        const PracticeMove coach{best.action == Advice::Action::Score ? PracticeMove::Kind::Score
                                                                      : PracticeMove::Kind::Hold,
                                 best.hold, best.category};
        EXPECT_EQ(gradeMove(table(), p, coach)->givenUp, 0.0) << qPrintable(key);
        ++graded;
    }
    EXPECT_EQ(graded, int(positions.size()));
}

TEST(PracticeGrading, refusesMovesThePositionDoesNotAllow) {
    PracticePosition p = positionKeyed("k");
    p.roll = 3;
    p.faces = {2, 2, 3, 5, 6};
    p.card.commit(CategoryId::Chance, p.faces);
    EXPECT_FALSE(gradeMove(table(), p, {PracticeMove::Kind::Hold, {}, {}}));
    EXPECT_FALSE(gradeMove(table(), p, {PracticeMove::Kind::Score, {}, CategoryId::Chance}));
    EXPECT_TRUE(gradeMove(table(), p, {PracticeMove::Kind::Score, {}, CategoryId::Twos}));
    p.roll = 4;
    EXPECT_FALSE(gradeMove(table(), p, {PracticeMove::Kind::Score, {}, CategoryId::Twos}));
}

TEST(PracticePositions, comeCostliestFirstWithKeysThatStayTheSame) {
    GameGenerator generator(3, {&table(), 0.3, 0.0, 0.0});
    std::vector<GameRecord> games = {generator.next(), generator.next()};
    games[0].id = 7, games[1].id = 8;
    games[1].turns.pop_back();  // not a whole game: passed over
    const auto positions = recordedPositions(table(), games);
    ASSERT_FALSE(positions.empty());
    for (std::size_t i = 0; i < positions.size(); ++i) {
        EXPECT_TRUE(positions[i].position.key.startsWith("game 7 turn "));
        EXPECT_EQ(positions[i].position.gameId, 7);
        if (i > 0) {
            EXPECT_GE(positions[i - 1].loss, positions[i].loss);
        }
    }
    const auto coach = coachGamePositions(table(), 2);
    ASSERT_GE(coach.size(), 2u);
    EXPECT_TRUE(coach[0].position.key.startsWith("coach "));
    EXPECT_EQ(coach[0].position.gameId, 0);
    const auto again = coachGamePositions(table(), 2);
    ASSERT_EQ(again.size(), coach.size());
    for (std::size_t i = 0; i < coach.size(); ++i) EXPECT_EQ(again[i].position, coach[i].position);
}

// A store that keeps Practice's record in memory and can be told to refuse.
class PracticeStore : public GameStore {
  public:
    PracticeRecord kept;
    bool refuse = false;
    bool store(GameRecord*, std::size_t, int) override { return false; }
    std::optional<std::vector<GameSummary>> summaries() override {
        return std::vector<GameSummary>{};
    }
    std::optional<GameRecord> game(qint64) override { return std::nullopt; }
    bool storeLuck(const std::vector<GameLuck>&, int) override { return false; }
    std::optional<PracticeRecord> practice() override { return kept; }
    bool storeAnswer(PracticeAnswer& answer, const PracticeSlot& slot, int) override {
        if (refuse) {
            m_failure = {StoreFailure::Kind::Refused, "the disk is full", {}};
            return false;
        }
        answer.id = qint64(kept.answers.size()) + 1;
        kept.answers.push_back(answer);
        std::erase_if(kept.schedule, [&](auto& s) { return s.position.key == slot.position.key; });
        kept.schedule.push_back(slot);
        return true;
    }
    const StoreFailure& failure() const override { return m_failure; }
    std::optional<QString> takeSetAside() override { return std::nullopt; }

  private:
    StoreFailure m_failure;
};

// A move every position allows: roll all five again, or on the third roll the first open category.
PracticeMove anyMove(const PracticePosition& p) {
    if (p.roll < 3) return {PracticeMove::Kind::Hold, {}, {}};
    for (const Category& c : categories())
        if (!p.card.used(c.id)) return {PracticeMove::Kind::Score, {}, c.id};
    return {};
}

TEST(PracticeSitting, answersReachTheStoreAndARefusalIsToldAndNotCounted) {
    auto owned = std::make_unique<PracticeStore>();
    PracticeStore* store = owned.get();
    GameHistory history("unused.sqlite",
                        [&](const QString&, QString&) { return std::move(owned); });
    QStringList told;
    history.setReporter([&](const QString& text, const QString&) { told << text; });
    PracticeSession sitting(history, table());
    sitting.reload();
    ASSERT_TRUE(sitting.fromCoachGames());
    ASSERT_TRUE(sitting.position());
    const PracticePosition first = *sitting.position();
    const QDateTime when(QDate(2026, 3, 1), QTime(10, 0, 5, 700), Qt::UTC);
    const auto grade = sitting.answer(anyMove(first), when);
    ASSERT_TRUE(grade);
    ASSERT_EQ(store->kept.answers.size(), 1u);
    const PracticeAnswer& stored = store->kept.answers[0];
    EXPECT_EQ(stored.position, first.key);
    EXPECT_EQ(stored.answered, QDateTime(QDate(2026, 3, 1), QTime(10, 0, 5), Qt::UTC));
    EXPECT_EQ(stored.move, grade->move);
    EXPECT_DOUBLE_EQ(stored.givenUp, grade->givenUp);
    ASSERT_EQ(store->kept.schedule.size(), 1u);
    EXPECT_EQ(store->kept.schedule[0], rescheduled(first, nullptr, grade->givenUp, 1));
    EXPECT_DOUBLE_EQ(*sitting.proficiency(), grade->givenUp);

    sitting.next();
    ASSERT_TRUE(sitting.position());
    EXPECT_NE(sitting.position()->key, first.key);
    store->refuse = true;
    ASSERT_TRUE(sitting.answer(anyMove(*sitting.position()), when));
    EXPECT_FALSE(sitting.lastAnswerKept());
    EXPECT_EQ(store->kept.answers.size(), 1u);
    EXPECT_EQ(sitting.record().answers.size(), 1u);
    EXPECT_EQ(sitting.record().schedule.size(), 1u);
    ASSERT_EQ(told.size(), 1);
    EXPECT_TRUE(told[0].contains("the disk is full")) << qPrintable(told[0]);
    // A new sitting reads what the store kept and goes on from there.
    PracticeSession later(history, table());
    later.reload();
    EXPECT_EQ(later.record().answers.size(), 1u);
}

}  // namespace
}  // namespace korvex
