// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The end of a run on Wayland. Debian 12's Qt (6.4) can deadlock between its two Wayland reader
// threads while the application object is destroyed: the window is gone but the process stays.
// By then the game has saved everything, so a run that has not ended a few seconds later ends
// itself with the status it was going to return.

#include <chrono>

namespace korvex {

// Call after the game's objects are gone, just before the application object is destroyed.
void guardApplicationTeardown(int status);

// Ends the process with `status` once `deadline` has passed, unless it has ended by then.
void endWithinDeadline(int status, std::chrono::milliseconds deadline);

}  // namespace korvex
