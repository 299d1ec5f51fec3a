// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt_test_support.h"

#include <QCoreApplication>

namespace korvex::qttest {

RecordingForm::RecordingForm(FormLayout layout, Toolkit& toolkit)
    : Form(std::move(layout), toolkit) {
    for (const ElementSpec& item : this->layout().elements) {
        if (item.kind == ElementKind::Field || item.kind == ElementKind::Line) continue;
        const QString name = item.name;
        onClick(name, [this, name] { log << QStringLiteral("click:") + name; });
        onKeyPress(name, [this, name](char16_t code) {
            log << QStringLiteral("key:%1:%2").arg(name).arg(int(code));
        });
        onChange(name, [this, name] {
            log << QStringLiteral("change:%1:%2").arg(name, model().text(name));
        });
    }
}

void RecordingForm::load() {
    log << QStringLiteral("load");
    if (onLoad) onLoad();
}

void RecordingForm::activate() {
    log << QStringLiteral("activate");
    if (onActivate) onActivate();
}

void RecordingForm::unload() {
    log << QStringLiteral("unload");
}

FormLayout testDialogLayout(const QString& name, bool withCancel) {
    FormLayout layout;
    layout.name = name;
    layout.caption = name;
    layout.clientWidth = 3600;
    layout.clientHeight = 2400;
    auto add = [&](const char* element, ElementKind kind, int l, int t, int w, int h, int tab) {
        ElementSpec e;
        e.name = QString::fromLatin1(element);
        e.kind = kind;
        e.left = l, e.top = t, e.width = w, e.height = h;
        e.tab = tab;
        layout.elements.push_back(e);
        return &layout.elements.back();
    };
    ElementSpec* txt = add("txtName", ElementKind::TextBox, 120, 120, 1200, 285, 0);
    txt->maxLength = 3;
    txt->caption = QStringLiteral("???");
    add("Label1", ElementKind::Label, 120, 600, 615, 255, -1)->caption = QStringLiteral("Ones:");
    ElementSpec* score = add("Score1", ElementKind::TextBox, 840, 600, 495, 285, 1);
    score->labelledBy = QStringLiteral("Label1");
    score->readOnly = true;
    score->align = Align::Center;
    ElementSpec* die = add("Die5_2", ElementKind::Picture, 1800, 120, 555, 555, 2);
    die->picture = PictureKind::DieFace;
    die->pips = 5;
    ElementSpec* ok = add("cmdOK", ElementKind::Button, 120, 1800, 855, 375, 3);
    ok->caption = QStringLiteral("&OK");
    ok->role = ButtonRole::Default;
    if (withCancel) {
        ElementSpec* cancel = add("cmdCancel", ElementKind::Button, 1200, 1800, 855, 375, 4);
        cancel->caption = QStringLiteral("Cancel");
        cancel->role = ButtonRole::Cancel;
    }
    ElementSpec* hidden = add("Hidden", ElementKind::Field, 0, 0, 495, 285, -1);
    hidden->visible = false;
    return layout;
}

void pressKey(QWidget* widget, int key, const QString& text) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(widget, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(widget, &release);
}

void clickWidget(QWidget* widget) {
    const QPointF local(widget->width() / 2.0, widget->height() / 2.0);
    const QPointF global = widget->mapToGlobal(local);
    QMouseEvent press(QEvent::MouseButtonPress, local, global, Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, local, global, Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(widget, &release);
}

void settle() {
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

}  // namespace korvex::qttest
