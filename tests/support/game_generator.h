// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The generator of made-up games lives with Practice, which plays the coach's noisy games for a
// player with none recorded; the tests, benchmarks and tools keep reaching it by this name.

#include "practice/game_generator.h"
