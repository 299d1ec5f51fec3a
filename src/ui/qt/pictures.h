// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The game's drawn pictures, painted at whatever resolution the painter's device has, so they
// stay crisp on HiDPI screens. Rectangles are in logical pixels.

#include <QIcon>
#include <QPainter>
#include <QRectF>

namespace korvex {

// A die face: white square, thin black outline, `pips` black pips in the usual layout.
void paintDieFace(QPainter& painter, const QRectF& rect, int pips);
// The frame of a held die: a solid dark line around the face, one pixel of board apart from the
// face's own outline. It lies outside `face`, within kHoldFrameMargin pixels of it.
void paintHoldFrame(QPainter& painter, const QRectF& face);
inline constexpr int kHoldFrameMargin = 3;
// The focus ring: a band two pixels wide (whole device pixels at any scale, never thinner than
// two of them) around `around`, `gap` pixels apart from it.
void paintFocusRing(QPainter& painter, const QRectF& around, int gap, const QColor& colour);
// Where that band lies, outer edge, for repainting: `around` grown by the gap and the band.
QRectF focusRingBounds(const QRectF& around, int gap);
// A roll-indicator face: a teal die with `pips` dark pips.
void paintRollFace(QPainter& painter, const QRectF& rect, int pips);
// The program's icon: a die.
void paintAppIcon(QPainter& painter, const QRectF& rect);
// The sizes the icon offers a window manager, in pixels.
inline constexpr int kAppIconSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};
// The icon at any size, each painted for itself when first asked for and then kept.
QIcon appIcon();

}  // namespace korvex
