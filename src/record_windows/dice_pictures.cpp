// SPDX-License-Identifier: GPL-3.0-or-later
#include "record_windows/dice_pictures.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QPainter>
#include <array>

namespace korvex {
namespace {

// The board's die: a 37-pixel face, with room around it for the hold frame (a pixel of board,
// then a pixel of frame) and a pixel more.
constexpr int kFacePixels = 37;
constexpr int kFrameMargin = 3;

// Pip centres as fractions of the face: two and three on the diagonal from bottom left to top
// right, six in two columns of three, as on the board.
std::vector<std::array<double, 2>> pipSpots(int pips) {
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

// A die as screen readers see it on the board: a toggle button, checked while held, whose press
// action holds or releases it as a click does.
class DieFace : public QAccessibleWidget {
  public:
    explicit DieFace(DieButton* die) : QAccessibleWidget(die, QAccessible::Button) {}
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.checkable = true;
        state.checked = die()->isChecked();
        return state;
    }
    QStringList actionNames() const override {
        return QStringList{pressAction(), toggleAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override {
        if ((action == pressAction() || action == toggleAction()) && die()->isEnabled())
            return die()->click();
        QAccessibleWidget::doAction(action);
    }
    QStringList keyBindingsForAction(const QString& action) const override {
        if (action == pressAction() || action == toggleAction()) return {QStringLiteral("Space")};
        return QAccessibleWidget::keyBindingsForAction(action);
    }

  private:
    DieButton* die() const { return static_cast<DieButton*>(widget()); }
};

QAccessibleInterface* dieFace(const QString&, QObject* object) {
    if (auto* die = dynamic_cast<DieButton*>(object)) return new DieFace(die);
    return nullptr;
}

}  // namespace

void paintDie(QPainter& painter, const QRect& face, int pips, bool held) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.fillRect(face, Qt::black);
    painter.fillRect(face.adjusted(1, 1, -1, -1), Qt::white);
    if (held) {
        const QRect frame = face.adjusted(-2, -2, 2, 2);
        painter.setPen(Qt::NoPen);
        painter.fillRect(QRect(frame.left(), frame.top(), frame.width(), 1), Qt::black);
        painter.fillRect(QRect(frame.left(), frame.bottom(), frame.width(), 1), Qt::black);
        painter.fillRect(QRect(frame.left(), frame.top(), 1, frame.height()), Qt::black);
        painter.fillRect(QRect(frame.right(), frame.top(), 1, frame.height()), Qt::black);
    }
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    const QRectF f(face);
    const double radius = f.width() * 0.19 / 2;
    for (const auto& spot : pipSpots(pips))
        painter.drawEllipse(QPointF(f.left() + spot[0] * f.width(), f.top() + spot[1] * f.height()),
                            radius, radius);
    painter.restore();
}

DieButton::DieButton(int position, QWidget* parent)
    : QAbstractButton(parent), m_position(position) {
    static const bool faces = (QAccessible::installFactory(&dieFace), true);
    Q_UNUSED(faces);
    setCheckable(true);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
    connect(this, &QAbstractButton::toggled, this, [this] {
        update();
        // Held or released: screen readers hear the new state, as on the board.
        QAccessible::State changed;
        changed.checked = true;
        QAccessibleStateChangeEvent event(this, changed);
        QAccessible::updateAccessibility(&event);
    });
    setFace(1);
}

void DieButton::setFace(int face) {
    m_face = face;
    // The board's own name for a die, so a screen reader says the same in both windows.
    setAccessibleName(QCoreApplication::translate("Form1", "Die %1: %2").arg(m_position).arg(face));
    update();
}

QSize DieButton::sizeHint() const {
    return {kFacePixels + 2 * kFrameMargin, kFacePixels + 2 * kFrameMargin};
}

void DieButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect face((width() - kFacePixels) / 2, (height() - kFacePixels) / 2, kFacePixels,
                     kFacePixels);
    paintDie(painter, face, m_face, isChecked());
}

}  // namespace korvex
