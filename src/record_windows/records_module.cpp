// SPDX-License-Identifier: GPL-3.0-or-later
// The entry point of the module that holds the Statistics, Review and Practice windows. The windows
// draw their charts with Qt Charts, whose libraries would cost the board a tenth of its start-up
// time if the game linked them; so they live in a module that the game loads on first use.

#include "record_windows/records_module.h"

#include "record_windows/record_windows.h"

extern "C" Q_DECL_EXPORT korvex::RecordViews* korvexCreateRecordViews(korvex::GameHistory& history,
                                                                      korvex::TableSource table) {
    return new korvex::RecordWindows(history, std::move(table));
}
