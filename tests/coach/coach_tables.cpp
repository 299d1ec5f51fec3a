// SPDX-License-Identifier: GPL-3.0-or-later
#include "coach_tables.h"

namespace korvex::test {

const CoachTable& korvexTable() {
    static const auto table = CoachTable::solve(CoachRules::korvex());
    return *table;
}

const CoachTable& classicTable() {
    static const auto table = CoachTable::solve(CoachRules::classic());
    return *table;
}

CoachState onlyOpen(std::initializer_list<int> open, int upperSum, bool korvexScored) {
    CoachState state{(1u << 13) - 1, upperSum, korvexScored};
    for (int c : open) state.used &= ~(1u << c);
    return state;
}

}  // namespace korvex::test
