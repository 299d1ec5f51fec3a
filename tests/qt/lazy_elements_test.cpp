// SPDX-License-Identifier: GPL-3.0-or-later
// Elements hidden when a window opens get their widgets only when they first show: they must then
// sit, stack, take the focus in tab order, answer clicks and carry their names exactly as if they
// had been built with the window. Also the program icon, painted per size on demand.

#include <gtest/gtest.h>

#include <QAccessible>
#include <QImage>
#include <QLabel>
#include <QPainter>

#include "app/running_game.h"
#include "board/form1.h"
#include "board/form1_layout.h"
#include "hiscores/mod_hi_scores.h"
#include "qt_test_support.h"
#include "support/memory_store.h"
#include "ui/qt/element_widgets.h"
#include "ui/qt/pictures.h"
#include "ui/qt/qt_toolkit.h"

namespace korvex {
namespace {

using qttest::clickWidget;
using qttest::RecordingForm;
using qttest::settle;

// Back (hidden) lies between Under and Over in the table and overlaps both; Late (hidden) takes
// the focus between First and Last.
FormLayout stackingLayout() {
    FormLayout layout;
    layout.name = QStringLiteral("Stacking");
    layout.caption = layout.name;
    layout.clientWidth = 3600;
    layout.clientHeight = 2400;
    auto add = [&](const char* name, ElementKind kind, int left, int tab, bool visible) {
        ElementSpec e;
        e.name = QString::fromLatin1(name);
        e.kind = kind;
        e.left = left, e.top = 150, e.width = 900, e.height = 450;
        e.caption = e.name;
        e.tab = tab;
        e.visible = visible;
        if (kind == ElementKind::Picture) e.picture = PictureKind::DieFace, e.pips = 3;
        layout.elements.push_back(e);
    };
    add("First", ElementKind::Button, 0, 0, true);
    add("Under", ElementKind::Label, 1200, -1, true);
    add("Back", ElementKind::Picture, 1500, -1, false);
    add("Over", ElementKind::Button, 2100, -1, true);
    add("Late", ElementKind::Button, 0, 1, false);
    add("Last", ElementKind::Button, 0, 2, true);
    layout.elements[4].top = 900;
    layout.elements[5].top = 1650;
    return layout;
}

class LazyElementsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        toolkit.showModeless(form);
        settle();
        form.log.clear();
    }
    void TearDown() override {
        toolkit.close(form);
        settle();
    }
    QWidget* built(const char* name) {
        return toolkit.windowOf(form)->findChild<QWidget*>(QString::fromLatin1(name));
    }
    QWidget* at(int x, int y) { return toolkit.windowOf(form)->childAt(x, y); }

    QtToolkit toolkit;
    RecordingForm form{stackingLayout(), toolkit};
};

TEST_F(LazyElementsTest, hiddenElementsAreBuiltWhenTheyFirstShow) {
    EXPECT_EQ(built("Back"), nullptr);
    EXPECT_EQ(built("Late"), nullptr);
    form.model().setEnabled("Late", false);  // changes while hidden are not lost
    form.model().setText("Late", "Later");
    form.model().setVisible("Late", true);
    QWidget* late = built("Late");
    ASSERT_NE(late, nullptr);
    EXPECT_TRUE(late->isVisible());
    EXPECT_FALSE(late->isEnabled());
    EXPECT_EQ(late->geometry(), QRect(0, 60, 60, 30));
    EXPECT_EQ(QAccessible::queryAccessibleInterface(late)->text(QAccessible::Name), "Later");
    form.model().setVisible("Late", false);
    EXPECT_EQ(built("Late"), late);  // hidden again, not rebuilt
    EXPECT_TRUE(late->isHidden());
}

TEST_F(LazyElementsTest, aLateWidgetStacksAtItsPlaceInTheTable) {
    EXPECT_EQ(at(110, 20), built("Under"));
    form.model().setVisible("Back", true);
    QWidget* back = built("Back");
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(at(110, 20), back);           // above the earlier Under
    EXPECT_EQ(at(150, 20), built("Over"));  // below the later Over
    EXPECT_EQ(at(90, 20), built("Under"));  // Under's own part
    EXPECT_EQ(QAccessible::queryAccessibleInterface(back)->text(QAccessible::Name), "Die: 3");
}

