// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/qt/pictures.h"

#include <QApplication>
#include <QHash>
#include <QIconEngine>
#include <QPainterPath>
#include <QPixmap>
#include <QStyle>
#include <QStyleOption>
#include <algorithm>
#include <array>
#include <cmath>

namespace korvex {

namespace {

// Pip centres of a face as fractions of the face's size: the usual layout, with two and three
// running on the diagonal from bottom left to top right, and six in two columns of three.
using PipSpot = std::array<double, 2>;
std::vector<PipSpot> pipSpots(int pips) {
    constexpr double lo = 0.25, mid = 0.5, hi = 0.75;
    switch (pips) {
        case 1:
            return {{mid, mid}};
        case 2:
            return {{lo, hi}, {hi, lo}};
        case 3:
            return {{lo, hi}, {mid, mid}, {hi, lo}};
        case 4:
            return {{lo, lo}, {hi, lo}, {lo, hi}, {hi, hi}};
        case 5:
            return {{lo, lo}, {hi, lo}, {mid, mid}, {lo, hi}, {hi, hi}};
        case 6:
            return {{lo, lo}, {lo, mid}, {lo, hi}, {hi, lo}, {hi, mid}, {hi, hi}};
        default:
            return {};
    }
}

// How many device pixels one logical pixel covers on this painter (2 on a doubled screen).
double deviceScale(const QPainter& painter) {
    const QTransform t = painter.deviceTransform();
    return std::max(1e-6, std::sqrt(t.m11() * t.m11() + t.m12() * t.m12()));
}

// The rectangle moved to whole device pixels, so its edges fall between pixels at any scale and
// a straight outline never gets grey half-tone steps.
QRectF snapped(const QPainter& painter, const QRectF& rect) {
    const QTransform t = painter.deviceTransform();
    if (!t.isInvertible() || t.isRotating()) return rect;
    const QRectF d = t.mapRect(rect);
    const QRectF whole(QPointF(std::round(d.left()), std::round(d.top())),
                       QPointF(std::round(d.right()), std::round(d.bottom())));
    return t.inverted().mapRect(whole);
}

// A square face with a crisp outline about one logical pixel wide (whole device pixels).
void paintFace(QPainter& painter, const QRectF& rect, const QColor& fill, const QColor& pipColour,
               int pips, double pipFraction) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    const QRectF outer = snapped(painter, rect);
    const double scale = deviceScale(painter);
    const double outline = std::max(1.0, std::round(scale)) / scale;
    painter.fillRect(outer, Qt::black);
    painter.fillRect(outer.adjusted(outline, outline, -outline, -outline), fill);

    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(Qt::NoPen);
    painter.setBrush(pipColour);
    const double size = std::min(outer.width(), outer.height());
    const double diameter = size * pipFraction;
    for (const PipSpot& spot : pipSpots(pips)) {
        const QPointF centre(outer.left() + spot[0] * outer.width(),
                             outer.top() + spot[1] * outer.height());
        painter.drawEllipse(centre, diameter / 2, diameter / 2);
    }
    painter.restore();
}

}  // namespace

void paintDieFace(QPainter& painter, const QRectF& rect, int pips) {
    paintFace(painter, rect, Qt::white, Qt::black, pips, 0.19);
}

void paintHoldFrame(QPainter& painter, const QRectF& face) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    // Laid out from the face as it is painted, in whole device pixels: one unit of board, then
    // one unit of frame, so the gap and the line stay sharp and even on all four sides.
    const QRectF outer = snapped(painter, face);
    const double scale = deviceScale(painter);
    const double unit = std::max(1.0, std::round(scale)) / scale;
    const QRectF frame = outer.adjusted(-2 * unit, -2 * unit, 2 * unit, 2 * unit);
    const QColor dark(0, 0, 0);
    painter.fillRect(QRectF(frame.left(), frame.top(), frame.width(), unit), dark);
    painter.fillRect(QRectF(frame.left(), frame.bottom() - unit, frame.width(), unit), dark);
    painter.fillRect(QRectF(frame.left(), frame.top(), unit, frame.height()), dark);
    painter.fillRect(QRectF(frame.right() - unit, frame.top(), unit, frame.height()), dark);
    painter.restore();
}

