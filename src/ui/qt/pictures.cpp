#include "ui/qt/pictures.h"

#include <QPainterPath>
#include <QPixmap>
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

QIcon appIcon() {
    QIcon icon;
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        paintAppIcon(painter, QRectF(0, 0, size, size));
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

}  // namespace korvex
