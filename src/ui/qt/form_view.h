// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The view of one open form: it builds the form's frame and widgets from the layout table, keeps
// them in step with the form's model, names them for screen readers, and turns widget events
// into the form's element events. The toolkit owns one per open form.

#include <QPointer>
#include <QSet>
#include <QWidget>
#include <functional>
#include <vector>

#include "ui/form.h"
#include "ui/qt/element_widgets.h"

namespace korvex {

class FormView {
  public:
    // Whether the form is still open: a key shortcut of a closing window must not reach it.
    using IsOpen = std::function<bool(const Form&)>;

    // Builds the frame (a dialog over `ownerTop`, if given) with what shows at the start, and
    // places it on the screen or over its owner.
    FormView(Form& form, QWidget* ownerTop, IsOpen isOpen);

    Form& form() const { return m_form; }
    QWidget* top() const { return m_top.data(); }
    // The frame's callbacks; null once the frame is gone.
    WindowHooks* hooks() const { return m_top ? m_hooks : nullptr; }
    // Focusable elements, lowest tab place first.
    const std::vector<QPointer<QWidget>>& tabOrder() const { return m_tabOrder; }

    // The widget of an element, built now (hidden) if it has not been on screen yet; null for a
    // hidden field.
    QWidget* widget(int index);
    // Mirrors one change of the model on screen.
    void mirror(int index, FormModel::Change change);

    // The accessible name of an element as a screen reader announces it ("Three of a Kind: 18",
    // "Ones: 2 if scored now", "Die 2: 5"); empty for elements that have none of their own.
    static QString accessibleNameOf(const Form& form, int element);

  private:
    QWidget* buildElement(int index, QWidget* parent);
    void wireElement(int index, QWidget* widget);
    void chainTabOrder();
    void addShortcuts(const IsOpen& isOpen);
    void place(QWidget* ownerTop);
    void nameForScreenReaders(int index, QWidget* widget);
    void showText(const ElementSpec& item, const QString& text, QWidget* widget);
    void shown(const ElementSpec& item, QWidget* widget);
    void renamed(int index, QWidget* widget);
    QString descriptionOf(const ElementSpec& item) const;
    void describe(const QString& mark);
    void uncover();

    Form& m_form;
    QPointer<QWidget> m_top;
    WindowHooks* m_hooks = nullptr;  // owned by the frame
    // By element index; null for hidden fields and for elements that have not been shown yet.
    std::vector<QPointer<QWidget>> m_widgets;
    std::vector<QPointer<QWidget>> m_tabOrder;
    // The labels that describe other elements (the coach's marks under the dice).
    QSet<QString> m_describing;
    int m_shift = 0;  // pixels every element lies right of where the layout puts it
};

}  // namespace korvex
