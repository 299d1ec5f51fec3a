// SPDX-License-Identifier: GPL-3.0-or-later
// Opening, activating and closing windows: the order the handlers rely on, one instance of a
// modeless window, modal calls that return only after the window has closed, and an owner that
// hears exactly once that it is active again after its modal child has closed.

#include <gtest/gtest.h>

#include <QDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include "qt_test_support.h"
#include "ui/qt/qt_toolkit.h"

namespace korvex {
namespace {

using qttest::RecordingForm;
using qttest::settle;

void sendActivate(QWidget* window) {
    QEvent event(QEvent::WindowActivate);
    QApplication::sendEvent(window, &event);
}

// A modal call must never hang a test run: close the form after a while if nothing did.
void watchdog(QtToolkit& toolkit, Form& form) {
    QTimer::singleShot(5000, [&toolkit, &form] {
        if (toolkit.isOpen(form)) toolkit.close(form);
    });
}

TEST(QtToolkitLifecycle, modelessOpenResetsBuildsLoadsShowsThenActivatesOnce) {
    QtToolkit toolkit;
    RecordingForm form(qttest::testDialogLayout("Probe", false), toolkit);
    form.model().setText("txtName", "old");
    bool widgetsDuringLoad = false;
    QString textDuringLoad;
    form.onLoad = [&] {
        widgetsDuringLoad = toolkit.widgetOf(form, "txtName") != nullptr;
        textDuringLoad = form.model().text("txtName");
        EXPECT_FALSE(toolkit.windowOf(form)->isVisible());
    };
    toolkit.showModeless(form);
    EXPECT_TRUE(toolkit.windowOf(form)->isVisible());
    settle();
    EXPECT_TRUE(widgetsDuringLoad);
    EXPECT_EQ(textDuringLoad, "???");
    EXPECT_EQ(form.log, QStringList({"load", "activate"}));
    // The window manager's own report of the activation does not repeat it.
    sendActivate(toolkit.windowOf(form));
    EXPECT_EQ(form.count("activate"), 1);
    toolkit.close(form);
}

TEST(QtToolkitLifecycle, showingAModelessWindowAgainKeepsOneInstance) {
    QtToolkit toolkit;
    RecordingForm form(qttest::testDialogLayout("Probe", false), toolkit);
    toolkit.showModeless(form);
    QWidget* first = toolkit.windowOf(form);
    form.model().setText("txtName", "ab");
    toolkit.showModeless(form);
    settle();
    EXPECT_EQ(toolkit.windowOf(form), first);
    EXPECT_EQ(form.count("load"), 1);
    EXPECT_EQ(form.model().text("txtName"), "ab");  // not reset: the same window
    toolkit.close(form);
}

TEST(QtToolkitLifecycle, closeUnloadsAndDestroysWidgets) {
    QtToolkit toolkit;
    RecordingForm form(qttest::testDialogLayout("Probe", false), toolkit);
    toolkit.showModeless(form);
    QPointer<QWidget> window = toolkit.windowOf(form);
    toolkit.close(form);
    EXPECT_FALSE(toolkit.isOpen(form));
    EXPECT_EQ(form.log.last(), "unload");
    EXPECT_EQ(toolkit.windowOf(form), nullptr);
    settle();
    EXPECT_TRUE(window.isNull());
    // A model change after the close reaches no widget and does not crash.
    form.model().setText("txtName", "x");
    toolkit.close(form);  // closing twice unloads once
    EXPECT_EQ(form.count("unload"), 1);
}

TEST(QtToolkitLifecycle, closeBoxGoesThroughTheSameCloseAndReopenStartsFresh) {
    QtToolkit toolkit;
    RecordingForm form(qttest::testDialogLayout("Probe", false), toolkit);
    toolkit.showModeless(form);
    form.model().setText("txtName", "zz");
    toolkit.windowOf(form)->close();
    EXPECT_FALSE(toolkit.isOpen(form));
    EXPECT_EQ(form.count("unload"), 1);
    settle();
    toolkit.showModeless(form);
    EXPECT_EQ(form.model().text("txtName"), "???");
    auto* box = qobject_cast<QLineEdit*>(toolkit.widgetOf(form, "txtName"));
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->text(), "???");
    toolkit.close(form);
}

TEST(QtToolkitLifecycle, modalReturnsAfterCloseAndOwnerHearsActivationOnce) {
    QtToolkit toolkit;
    RecordingForm owner(qttest::testDialogLayout("Owner", false), toolkit);
    RecordingForm child(qttest::testDialogLayout("Child", false), toolkit);
    toolkit.showModeless(owner);
    settle();
    owner.log.clear();
    child.onActivate = [&] {
        QTimer::singleShot(0, [&] {
            EXPECT_TRUE(toolkit.windowOf(child)->isModal());
            EXPECT_EQ(toolkit.windowOf(child)->parentWidget(), toolkit.windowOf(owner));
            // A window manager may report the owner active while its modal child is open.
            sendActivate(toolkit.windowOf(owner));
            toolkit.windowOf(child)->close();  // the close box
        });
    };
    watchdog(toolkit, child);
    toolkit.showModal(child, &owner);
    EXPECT_FALSE(toolkit.isOpen(child));
    EXPECT_EQ(child.log, QStringList({"load", "activate", "unload"}));
    EXPECT_EQ(owner.log, QStringList({"activate"}));
    // ... and again once the child has gone: still only one activation.
    sendActivate(toolkit.windowOf(owner));
    settle();
    EXPECT_EQ(owner.count("activate"), 1);
    toolkit.close(owner);
}

// The score list asks for initials from its activate step. When the initials dialog closes, the
// list hears once that it is active again (while its ask is still on the stack, as with the
// in-memory toolkit), and no activation reaches it while the dialog is open.
TEST(QtToolkitLifecycle, nestedModalAskedFromActivateIsAskedOnce) {
    QtToolkit toolkit;
    RecordingForm board(qttest::testDialogLayout("Board", false), toolkit);
    RecordingForm list(qttest::testDialogLayout("List", false), toolkit);
    RecordingForm initials(qttest::testDialogLayout("Initials", false), toolkit);
    toolkit.showModeless(board);
    settle();
    bool pending = true, asking = false;
    int asked = 0;
    list.onActivate = [&] {
        if (asking) return;  // the list's own guard: it is re-activated inside the ask
        if (pending) {
            asking = true;
            ++asked;
            toolkit.showModal(initials, &list);
            asking = false;
            pending = false;
        }
        QTimer::singleShot(0, [&] { toolkit.close(list); });
    };
    initials.onActivate = [&] {
        QTimer::singleShot(0, [&] {
            sendActivate(toolkit.windowOf(list));
            sendActivate(toolkit.windowOf(board));
            toolkit.close(initials);
        });
    };
    watchdog(toolkit, initials);
    watchdog(toolkit, list);
    toolkit.showModal(list, &board);
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(list.count("activate"), 2);
    EXPECT_EQ(initials.count("activate"), 1);
    EXPECT_EQ(board.count("activate"), 2);  // on opening, and when the list closed
    toolkit.close(board);
}

TEST(QtToolkitLifecycle, formClosedByItsOwnLoadIsNeverShown) {
    QtToolkit toolkit;
    RecordingForm owner(qttest::testDialogLayout("Owner", false), toolkit);
    RecordingForm form(qttest::testDialogLayout("Quitter", false), toolkit);
    toolkit.showModeless(owner);
    form.onLoad = [&] { toolkit.close(form); };
    toolkit.showModal(form, &owner);  // must return at once
    EXPECT_EQ(form.log, QStringList({"load", "unload"}));
    EXPECT_FALSE(toolkit.isOpen(form));
    toolkit.close(owner);
}

struct MessageCase {
    MessageButtons buttons;
    QMessageBox::StandardButton press;  // NoButton: close the box instead
    MessageResult expected;
};

class QtToolkitMessageBox : public ::testing::TestWithParam<MessageCase> {};

TEST_P(QtToolkitMessageBox, returnsThePressedButtonAndClosingCountsAsEscape) {
    const MessageCase c = GetParam();
    QtToolkit toolkit;
    QString seenTitle, seenText;
    bool hadIcon = true;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        seenTitle = box->windowTitle();
        seenText = box->text();
        hadIcon = box->icon() != QMessageBox::NoIcon;
        if (c.press == QMessageBox::NoButton)
            box->close();
        else
            box->button(c.press)->click();
    });
    EXPECT_EQ(toolkit.messageBox(nullptr, "Are you sure?", "Confirm Deletions", c.buttons),
              c.expected);
    EXPECT_EQ(seenTitle, "Confirm Deletions");
    EXPECT_EQ(seenText, "Are you sure?");
    EXPECT_FALSE(hadIcon);
}

