// SPDX-License-Identifier: GPL-3.0-or-later
// Measures the coach: how long the whole table takes on two threads, how much memory it holds,
// how long one piece of advice takes afterwards, the optimum of both cards, and whether 100,000
// games played by the advice average inside the confidence interval of the computed expectation.

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <random>
#include <thread>
#include <vector>

#include "coach/coach_advice.h"
#include "support/coach_self_play.h"
#include "coach/coach_table.h"

namespace {

using Clock = std::chrono::steady_clock;

double secondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

std::unique_ptr<korvex::CoachTable> timedSolve(const korvex::CoachRules& rules, const char* name) {
    std::vector<double> times;
    std::unique_ptr<korvex::CoachTable> table;
    for (int run = 0; run < 3; ++run) {
        const auto start = Clock::now();
        table = korvex::CoachTable::solve(rules, 2);
        times.push_back(secondsSince(start));
    }
    std::sort(times.begin(), times.end());
    std::printf("%-8s solve on 2 threads: best %.3f s, median %.3f s (3 runs); %zu states solved\n",
                name, times[0], times[1], table->statesSolved());
    std::printf("%-8s table size: %.2f MB\n", name, table->bytes() / (1024.0 * 1024.0));
    std::printf("%-8s optimum expected total: %.4f\n", name, table->startValue());
    return table;
}

// Random positions from the middle of games: the cost of a query as the board would make it.
void timeQueries(const korvex::CoachTable& table) {
    std::mt19937_64 random(5);
    std::uniform_int_distribution<int> die(1, 6), coin(0, 1), rolls(0, 2);
    std::vector<korvex::CoachPosition> positions;
    while (positions.size() < 2000) {
        korvex::CoachPosition p;
        for (bool& used : p.used) used = coin(random);
        for (int c = 0; c < 6; ++c)
            if (p.used[std::size_t(c)]) p.upperSum += (c + 1) * (die(random) - 1);
        for (int& face : p.dice) face = die(random);
        p.rollsLeft = rolls(random);
        if (table.reachable(korvex::coachState(p)) &&
            std::count(p.used.begin(), p.used.end(), true) < 13)
            positions.push_back(p);
    }
    double worst = 0;
    int scored = 0;
    const auto start = Clock::now();
    for (const auto& p : positions) {
        const auto one = Clock::now();
        scored += korvex::advise(table, p).action == korvex::Advice::Action::Score;
        worst = std::max(worst, secondsSince(one));
    }
    const double mean = secondsSince(start) / positions.size();
    std::printf("query (advise) over %zu positions: mean %.1f us, worst %.1f us (%d say score)\n",
                positions.size(), mean * 1e6, worst * 1e6, scored);
}

void selfPlay(const korvex::CoachTable& table, int games) {
    const auto start = Clock::now();
    korvex::SelfPlayResult halves[2];
    std::thread other([&] { halves[1] = korvex::playGames(table, games / 2, 2); });
    halves[0] = korvex::playGames(table, games - games / 2, 1);
    other.join();
    korvex::SelfPlayResult all = halves[0];
    all += halves[1];
    const double expected = table.startValue();
    const double half = 1.96 * all.standardError();
    std::printf(
        "self-play %d games in %.1f s: mean %.3f (sd %.2f); expectation %.3f, 95%% CI of the mean "
        "[%.3f, %.3f]: %s\n",
        all.games, secondsSince(start), all.mean(), all.standardDeviation(), expected,
        expected - half, expected + half,
        std::abs(all.mean() - expected) <= half ? "inside" : "OUTSIDE");
}

}  // namespace

int main() {
    const auto korvexTable = timedSolve(korvex::CoachRules::korvex(), "korvex");
    const auto classicTable = timedSolve(korvex::CoachRules::classic(), "classic");
    timeQueries(*korvexTable);
    selfPlay(*korvexTable, 100000);
    return 0;
}
