#pragma once
// The Qt toolkit: one generic renderer that builds a window's widgets from its layout table,
// keeps them in step with the form's model, and turns widget events into handler calls.

#include <QHash>
#include <QPointer>
#include <QWidget>

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
    // The widget of one element of an open form, or nullptr.
    QWidget* widgetOf(const Form& form, const QString& element) const;

    // Maps the layout's font names onto faces that Debian's font packages provide, so the
    // windows look the same on every machine. Call once after the application exists.
    static void installFontSubstitutions();

private:
    struct Window;
    QHash<const Form*, Window*> m_windows;
};

}  // namespace korvex
