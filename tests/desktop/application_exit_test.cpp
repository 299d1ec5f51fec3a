// SPDX-License-Identifier: GPL-3.0-or-later
// The deadline on the end of a run: a teardown that hangs is cut short with the run's status,
// and one that ends in time keeps its own.

#include "ui/qt/application_exit.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <thread>

namespace korvex {
namespace {

using namespace std::chrono_literals;

class ApplicationExit : public ::testing::Test {
  protected:
    // Each case runs in a fresh process of its own, as the deadline ends whole processes.
    void SetUp() override { GTEST_FLAG_SET(death_test_style, "threadsafe"); }
};

TEST_F(ApplicationExit, aHangingTeardownEndsWithTheRunsStatus) {
    EXPECT_EXIT(
        {
            endWithinDeadline(7, 100ms);
            std::this_thread::sleep_for(60s);  // a teardown that never finishes
        },
        ::testing::ExitedWithCode(7), "");
}

TEST_F(ApplicationExit, aTeardownThatEndsInTimeKeepsItsStatus) {
    EXPECT_EXIT(
        {
            endWithinDeadline(7, 10s);
            std::exit(3);
        },
        ::testing::ExitedWithCode(3), "");
}

}  // namespace
}  // namespace korvex
