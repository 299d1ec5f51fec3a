// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/qt/focus_ring.h"

#include <QApplication>
#include <QEvent>
#include <QFocusFrame>
#include <QLabel>
#include <QPaintEvent>
#include <QPainter>
#include <QPointer>
#include <QStyle>
#include <QTabBar>
#include <cmath>

#include "ui/qt/element_widgets.h"
#include "ui/qt/pictures.h"

namespace korvex {
namespace {

double luminance(const QColor& colour) {
    const auto linear = [](double c) {
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
           0.0722 * linear(colour.blueF());
}

// A QFocusFrame, so that Qt leaves it out of what screen readers see of the window. It covers the
// whole window and paints only the band around the focused widget.
class FocusRing : public QFocusFrame {
  public:
    explicit FocusRing(QWidget* window) : QFocusFrame(window) {
        setObjectName(QStringLiteral("korvex_focus_ring"));
        setGeometry(window->rect());
        window->installEventFilter(this);
        show();
    }

    static FocusRing* of(QWidget* window, bool make) {
        auto* ring = window->findChild<FocusRing*>(QString(), Qt::FindDirectChildrenOnly);
        return ring || !make ? ring : new FocusRing(window);
    }

    void track(QWidget* focus) {
        if (m_focus != focus) {
            if (m_focus) m_focus->removeEventFilter(this);
            m_focus = focus;
            if (m_focus) m_focus->installEventFilter(this);
        }
        raise();
        refresh();
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == parent()) {
            if (event->type() == QEvent::Resize) setGeometry(parentWidget()->rect());
            // An element built later would lie above the ring.
            if (event->type() == QEvent::ChildAdded) raise();
        } else if (watched == m_focus) {
            switch (event->type()) {
                case QEvent::Move:
                case QEvent::Resize:
                case QEvent::Show:
                case QEvent::Hide:
                case QEvent::Paint:  // a tab bar moving to another tab repaints
                    refresh();
                    break;
                default:
                    break;
            }
        }
        return false;
    }

    void paintEvent(QPaintEvent* event) override {
        if (m_around.isNull() || !event->rect().intersects(m_bounds)) return;
        QPainter painter(this);
        paintFocusRing(painter, m_around, m_gap, m_colour);
    }

  private:
    // Where the ring goes now; repaints where it was and where it goes, if that moved.
    void refresh() {
        QRectF around;
        int gap = 1;
        QColor colour;
        if (m_focus && m_focus->hasFocus() && m_focus->isVisible()) {
            const QRect base = focusRingBase(m_focus, &gap);
            around = QRectF(QRect(m_focus->mapTo(parentWidget(), base.topLeft()), base.size()));
            const QWidget* under =
                m_focus->parentWidget() ? m_focus->parentWidget() : m_focus.data();
            colour = focusRingColour(under->palette().color(under->backgroundRole()));
        }
        if (around == m_around && gap == m_gap && colour == m_colour) return;
        update(m_bounds);
        m_around = around;
        m_gap = gap;
        m_colour = colour;
        m_bounds = around.isNull() ? QRect() : focusRingBounds(around, gap).toAlignedRect();
        update(m_bounds);
    }

    QPointer<QWidget> m_focus;
    QRectF m_around;
    int m_gap = 1;
    QColor m_colour;
    QRect m_bounds;
};

void focusMoved(QWidget* old, QWidget* now) {
    if (old && (!now || old->window() != now->window()))
        if (FocusRing* ring = FocusRing::of(old->window(), false)) ring->track(nullptr);
    if (now) FocusRing::of(now->window(), true)->track(now);
}

}  // namespace

double contrastRatio(const QColor& a, const QColor& b) {
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor focusRingColour(const QColor& background) {
    const QColor white(255, 255, 255), blue(0, 60, 160);
    return contrastRatio(white, background) >= contrastRatio(blue, background) ? white : blue;
}

QRect focusRingBase(const QWidget* widget, int* gap) {
    *gap = 1;
    if (const auto* die = dynamic_cast<const PictureWidget*>(widget)) {
        // The die's widget reaches past its face for the hold frame; the ring lies just outside
        // that frame, clear of the coach's mark under the die.
        *gap = 0;
        return die->faceRect().adjusted(-2, -2, 2, 2);
    }
    if (const auto* label = qobject_cast<const QLabel*>(widget)) {
        const QFontMetrics metrics = label->fontMetrics();
        const QSize text(metrics.horizontalAdvance(label->text()), metrics.height());
        return QStyle::alignedRect(label->layoutDirection(), label->alignment(), text,
                                   label->contentsRect());
    }
    if (const auto* tabs = qobject_cast<const QTabBar*>(widget); tabs && tabs->currentIndex() >= 0)
        return tabs->tabRect(tabs->currentIndex());
    return widget->rect();
}

void installFocusRings() {
    static bool installed = false;
    if (installed || !qApp) return;
    installed = true;
    QObject::connect(qApp, &QApplication::focusChanged, qApp, &focusMoved);
}

}  // namespace korvex
