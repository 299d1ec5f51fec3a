// SPDX-License-Identifier: GPL-3.0-or-later
#include "coach/coach_advice.h"

#include <QCoreApplication>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <limits>

#include "core/rules.h"

namespace korvex {
namespace {

constexpr double kNoValue = std::numeric_limits<double>::quiet_NaN();
// Values closer than this are treated as equal, so that scoring wins a tie with rolling again.
constexpr double kTie = 1e-9;

struct Choice {
    double value = -std::numeric_limits<double>::infinity();
    int category = -1;
    int holdMask = 0;
};

// The roll (0 to 251) of the position's dice, or -1 when the position is not one a game reaches.
int rollOf(const CoachTable& table, const CoachPosition& position) {
    if (position.rollsLeft < 0 || position.rollsLeft > 2) return -1;
    const CoachState state = coachState(position);
    if (std::all_of(position.used.begin(), position.used.end(), [](bool u) { return u; }) ||
        !table.reachable(state))
        return -1;
    const int hand = table.hands().handOfFaces(position.dice.data(), 5);
    return hand < 0 ? -1 : hand - DiceHands::kFirstRoll;
}

Choice bestScore(const CoachTable& table, const CoachState& state, int roll) {
    Choice best;
    for (int c = 0; c < kCategoryCount; ++c) {
        const double value = table.commitValue(state, c, roll);
        if (!std::isnan(value) && value > best.value + kTie) best = {value, c, 0};
    }
    return best;
}

// Best set of positions to hold (never all five: keeping everything is scoring now).
Choice bestHold(const CoachTable& table, const CoachPosition& position, const TurnValues& turn) {
    const auto& keep = position.rollsLeft == 2 ? turn.keepTwoLeft : turn.keepOneLeft;
    Choice best;
    for (int mask = 0; mask < 31; ++mask) {
        std::array<int, 5> faces{};
        int n = 0;
        for (int i = 0; i < 5; ++i)
            if (mask & (1 << i)) faces[std::size_t(n++)] = position.dice[std::size_t(i)];
        const double value = keep[std::size_t(table.hands().handOfFaces(faces.data(), n))];
        if (value > best.value + kTie) best = {value, -1, mask};
    }
    return best;
}

// The value of the best move, or NaN.
double bestValue(const CoachTable& table, const CoachPosition& position, int roll) {
    const CoachState state = coachState(position);
    double best = bestScore(table, state, roll).value;
    if (position.rollsLeft > 0)
        best = std::max(best, bestHold(table, position, table.turn(state)).value);
    return best;
}

// The positions to hold for the best mask's faces, taking held dice first where they show a kept
// face, and what the player must let go of to get there.
void adviseHolds(Advice& advice, const CoachPosition& position, int holdMask) {
    std::array<int, 7> wanted{};
    for (int i = 0; i < 5; ++i)
        if (holdMask & (1 << i)) ++wanted[std::size_t(position.dice[std::size_t(i)])];
    for (bool held : {true, false})
        for (std::size_t i = 0; i < 5; ++i) {
            int& left = wanted[std::size_t(position.dice[i])];
            if (position.held[i] == held && left > 0) {
                advice.hold[i] = true;
                --left;
            }
        }
    for (std::size_t i = 0; i < 5; ++i) {
        if (advice.hold[i]) advice.keptFaces.push_back(position.dice[i]);
        advice.release[i] = position.held[i] && !advice.hold[i];
        if (advice.release[i]) advice.releasedFaces.push_back(position.dice[i]);
    }
    std::sort(advice.keptFaces.begin(), advice.keptFaces.end());
    std::sort(advice.releasedFaces.begin(), advice.releasedFaces.end());
    advice.holdsMatch = advice.hold == position.held;
}

QString faceList(const std::vector<int>& faces) {
    QStringList words;
    for (int face : faces) words << QString::number(face);
    return words.join(QLatin1Char(' '));
}

QString coachText(const char* text) {
    return QCoreApplication::translate("Coach", text);
}

// A move with the dice to let go of. Each language gets the whole sentence, one for a single die
// and one for several, so that it can place the article, the list and the verb its own way.
QString withRelease(const Advice& advice) {
    QStringList released;
    for (int face : advice.releasedFaces) released << QString::number(face);
    const QString last = released.takeLast();
    const QString others = released.join(QStringLiteral(", "));
    const QString kept = faceList(advice.keptFaces);
    if (kept.isEmpty() && others.isEmpty())
        //: %1 is the one die to let go of, "3".
        return coachText(QT_TRANSLATE_NOOP("Coach", "Roll all five again (release the %1)"))
            .arg(last);
    if (kept.isEmpty())
        //: %1 is the dice to let go of but the last, "1, 2"; %2 the last of them, "3".
        return coachText(QT_TRANSLATE_NOOP("Coach", "Roll all five again (release the %1 and %2)"))
            .arg(others, last);
    if (others.isEmpty())
        //: %1 is the dice to hold, "4 4 4"; %2 the one die to let go of, "1".
        return coachText(QT_TRANSLATE_NOOP("Coach", "Hold %1 and roll (release the %2)"))
            .arg(kept, last);
    //: %1 is the dice to hold, "4 4"; %2 the dice to let go of but the last, "1, 2"; %3 the
    //: last of them, "3".
    return coachText(QT_TRANSLATE_NOOP("Coach", "Hold %1 and roll (release the %2 and %3)"))
        .arg(kept, others, last);
}

QString describeRoll(const Advice& advice) {
    if (advice.keptFaces.empty() && advice.releasedFaces.empty())
        return coachText(QT_TRANSLATE_NOOP("Coach", "Roll all five again"));
    if (advice.holdsMatch)
        //: %1 is the dice the player holds, "6 6".
        return coachText(QT_TRANSLATE_NOOP("Coach", "Roll: you already hold %1"))
            .arg(faceList(advice.keptFaces));
    if (!advice.releasedFaces.empty()) return withRelease(advice);
    //: %1 is the dice to hold, e.g. "4 4 4".
    return coachText(QT_TRANSLATE_NOOP("Coach", "Hold %1 and roll"))
        .arg(faceList(advice.keptFaces));
}

}  // namespace

CoachState coachState(const CoachPosition& position) {
    CoachState state;
    for (int c = 0; c < kCategoryCount; ++c)
        if (position.used[std::size_t(c)]) state.used |= 1u << c;
    state.upperSum = position.upperSum;
    state.korvexScored = position.korvexScored;
    return state;
}

Advice advise(const CoachTable& table, const CoachPosition& position, const TurnValues* turn) {
    Advice advice;
    const int roll = rollOf(table, position);
    if (roll < 0) return advice;
    const CoachState state = coachState(position);
    const Choice score = bestScore(table, state, roll);
    Choice hold;
    if (position.rollsLeft > 0) {
        const TurnValues own = turn ? TurnValues{} : table.turn(state);
        hold = bestHold(table, position, turn ? *turn : own);
    }
    if (hold.value > score.value + kTie) {
        advice.action = Advice::Action::Roll;
        adviseHolds(advice, position, hold.holdMask);
        advice.expectedTotal = position.totalSoFar + hold.value;
    } else {
        advice.action = Advice::Action::Score;
        advice.category = CategoryId(score.category);
        advice.points = table.hands().points(score.category, roll);
        advice.expectedTotal = position.totalSoFar + score.value;
    }
    return advice;
}

double choiceLoss(const CoachTable& table, const CoachPosition& position, CategoryId category) {
    const int roll = rollOf(table, position);
    if (roll < 0) return kNoValue;
    const double chosen = table.commitValue(coachState(position), int(category), roll);
    if (std::isnan(chosen)) return kNoValue;
    return std::max(0.0, bestValue(table, position, roll) - chosen);
}

QString describe(const Advice& advice) {
    switch (advice.action) {
        case Advice::Action::None:
            return {};
        case Advice::Action::Roll:
            return describeRoll(advice);
        case Advice::Action::Score:
            //: %1 is a category of the card, %2 the points it gives now.
            return coachText(QT_TRANSLATE_NOOP("Coach", "Score %1 for %2"))
                .arg(displayTitle(advice.category))
                .arg(advice.points);
    }
    return {};
}

CoachPosition coachPosition(const Card& card, const Faces& dice, int rollsLeft,
                            const std::array<bool, 5>& held) {
    CoachPosition p;
    for (const Category& c : categories()) p.used[std::size_t(c.index())] = card.used(c.id);
    p.upperSum = card.upperSum();
    p.korvexScored = card.korvexCounts();
    p.totalSoFar = card.total();
    p.dice = dice;
    p.rollsLeft = rollsLeft;
    p.held = held;
    return p;
}

std::optional<CoachPosition> coachPosition(const Game& game) {
    if (!game.started() || game.lastRollForced() || game.over()) return std::nullopt;
    std::array<bool, 5> held{};
    for (int i = 0; i < 5; ++i) held[std::size_t(i)] = game.held(i);
    const int rolls = game.rolls();
    return coachPosition(game.card(), game.faces(), rolls == 0 ? 0 : kRollsPerTurn - rolls, held);
}

}  // namespace korvex
