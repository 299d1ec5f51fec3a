// SPDX-License-Identifier: GPL-3.0-or-later
// The game inside a Wayland session, driven from within: the desktop-session test starts this
// program in a headless compositor. It plays turns with clicks delivered through the windows,
// where modality applies, opens both kinds of dialog, and fails on any warning Qt prints.

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <cstdio>

#include "about/frm_about.h"
#include "app/desktop_game.h"
#include "app/running_game.h"
#include "board/form1_layout.h"
#include "support/memory_store.h"
#include "support/qstring_printer.h"
#include "ui/qt/application_exit.h"
#include "ui/qt/qt_toolkit.h"

namespace korvex {
namespace {

constexpr int kWaitMs = 10000;  // for a window to show or close; a hang fails instead

QStringList g_complaints;  // every warning or error Qt reported during the current test

void recordMessage(QtMsgType type, const QMessageLogContext&, const QString& text) {
    if (type != QtDebugMsg && type != QtInfoMsg) g_complaints << text;
    std::fprintf(stderr, "%s\n", qPrintable(text));
}

void settle() {
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

// A left click on a widget as the compositor would deliver it: to its window, at its centre.
void clickThroughWindow(QWidget* widget) {
    ASSERT_NE(widget, nullptr);
    QWidget* top = widget->window();
    ASSERT_NE(top->windowHandle(), nullptr);
    QTest::mouseClick(top->windowHandle(), Qt::LeftButton, Qt::NoModifier,
                      widget->mapTo(top, widget->rect().center()));
}

class WaylandPlay : public ::testing::Test {
  protected:
    void SetUp() override {
        g_complaints.clear();
        toolkit.showModeless(board);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(boardWindow(), kWaitMs));
    }
    void TearDown() override {
        toolkit.close(board);
        if (board.about()) toolkit.close(*board.about());
        settle();
        EXPECT_TRUE(g_complaints.isEmpty()) << g_complaints.join(u'\n').toStdString();
    }
    QWidget* boardWindow() { return toolkit.windowOf(board); }
    void click(const QString& element) { clickThroughWindow(toolkit.widgetOf(board, element)); }
    QString field(const QString& name) { return board.model().text(name); }

    // Holds the third die, rolls the rest again and scores the card's next open category.
    void playTurn(int turn) {
        SCOPED_TRACE(turn);
        const QString held = field("Temp3");
        click(dieName(held.toInt(), 3));
        ASSERT_EQ(field("Save3"), "yes");
        click("CB_Roll");
        ASSERT_EQ(field("RollCount"), "2");
        ASSERT_EQ(field("Temp3"), held);
        const Category& category = categories()[std::size_t(turn)];
        click(categoryFields(category.id).scoreBox);
        ASSERT_FALSE(field(categoryFields(category.id).scoreBox).isEmpty());
        click("CB_Save");
        ASSERT_EQ(field(categoryFields(category.id).usedFlag), "yes");
        ASSERT_EQ(field("GameCount"), QString::number(turn + 1));
    }

    QtToolkit toolkit;
    ClockSeededRandom random;
    MemoryStore store;
    RunningGame game{toolkit, random, store};
    Form1& board = game.board();
};

TEST_F(WaylandPlay, boardIsANativeWaylandWindowOfTheDesktopEntry) {
    EXPECT_EQ(QGuiApplication::platformName(), "wayland")
        << "Qt did not choose its Wayland platform although a compositor is running";
    EXPECT_EQ(QGuiApplication::desktopFileName(), "org.korvex.Korvex");
    EXPECT_EQ(boardWindow()->windowTitle(), "Korvex");
}

TEST_F(WaylandPlay, threeTurnsWithTheMouse) {
    click("CB_Start");
    ASSERT_EQ(field("RollCount"), "1");
    ASSERT_FALSE(board.model().visible("CB_Start"));
    for (int turn = 0; turn < 3; ++turn) playTurn(turn);
    EXPECT_EQ(field("RollCount"), "1");  // Save made the first roll of the fourth turn
}

TEST_F(WaylandPlay, highScoreListIsModalOverTheBoard) {
    click("CB_Start");
    ASSERT_EQ(field("RollCount"), "1");
    bool inspected = false;
    QTimer::singleShot(0, boardWindow(), [&] {
        inspected = true;
        ASSERT_TRUE(QTest::qWaitFor([] { return QApplication::activeModalWidget(); }, kWaitMs));
        QWidget* list = QApplication::activeModalWidget();
        EXPECT_EQ(list->windowTitle(), "High Scores");
        EXPECT_EQ(list->windowModality(), Qt::WindowModal);
        // The owner named to the compositor, which keeps the list above the board.
        EXPECT_EQ(list->windowHandle()->transientParent(), boardWindow()->windowHandle());
        EXPECT_TRUE(QTest::qWaitForWindowExposed(list, kWaitMs));
        click("CB_Roll");  // the board takes no input meanwhile
        EXPECT_EQ(field("RollCount"), "1");
        clickThroughWindow(list->findChild<QWidget*>(QStringLiteral("cmdOK")));
        if (!QTest::qWaitFor([list] { return !list->isVisible(); }, kWaitMs)) {
            ADD_FAILURE() << "OK did not close the list";
            list->close();
        }
    });
    click("CB_ViewScores");
    EXPECT_TRUE(QTest::qWaitFor([&] { return inspected; }, kWaitMs)) << "the list never opened";
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    click("CB_Roll");  // and takes it again once the list has closed
    EXPECT_EQ(field("RollCount"), "2");
}

TEST_F(WaylandPlay, aboutOpensBesideTheBoardWithoutComplaint) {
    click("Label19");  // "About"
    ASSERT_NE(board.about(), nullptr);
    QWidget* about = toolkit.windowOf(*board.about());
    ASSERT_NE(about, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(about, kWaitMs));
    EXPECT_EQ(about->windowModality(), Qt::NonModal);
    EXPECT_EQ(about->windowHandle()->transientParent(), nullptr);
    click("Label20");  // "Help/" shows the same window
    EXPECT_EQ(toolkit.windowOf(*board.about()), about);
    click("CB_Start");  // the board stays usable beside it
    EXPECT_EQ(field("RollCount"), "1");
    clickThroughWindow(toolkit.widgetOf(*board.about(), QStringLiteral("cmdOK")));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !toolkit.isOpen(*board.about()); }, kWaitMs));
}

}  // namespace
}  // namespace korvex

int main(int argc, char** argv) {
    qInstallMessageHandler(korvex::recordMessage);
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);  // each test opens and closes its board
    korvex::setUpApplication();
    ::testing::InitGoogleTest(&argc, argv);
    const int status = RUN_ALL_TESTS();
    korvex::guardApplicationTeardown(status);  // as the game ends its runs
    return status;
}
