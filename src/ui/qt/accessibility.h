// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What screen readers see of the program's windows. A main window is a frame and a dialog a
// dialog, whose children are only what the player can see: no die face that is not showing, no
// decorative rule, no button that another covers. A die is a toggle button, checked while held;
// a link is a link and a score box read-only text, each with the press action its click has; a
// status line is a status bar, whose every new text is announced.

class QWidget;

namespace korvex {

// Starts answering for the program's widgets; the application must exist. Calling it again does
// nothing.
void installAccessibility();

// The property by which a view keeps one of its widgets out of what screen readers see: a
// decorative rule, a mark that is part of another element's description, a covered button.
inline constexpr char kOutOfAccessibleTree[] = "korvexOutOfAccessibleTree";
// Tells screen readers that a shown or hidden element changed what its window holds.
void announceChildrenChanged(QWidget* widget);
// Tells screen readers that a toggle went on or off (a die held or released).
void announceChecked(QWidget* toggle);

}  // namespace korvex
