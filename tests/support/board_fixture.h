// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A board driven through its real handlers on the in-memory toolkit, with dice chosen by the
// test: a whole game in a few lines.

#include <gtest/gtest.h>

#include <array>

#include "app/running_game.h"
#include "board/form1_layout.h"
#include "support/memory_store.h"
#include "support/qstring_printer.h"
#include "support/scripted_random.h"
#include "ui/memory_toolkit.h"

namespace korvex::test {

class BoardTest : public ::testing::Test {
  protected:
    BoardTest();

    QString text(const QString& name) const { return board.model().text(name); }
    bool visible(const QString& name) const { return board.model().visible(name); }
    bool enabled(const QString& name) const { return board.model().enabled(name); }
    void click(const QString& name) { board.click(name); }
    void key(char16_t code) { board.keyPress(QStringLiteral("CB_Roll"), code); }

    // Presses START with the first roll's dice chosen.
    void start(const std::vector<int>& faces);
    // Clicks Roll with the dice of the positions that are not held chosen, in position order.
    void roll(const std::vector<int>& faces);
    // Clicks a category and Save; `next` are the dice of the next turn's first roll.
    void score(CategoryId id, const std::vector<int>& next = {1, 2, 3, 4, 6});
    void hold(int position);
    std::array<QString, 5> dice() const;
    QString box(CategoryId id) const;

    MemoryToolkit toolkit;
    ScriptedRandom random;
    MemoryStore store;
    RunningGame game{toolkit, random, store};
    ModHiScores& hiScores = game.hiScores();
    Form1& board = game.board();
};

}  // namespace korvex::test
