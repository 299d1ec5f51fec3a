// SPDX-License-Identifier: GPL-3.0-or-later
#include "record_windows/dice_pictures.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QPainter>
#include <array>

#include "ui/qt/pictures.h"

namespace korvex {
namespace {

// The board's die: a 37-pixel face, with room around it for the hold frame.
constexpr int kFacePixels = 37;
constexpr int kFrameMargin = kHoldFrameMargin;

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
    // The board's own pictures, so a practised position looks exactly like the board.
    paintDieFace(painter, face, pips);
    if (held) paintHoldFrame(painter, face);
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
