// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Solved tables shared by the coach tests of one test program: each rule set is solved at most
// once per process, and only when a test asks for it.

#include "coach/coach_table.h"

namespace korvex::test {

const CoachTable& korvexTable();
const CoachTable& classicTable();

// A state in which only the categories in `open` (card order) are still to score.
CoachState onlyOpen(std::initializer_list<int> open, int upperSum, bool korvexScored = false);

}  // namespace korvex::test
