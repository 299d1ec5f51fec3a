// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Helpers for the Qt toolkit's tests: a form that records every event it hears, a small dialog
// layout with one element of each kind, and plain key and mouse input sent to a widget.

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStringList>
#include <QWidget>
#include <functional>
#include <ostream>

#include "support/qstring_printer.h"
#include "ui/form.h"

// Readable failure messages for lists of texts.
inline void PrintTo(const QStringList& list, std::ostream* out) {
    *out << '[' << list.join(QStringLiteral(", ")).toStdString() << ']';
}

namespace korvex::qttest {

// Records "load", "activate", "unload", "click:NAME", "key:NAME:CODE" and "change:NAME:TEXT".
class RecordingForm : public Form {
  public:
    RecordingForm(FormLayout layout, Toolkit& toolkit);
    void load() override;
    void activate() override;
    void unload() override;

    QStringList log;
    std::function<void()> onLoad, onActivate;
    int count(const QString& entry) const { return int(log.count(entry)); }
};

// A fixed dialog: txtName (editable, 3 characters), Label1 "Ones:" with its score box Score1
// (read-only), the die picture Die5_2, cmdOK (default) and, when asked, cmdCancel (cancel);
// plus a hidden field Hidden.
FormLayout testDialogLayout(const QString& name, bool withCancel);

void pressKey(QWidget* widget, int key, const QString& text = {});
void clickWidget(QWidget* widget);
// Lets queued calls, paints and deferred deletions run.
void settle();

}  // namespace korvex::qttest
