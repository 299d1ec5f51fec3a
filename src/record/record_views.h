// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The windows that show recorded games, as the board asks for them. The Qt layer provides them;
// the board only knows this much.

namespace korvex {

struct GameRecord;

class RecordViews {
  public:
    virtual ~RecordViews() = default;
    virtual void showStatistics() = 0;
    virtual void showReview(const GameRecord& record) = 0;
};

}  // namespace korvex