INSTANTIATE_TEST_SUITE_P(
    Answers, QtToolkitMessageBox,
    ::testing::Values(MessageCase{MessageButtons::Ok, QMessageBox::Ok, MessageResult::Ok},
                      MessageCase{MessageButtons::Ok, QMessageBox::NoButton, MessageResult::Ok},
                      MessageCase{MessageButtons::YesNo, QMessageBox::Yes, MessageResult::Yes},
                      MessageCase{MessageButtons::YesNo, QMessageBox::No, MessageResult::No},
                      MessageCase{MessageButtons::YesNo, QMessageBox::NoButton,
                                  MessageResult::No}));

TEST(QtToolkitServices, yesIsTheDefaultAnswerOfAQuestion) {
    QtToolkit toolkit;
    QTimer::singleShot(0, [] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        qttest::pressKey(box, Qt::Key_Return, "\r");
    });
    EXPECT_EQ(toolkit.messageBox(nullptr, "Clear?", "Confirm", MessageButtons::YesNo),
              MessageResult::Yes);
}

TEST(QtToolkitServices, pointerArrowOverridesAndDefaultRestoresAll) {
    QtToolkit toolkit;
    toolkit.setPointer(Pointer::Arrow);
    toolkit.setPointer(Pointer::Arrow);
    ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::ArrowCursor);
    toolkit.setPointer(Pointer::Default);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST(QtToolkitServices, identityIsTheProgramsTitleAndVersion) {
    QtToolkit toolkit;
    const AppIdentity id = toolkit.identity();
    EXPECT_EQ(id.title, "Korvex");
    EXPECT_EQ(QStringLiteral("%1.%2.%3").arg(id.major).arg(id.minor).arg(id.revision),
              QStringLiteral("1.1.0"));
}

}  // namespace
}  // namespace korvex