namespace {

// Four bands of `thickness` along the inside of `outer`.
void fillBand(QPainter& painter, const QRectF& outer, double thickness, const QColor& colour) {
    painter.fillRect(QRectF(outer.left(), outer.top(), outer.width(), thickness), colour);
    painter.fillRect(QRectF(outer.left(), outer.bottom() - thickness, outer.width(), thickness),
                     colour);
    painter.fillRect(QRectF(outer.left(), outer.top(), thickness, outer.height()), colour);
    painter.fillRect(QRectF(outer.right() - thickness, outer.top(), thickness, outer.height()),
                     colour);
}

}  // namespace

void paintFocusRing(QPainter& painter, const QRectF& around, int gap, const QColor& colour) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    const QRectF base = snapped(painter, around);
    const double scale = deviceScale(painter);
    // The gap in whole device pixels per logical one, the band two logical pixels rounded to
    // whole device pixels: 2, 3 and 4 of them at 1x, 1.5x and 2x.
    const double unit = std::max(1.0, std::round(scale)) / scale;
    const double band = std::max(2.0, std::round(2 * scale)) / scale;
    const double out = gap * unit + band;
    fillBand(painter, base.adjusted(-out, -out, out, out), band, colour);
    painter.restore();
}

QRectF focusRingBounds(const QRectF& around, int gap) {
    // Generous by a pixel, for the rounding to whole device pixels.
    const double out = 2.0 * gap + 4 + 1;
    return around.adjusted(-out, -out, out, out);
}

void paintRollFace(QPainter& painter, const QRectF& rect, int pips) {
    paintFace(painter, rect, QColor(0, 128, 128), QColor(0, 24, 24), pips, 0.22);
}

void paintAppIcon(QPainter& painter, const QRectF& rect) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    const double size = std::min(rect.width(), rect.height());
    const QRectF square(rect.center().x() - size / 2, rect.center().y() - size / 2, size, size);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 128, 128));
    painter.drawRoundedRect(square, size / 6, size / 6);

    const double face = size * 0.68;
    const double outline = std::max(1.0, size / 32);
    QRectF die(0, 0, face, face);
    die.moveCenter(square.center());
    painter.setPen(QPen(Qt::black, outline));
    painter.setBrush(Qt::white);
    const double half = outline / 2;
    painter.drawRoundedRect(die.adjusted(half, half, -half, -half), size / 12, size / 12);

    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    const double radius = size / 18;  // diameter size/9
    const double offset = size * 0.18;
    const QPointF c = square.center();
    for (const QPointF& d :
         {QPointF(-1, -1), QPointF(1, -1), QPointF(0, 0), QPointF(-1, 1), QPointF(1, 1)})
        painter.drawEllipse(c + d * offset, radius, radius);
    painter.restore();
}

namespace {

// The program's icon, painted at the size a window manager, a task bar or a dialog asks for
// when it first asks, then kept. Nothing is painted while the game starts up, and every size is
// drawn for itself rather than scaled from a neighbour.
class AppIconEngine : public QIconEngine {
  public:
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
        QPixmap image = pixmap(rect.size() * ratio, mode, state);
        image.setDevicePixelRatio(ratio);
        painter->drawPixmap(rect, image);
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        const int side = std::min(size.width(), size.height());
        if (side <= 0) return {};
        const quint64 key = (quint64(side) << 8) | (quint64(mode) << 1) | quint64(state);
        if (const auto it = m_cache.constFind(key); it != m_cache.constEnd()) return *it;
        QPixmap image(side, side);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        paintAppIcon(painter, QRectF(0, 0, side, side));
        painter.end();
        // A disabled or selected icon looks as the desktop's style shows such icons.
        if (mode != QIcon::Normal && mode != QIcon::Active) {
            if (auto* app = qobject_cast<QApplication*>(QCoreApplication::instance())) {
                QStyleOption option;
                option.palette = QApplication::palette();
                image = app->style()->generatedIconPixmap(mode, image, &option);
            }
        }
        m_cache.insert(key, image);
        return image;
    }

    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override {
        const int side = std::min(size.width(), size.height());
        return QSize(side, side);
    }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
        QList<QSize> sizes;
        for (int side : kAppIconSizes) sizes.append(QSize(side, side));
        return sizes;
    }

    QIconEngine* clone() const override { return new AppIconEngine(*this); }
    QString key() const override { return QStringLiteral("korvex-app-icon"); }
    bool isNull() override { return false; }

  private:
    QHash<quint64, QPixmap> m_cache;
};

}  // namespace

QIcon appIcon() {
    // One engine for the whole program, so each size is painted once whichever window asks.
    static const QIcon icon(new AppIconEngine);
    return icon;
}

}  // namespace korvex
