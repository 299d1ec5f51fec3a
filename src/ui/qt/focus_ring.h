// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The focus ring of every window of the program, the board's and the record's alike: a band two
// pixels wide around whatever has the keyboard focus, a pixel apart from it, in white or a deep
// blue, whichever stands out more from the window under it. Each window gets one ring, above all
// its elements, that lets the mouse through and that screen readers do not see.

#include <QColor>
#include <QRect>

class QWidget;

namespace korvex {

// Starts drawing the rings; the application must exist. Calling it again does nothing.
void installFocusRings();

// The colour of a ring over `background`.
QColor focusRingColour(const QColor& background);
// The contrast of two colours as the web's accessibility guidelines measure it, 1 to 21.
double contrastRatio(const QColor& a, const QColor& b);
// What the ring goes around, in the widget's coordinates, and how far apart from it: a label's
// text, a tab bar's current tab, a die's face with its hold frame, or else the whole widget.
QRect focusRingBase(const QWidget* widget, int* gap);

}  // namespace korvex
