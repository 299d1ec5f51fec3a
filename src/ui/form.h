// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A window as data plus handlers: the stored layout, the model that holds its state, and the
// handler tables that turn element events into calls of named handlers. Subclasses fill the
// tables and the load, activate and unload steps; a toolkit delivers the events.

#include <functional>
#include <memory>

#include "ui/form_model.h"
#include "ui/layout.h"
#include "ui/toolkit.h"

namespace korvex {

// The keys that move the focus within a window rather than type or press anything.
enum class NavigationKey { Left, Right, Up, Down, Home, End };

class Form {
  public:
    Form(FormLayout layout, Toolkit& toolkit);
    virtual ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    const QString& name() const { return m_layout.name; }
    const FormLayout& layout() const { return m_layout; }
    FormModel& model() { return *m_model; }
    const FormModel& model() const { return *m_model; }
    Toolkit& toolkit() const { return m_toolkit; }

    // Window events, delivered by the toolkit one at a time.
    virtual void load() {}
    virtual void activate() {}
    virtual void unload() {}

    // Element events. An element without a handler for the event ignores it.
    void click(const QString& element);
    void keyPress(const QString& element, char16_t code);
    // The user edited a text field: the toolkit has already written the new text into the model.
    void textChanged(const QString& element);
    // A navigation key on an element; false when the element has no handler for it, so the
    // toolkit leaves the key to the element itself (a text field moves its cursor).
    bool navigate(const QString& element, NavigationKey key);
    // A key of the window's own (the layout's shortcuts), by the command it names.
    void command(const QString& name);
    // Whether a click on the element does anything: what a screen reader may offer to press.
    bool handlesClick(const QString& element) const { return m_click.contains(element); }

  protected:
    using Handler = std::function<void()>;
    using KeyHandler = std::function<void(char16_t)>;
    using NavigationHandler = std::function<void(NavigationKey)>;
    void onClick(const QString& element, Handler handler);
    void onKeyPress(const QString& element, KeyHandler handler);
    void onChange(const QString& element, Handler handler);
    void onNavigate(const QString& element, NavigationHandler handler);
    void onCommand(const QString& name, Handler handler);

    // Short forms for handlers, which work on their own model by element name.
    QString text(const QString& element) const { return m_model->text(element); }
    void setText(const QString& element, const QString& value) { m_model->setText(element, value); }
    void setVisible(const QString& element, bool on) { m_model->setVisible(element, on); }
    void setEnabled(const QString& element, bool on) { m_model->setEnabled(element, on); }
    void setBorder(const QString& element, int border) { m_model->setBorder(element, border); }
    void setFocus(const QString& element) { m_model->setFocus(element); }
    bool visible(const QString& element) const { return m_model->visible(element); }

  private:
    FormLayout m_layout;
    std::unique_ptr<FormModel> m_model;
    Toolkit& m_toolkit;
    QHash<QString, Handler> m_click;
    QHash<QString, KeyHandler> m_key;
    QHash<QString, Handler> m_change;
    QHash<QString, NavigationHandler> m_navigate;
    QHash<QString, Handler> m_command;
};

}  // namespace korvex
