// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/qt/qt_toolkit.h"

#include <QApplication>
#include <QFont>
#include <QMessageBox>
#include <QTimer>

#include "korvex_version.h"
#include "ui/qt/accessibility.h"
#include "ui/qt/focus_ring.h"
#include "ui/qt/pictures.h"
#include "ui/qt/toolkit_window.h"

namespace korvex {

QtToolkit::QtToolkit() {
    installAccessibility();
    installFocusRings();
}

QtToolkit::~QtToolkit() {
    // The forms may already be gone: silence every frame before any of them goes, so that no
    // activation moving between our windows calls into a form.
    for (const auto& entry : m_windows)
        if (WindowHooks* hooks = entry.second->view->hooks()) *hooks = WindowHooks{};
    // Top-level windows have no Qt parent to own them: the toolkit does.
    for (const auto& entry : m_windows) delete entry.second->top();
}

void QtToolkit::open(Form& form, Form* owner) {
    form.model().reset();
    Window* ownerWindow = windowFor(owner);
    auto view = std::make_unique<FormView>(form, ownerWindow ? ownerWindow->top() : nullptr,
                                           [this](const Form& f) { return isOpen(f); });
    Window* window = m_windows.emplace(&form, std::make_unique<Window>()).first->second.get();
    window->view = std::move(view);
    Form* f = &form;
    WindowHooks& hooks = *window->view->hooks();
    hooks.closeRequested = [this, f] {
        if (isOpen(*f)) close(*f);
    };
    hooks.activated = [this, f] {
        if (Window* w = windowFor(f)) activateOnce(*w);
    };
    hooks.deactivated = [this, f] {
        // Losing the focus to our own modal child or message box is no switch of window: the
        // form hears about its return once, from the modal call itself.
        Window* w = windowFor(f);
        if (w && w->modalChildren == 0 && m_messageBoxes == 0) w->deemedActive = false;
    };
    form.model().setObserver(
        [window](int index, FormModel::Change change) { window->view->mirror(index, change); });
    form.load();
}

void QtToolkit::activateOnce(Window& window) {
    if (window.modalChildren > 0 || window.deemedActive) return;
    window.deemedActive = true;
    window.form()->activate();
}

void QtToolkit::queueActivate(Form& form) {
    // Queued, so it runs inside the window's own event loop once it is on screen, also where no
    // window manager reports the activation.
    Form* f = &form;
    QTimer::singleShot(0, &m_lifetime, [this, f] {
        if (Window* w = windowFor(f)) activateOnce(*w);
    });
}

void QtToolkit::showWindow(Window& window) {
    // A window opens with the focus where its load step put it, else on the first element in
    // tab order that can take it and that the player can see.
    QWidget* top = window.top();
    if (!top->focusWidget()) {
        for (QWidget* widget : window.view->tabOrder()) {
            // A covered button (New Game under START) takes no focus.
            if (widget && !widget->isHidden() && widget->isEnabled() &&
                widget->focusPolicy() != Qt::NoFocus) {
                widget->setFocus(Qt::TabFocusReason);
                break;
            }
        }
    }
    const bool wasShown = top->isVisible();
    top->show();
    if (wasShown) top->raise();  // a window shown again comes to the front
    top->activateWindow();
}

void QtToolkit::showModal(Form& form, Form* owner) {
    if (!isOpen(form)) open(form, owner);
    if (Window* window = windowFor(&form)) {
        Window* ownerWindow = windowFor(owner);
        const QPointer<QWidget> ownerTop = ownerWindow ? ownerWindow->top() : nullptr;
        if (ownerWindow) ++ownerWindow->modalChildren;
        QEventLoop loop;
        window->modalLoop = &loop;
        if (window->top()->isVisible()) window->top()->hide();  // modality is set while hidden
        window->top()->setWindowModality(ownerWindow ? Qt::WindowModal : Qt::ApplicationModal);
        showWindow(*window);
        queueActivate(form);
        loop.exec(QEventLoop::DialogExec);
        if (Window* still = windowFor(&form)) {  // the loop ended without a close: close now
            still->modalLoop = nullptr;
            close(form);
        }
        ownerWindow = windowFor(owner);
        if (ownerWindow && ownerWindow->top() == ownerTop) --ownerWindow->modalChildren;
    }
    // As on a desktop, the owner becomes the active window again when its modal child closes.
    // It hears so exactly once: here, and not again from the window manager.
    if (Window* ownerWindow = windowFor(owner); ownerWindow && ownerWindow->modalChildren == 0) {
        ownerWindow->deemedActive = true;
        owner->activate();
    }
}

void QtToolkit::showModeless(Form& form) {
    if (!isOpen(form)) open(form, nullptr);
    Window* window = windowFor(&form);
    if (!window) return;  // its load step closed it again
    showWindow(*window);
    queueActivate(form);
}

void QtToolkit::close(Form& form) {
    const auto it = m_windows.find(&form);
    if (it == m_windows.end()) return;
    const std::unique_ptr<Window> window = std::move(it->second);
    m_windows.erase(it);
    form.unload();
    form.model().setObserver({});
    if (WindowHooks* hooks = window->view->hooks()) *hooks = WindowHooks{};
    if (window->modalLoop) window->modalLoop->quit();
    if (QWidget* top = window->top()) {
        top->close();  // a real close, so the program ends when its last window has gone
        top->deleteLater();
    }
}

bool QtToolkit::isOpen(const Form& form) const {
    return m_windows.count(&form) != 0;
}

QWidget* QtToolkit::windowOf(const Form& form) const {
    Window* window = windowFor(&form);
    return window ? window->top() : nullptr;
}

QWidget* QtToolkit::widgetOf(const Form& form, const QString& element) const {
    Window* window = windowFor(&form);
    if (!window || !form.model().has(element)) return nullptr;
    return window->view->widget(form.model().indexOf(element));
}

MessageResult QtToolkit::messageBox(Form* owner, const QString& text, const QString& title,
                                    MessageButtons buttons) {
    Window* ownerWindow = windowFor(owner);
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::NoButton,
                    ownerWindow ? ownerWindow->top() : nullptr);
    box.setWindowIcon(appIcon());
    box.setTextFormat(Qt::PlainText);
    const bool yesNo = buttons == MessageButtons::YesNo;
    if (yesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::No);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
        box.setDefaultButton(QMessageBox::Ok);
        box.setEscapeButton(QMessageBox::Ok);
    }
    ++m_messageBoxes;
    box.exec();
    --m_messageBoxes;
    // Closing the box counts as its escape answer: OK, or No.
    switch (box.standardButton(box.clickedButton())) {
        case QMessageBox::Yes:
            return MessageResult::Yes;
        case QMessageBox::No:
            return MessageResult::No;
        case QMessageBox::Ok:
            return MessageResult::Ok;
        default:
            return yesNo ? MessageResult::No : MessageResult::Ok;
    }
}

void QtToolkit::setPointer(Pointer pointer) {
    if (pointer == Pointer::Arrow) {
        QGuiApplication::setOverrideCursor(Qt::ArrowCursor);
        return;
    }
    while (QGuiApplication::overrideCursor()) QGuiApplication::restoreOverrideCursor();
}

AppIdentity QtToolkit::identity() const {
    return {QString::fromLatin1(version::kTitle), version::kMajor, version::kMinor,
            version::kRevision};
}

void QtToolkit::installFontSubstitutions() {
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Comic Sans MS"), QStringLiteral("Comic Neue"));
    // The windows' own default face serves everything else too (message boxes, a text box's
    // first layout), so the game loads one face where it would otherwise load two.
    QApplication::setFont(layoutFont(FontSpec{}));
}

}  // namespace korvex
