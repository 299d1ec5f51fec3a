// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one narrow interface through which every window's handlers reach the desktop: show a
// window modally or modelessly, close it, ask with a message box, set the application's mouse
// pointer, and read the program's title and version. The Qt toolkit and the in-memory toolkit of
// the tests both implement it.

#include <QString>

namespace korvex {

class Form;

enum class MessageButtons { Ok, YesNo };
enum class MessageResult { Ok, Yes, No };
enum class Pointer { Arrow, Default };

struct AppIdentity {
    QString title;
    int major = 0, minor = 0, revision = 0;
};

class Toolkit {
  public:
    virtual ~Toolkit() = default;

    // Loads the window if it is not open, shows it, and returns only after it has closed.
    virtual void showModal(Form& form, Form* owner) = 0;
    // Loads the window if it is not open (one instance) and shows it; returns at once.
    virtual void showModeless(Form& form) = 0;
    // Unloads the window: its unload handler runs, and it goes from the screen.
    virtual void close(Form& form) = 0;
    virtual bool isOpen(const Form& form) const = 0;
    // Modal, no icon; returns the button pressed (Ok for an Ok box, whatever closes it).
    virtual MessageResult messageBox(Form* owner, const QString& text, const QString& title,
                                     MessageButtons buttons) = 0;
    virtual void setPointer(Pointer pointer) = 0;
    virtual AppIdentity identity() const = 0;
};

}  // namespace korvex
