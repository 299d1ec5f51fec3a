// SPDX-License-Identifier: GPL-3.0-or-later
// korvex-optimal-averages [games] [seed]: plays games by the coach's best advice and prints what
// each category, the bonus and the extra points score on average, as the table that
// src/record/optimal_averages.cpp holds. Rerun it after any change to the rules or the coach.

#include <QCoreApplication>
#include <cstdio>
#include <cstdlib>

#include "core/rules.h"
#include "support/game_generator.h"

int main(int argc, char** argv) {
    const int games = argc > 1 ? std::atoi(argv[1]) : 100000;
    const unsigned long long seed = argc > 2 ? std::strtoull(argv[2], nullptr, 10) : 20261208;
    const auto table = korvex::CoachTable::solve(korvex::CoachRules::korvex(), 2);
    korvex::GameGenerator generator(seed, {table.get(), 0.0, 0.0, 0.0});
    std::array<double, korvex::kCategoryCount> sum{};
    double bonus = 0, extra = 0, total = 0;
    for (int g = 0; g < games; ++g) {
        const korvex::GameRecord game = generator.next();
        for (const korvex::TurnRecord& turn : game.turns)
            sum[std::size_t(*turn.category)] += turn.points;
        bonus += game.bonus;
        extra += game.extra;
        total += game.total;
    }
    std::printf("// %d games, seed %llu; expected total of the table %.4f\n", games, seed,
                table->startValue());
    for (const korvex::Category& c : korvex::categories())
        std::printf("    %.4f,  // %s\n", sum[std::size_t(c.index())] / games, c.title);
    std::printf("bonus %.4f extra %.4f total %.4f\n", bonus / games, extra / games, total / games);
    return 0;
}
