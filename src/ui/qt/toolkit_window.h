#pragma once
// What the Qt toolkit keeps for one open form: its frame, one widget per element, and the state
// that decides when the form hears that it has become the active window.

#include <QEventLoop>
#include <QPointer>
#include <vector>

#include "ui/qt/element_widgets.h"
#include "ui/qt/qt_toolkit.h"

namespace korvex {

struct QtToolkit::Window {
    Form* form = nullptr;
    QPointer<QWidget> top;
    WindowHooks* hooks = nullptr;  // the frame's callbacks, cleared before teardown
    // By element index; null for hidden fields and for elements that have not been shown yet.
    std::vector<QPointer<QWidget>> widgets;
    std::vector<QPointer<QWidget>> tabOrder;  // focusable elements, lowest tab place first
    QEventLoop* modalLoop = nullptr;          // set while the form is shown modally
    int modalChildren = 0;                    // modal windows of ours that it owns, now open
    // Whether the form has been told it is active since it last lost activation to something
    // other than its own modal child or message box; keeps activate() to one call per switch.
    bool deemedActive = false;
};

}  // namespace korvex
