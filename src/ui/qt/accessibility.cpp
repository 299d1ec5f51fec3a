// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/qt/accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QDialog>
#include <QFocusFrame>
#include <QMenu>

#include "ui/qt/element_widgets.h"

namespace korvex {
namespace {

// A frame or a dialog, whose children are the elements on view.
class WindowFace : public QAccessibleWidget {
  public:
    WindowFace(QWidget* window, QAccessible::Role role) : QAccessibleWidget(window, role) {}

    int childCount() const override { return int(shown().size()); }
    QAccessibleInterface* child(int index) const override {
        const QList<QWidget*> children = shown();
        if (index < 0 || index >= children.size()) return nullptr;
        return QAccessible::queryAccessibleInterface(children[index]);
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        if (!child || !child->object() || !child->object()->isWidgetType()) return -1;
        return int(shown().indexOf(static_cast<QWidget*>(child->object())));
    }

  private:
    QList<QWidget*> shown() const {
        QList<QWidget*> out;
        for (QObject* object : widget()->children()) {
            auto* child = qobject_cast<QWidget*>(object);
            if (!child || child->isWindow() || child->isHidden()) continue;
            if (qobject_cast<QFocusFrame*>(child) || qobject_cast<QMenu*>(child)) continue;
            if (child->property(kOutOfAccessibleTree).toBool()) continue;
            out << child;
        }
        return out;
    }
};

// An element whose click the player can also make through a screen reader.
class PressableFace : public QAccessibleWidget {
  public:
    PressableFace(QWidget* widget, QAccessible::Role role, const ElementHooks& hooks)
        : QAccessibleWidget(widget, role), m_hooks(hooks) {}

    QStringList actionNames() const override {
        QStringList names;
        if (m_hooks.click) names << pressAction();
        return names + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override {
        if (action == pressAction() && m_hooks.click && widget()->isEnabled())
            return m_hooks.clicked();
        QAccessibleWidget::doAction(action);
    }
    QStringList keyBindingsForAction(const QString& action) const override {
        if (action == pressAction()) return {QStringLiteral("Space")};
        return QAccessibleWidget::keyBindingsForAction(action);
    }

  private:
    const ElementHooks& m_hooks;
};

// A held die is a checked toggle button.
class ToggleFace : public PressableFace {
  public:
    explicit ToggleFace(PictureWidget* picture)
        : PressableFace(picture, QAccessible::Button, picture->hooks), m_picture(picture) {}
    QAccessible::State state() const override {
        QAccessible::State state = PressableFace::state();
        state.checkable = true;
        state.checked = m_picture->border() != 0;
        return state;
    }

  private:
    PictureWidget* m_picture;
};

// A score box shows a number the player cannot type over.
class ReadOnlyTextFace : public PressableFace {
  public:
    explicit ReadOnlyTextFace(ElementTextBox* box)
        : PressableFace(box, QAccessible::EditableText, box->hooks) {}
    QAccessible::State state() const override {
        QAccessible::State state = PressableFace::state();
        state.readOnly = true;
        state.editable = false;
        return state;
    }
};

QAccessibleInterface* elementFace(QObject* object) {
    if (auto* picture = dynamic_cast<PictureWidget*>(object)) {
        if (picture->isToggle()) return new ToggleFace(picture);
        return new QAccessibleWidget(picture, QAccessible::Graphic);
    }
    if (auto* box = dynamic_cast<ElementTextBox*>(object); box && box->isReadOnly())
        return new ReadOnlyTextFace(box);
    if (auto* label = dynamic_cast<ElementLabel*>(object)) {
        if (label->isLive()) return new QAccessibleWidget(label, QAccessible::StatusBar);
        if (label->isLink()) return new PressableFace(label, QAccessible::Link, label->hooks);
    }
    return nullptr;
}

QAccessibleInterface* windowFace(QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget || !widget->isWindow()) return nullptr;
    if (dynamic_cast<FormDialog*>(widget)) return new WindowFace(widget, QAccessible::Dialog);
    // The board and the record's windows are plain widgets that Qt would call a filler.
    if (qstrcmp(widget->metaObject()->className(), "QWidget") == 0)
        return new WindowFace(widget, QAccessible::Window);
    return nullptr;
}

QAccessibleInterface* factory(const QString&, QObject* object) {
    if (QAccessibleInterface* face = elementFace(object)) return face;
    return windowFace(object);
}

}  // namespace

void installAccessibility() {
    static bool installed = false;
    if (installed) return;
    installed = true;
    QAccessible::installFactory(&factory);
}

void announceChildrenChanged(QWidget* widget) {
    if (!QAccessible::isActive()) return;
    QAccessibleEvent event(
        widget, widget->isHidden() ? QAccessible::ObjectDestroyed : QAccessible::ObjectCreated);
    QAccessible::updateAccessibility(&event);
}

void announceChecked(QWidget* toggle) {
    QAccessible::State changed;
    changed.checked = true;
    QAccessibleStateChangeEvent event(toggle, changed);
    QAccessible::updateAccessibility(&event);
}

}  // namespace korvex