TEST_F(LazyElementsTest, aLateWidgetTakesItsTabPlaceAndItsClicks) {
    form.model().setVisible("Late", true);
    QWidget* w = built("First");
    QStringList order{w->objectName()};
    for (int i = 0; i < 2; ++i) {
        w = w->nextInFocusChain();
        while (w->focusPolicy() == Qt::NoFocus) w = w->nextInFocusChain();
        order << w->objectName();
    }
    EXPECT_EQ(order, QStringList({"First", "Late", "Last"}));
    clickWidget(built("Late"));
    form.model().setVisible("Back", true);
    clickWidget(built("Back"));
    EXPECT_EQ(form.log, QStringList({"click:Late", "click:Back"}));
}

TEST_F(LazyElementsTest, focusOrWidgetOfBuildsAHiddenElementAtOnce) {
    form.model().setFocus("Late");
    ASSERT_NE(built("Late"), nullptr);
    EXPECT_TRUE(built("Late")->isHidden());
    QWidget* back = toolkit.widgetOf(form, "Back");
    ASSERT_NE(back, nullptr);
    EXPECT_TRUE(back->isHidden());
    EXPECT_EQ(built("Back"), back);
    form.model().setVisible("Back", true);
    EXPECT_EQ(at(110, 20), back);
    EXPECT_EQ(at(150, 20), built("Over"));
}

TEST(LazyBoard, onlyWhatShowsIsBuiltAndTheFirstRollBuildsItsFaces) {
    QtToolkit toolkit;
    ClockSeededRandom random;
    MemoryStore store;
    RunningGame game{toolkit, random, store};
    Form1& board = game.board();
    toolkit.showModeless(board);
    QWidget* window = toolkit.windowOf(board);
    for (const char* name : {"Die2_1", "Die6_5", "OneRoll", "lblCoachTitle", "lblKeep3"})
        EXPECT_EQ(window->findChild<QWidget*>(name), nullptr) << name;
    board.click(QStringLiteral("CB_Start"));
    for (int p = 1; p <= 5; ++p) {
        const int face = board.model().text(faceField(p)).toInt();
        QWidget* die = window->findChild<QWidget*>(dieName(face, p));
        ASSERT_NE(die, nullptr) << p;
        EXPECT_TRUE(die->isVisible());
        EXPECT_EQ(static_cast<PictureWidget*>(die)->faceRect().translated(die->pos()),
                  QRect(224 + 56 * (p - 1), 40, 37, 37));
    }
    ASSERT_NE(window->findChild<QWidget*>("OneRoll"), nullptr);
    EXPECT_TRUE(window->findChild<QWidget*>("OneRoll")->isVisible());
    toolkit.close(board);
    settle();
}

QImage iconImage(const QIcon& icon, int side, QIcon::Mode mode = QIcon::Normal) {
    return icon.pixmap(QSize(side, side), 1.0, mode)
        .toImage()
        .convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

TEST(LazyAppIcon, everySizeIsPaintedForItselfAndKept) {
    const QIcon icon = appIcon();
    for (int side : {16, 20, 32, 40, 256}) {
        const QImage image = iconImage(icon, side);
        ASSERT_EQ(image.size(), QSize(side, side)) << side;
        QImage direct(side, side, QImage::Format_ARGB32_Premultiplied);
        direct.fill(Qt::transparent);
        QPainter painter(&direct);
        paintAppIcon(painter, QRectF(0, 0, side, side));
        painter.end();
        EXPECT_EQ(image, direct) << side;  // drawn at that size, not scaled from another
    }
    EXPECT_EQ(icon.pixmap(48).cacheKey(), appIcon().pixmap(48).cacheKey());  // painted once
    EXPECT_EQ(icon.actualSize(QSize(64, 32)), QSize(32, 32));
    EXPECT_EQ(icon.pixmap(QSize(32, 32), 2.0).size(), QSize(64, 64));  // doubled screens
    QList<QSize> sizes;
    for (int side : kAppIconSizes) sizes << QSize(side, side);
    EXPECT_EQ(icon.availableSizes(), sizes);
    EXPECT_NE(iconImage(icon, 32, QIcon::Disabled), iconImage(icon, 32));
}

}  // namespace
}  // namespace korvex
