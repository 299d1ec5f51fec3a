// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Qt toolkit: opens, shows and closes forms, each through a view that builds its widgets from
// the layout table and keeps them in step with the form's model; runs modal loops and message
// boxes, and tells a form when it has become the active window.

#include <QHash>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <memory>
#include <unordered_map>

#include "ui/form.h"
#include "ui/toolkit.h"

namespace korvex {

class QtToolkit : public Toolkit {
  public:
    QtToolkit();
    ~QtToolkit() override;

    void showModal(Form& form, Form* owner) override;
    void showModeless(Form& form) override;
    void close(Form& form) override;
    bool isOpen(const Form& form) const override;
    MessageResult messageBox(Form* owner, const QString& text, const QString& title,
                             MessageButtons buttons) override;
    void setPointer(Pointer pointer) override;
    AppIdentity identity() const override;

    // The top-level widget of an open form (for grabs and widget tests), or nullptr.
    QWidget* windowOf(const Form& form) const;
    // The widget of one element of an open form, or nullptr (for a hidden field). An element
    // that has not been on screen yet gets its widget now, hidden.
    QWidget* widgetOf(const Form& form, const QString& element) const;

    // Maps the layout's font names onto faces that Debian's font packages provide, so the
    // windows look the same on every machine. Call once after the application exists.
    static void installFontSubstitutions();

  private:
    struct Window;
    void open(Form& form, Form* owner);
    void activateOnce(Window& window);
    void queueActivate(Form& form);
    void showWindow(Window& window);
    Window* windowFor(const Form* form) const {
        const auto it = m_windows.find(form);
        return it == m_windows.end() ? nullptr : it->second.get();
    }

    std::unordered_map<const Form*, std::unique_ptr<Window>> m_windows;
    // Context of queued calls into the toolkit: they die with it, not with a window that is
    // still waiting for its deferred deletion.
    QObject m_lifetime;
    int m_messageBoxes = 0;  // message boxes of ours on screen
};

}  // namespace korvex
