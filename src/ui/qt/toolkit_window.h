// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the Qt toolkit keeps for one open form: its view, and the state that decides when the
// form hears that it has become the active window.

#include <QEventLoop>
#include <memory>

#include "ui/qt/form_view.h"
#include "ui/qt/qt_toolkit.h"

namespace korvex {

struct QtToolkit::Window {
    std::unique_ptr<FormView> view;
    Form* form() const { return &view->form(); }
    QWidget* top() const { return view->top(); }
    QEventLoop* modalLoop = nullptr;  // set while the form is shown modally
    int modalChildren = 0;            // modal windows of ours that it owns, now open
    // Whether the form has been told it is active since it last lost activation to something
    // other than its own modal child or message box; keeps activate() to one call per switch.
    bool deemedActive = false;
};

}  // namespace korvex
