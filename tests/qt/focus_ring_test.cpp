// SPDX-License-Identifier: GPL-3.0-or-later
// The focus ring, pixel by pixel, on every kind of focusable element of every window, at 1x, 1.5x
// and 2x: rendered with and without the focus, the two pictures differ, beyond the element, in one
// band on each side, as thick as two pixels at that scale, of one colour that stands out at 3:1
// or more from what was there and from what lies next to it.

#include "ui/qt/focus_ring.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QPushButton>
#include <QTabBar>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>
#include <functional>

#include "about/frm_how_to_play.h"
#include "app/running_game.h"
#include "hiscores/frm_get_name.h"
#include "hiscores/frm_hi_scores.h"
#include "qt_test_support.h"
#include "record/game_history.h"
#include "record/sqlite/game_database.h"
#include "record_windows/record_windows.h"
#include "support/game_generator.h"
#include "support/memory_store.h"
#include "ui/qt/qt_toolkit.h"

namespace korvex {
namespace {

QImage renderWindow(QWidget* window, double ratio) {
    QImage image(QSizeF(window->size() * ratio).toSize(), QImage::Format_ARGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    window->render(&image);
    return image;
}

// One side of the ring: walking out from `from` (device pixels) in steps of `step`, the first
// pixels the focus changed. Empty when it finds none.
struct Band {
    int start = -1, thickness = 0;
    QString problem;
};

Band bandAlong(const QImage& off, const QImage& on, QPoint from, QPoint step) {
    Band band;
    const QRect bounds = on.rect();
    QPoint p = from;
    for (int i = 0; bounds.contains(p); ++i, p += step) {
        const bool changed = off.pixel(p) != on.pixel(p);
        if (changed && band.start < 0) band.start = i;
        if (!changed && band.start >= 0) break;
        if (changed) ++band.thickness;
    }
    if (band.start < 0) return {-1, 0, "no ring"};
    const QPoint first = from + step * band.start, last = first + step * (band.thickness - 1);
    const QColor ring = on.pixelColor(first);
    for (int i = 0; i < band.thickness; ++i) {
        const QPoint q = first + step * i;
        if (on.pixelColor(q) != ring) return {band.start, band.thickness, "more than one colour"};
        if (contrastRatio(ring, off.pixelColor(q)) < 3)
            return {band.start, band.thickness, "faint against what was there"};
    }
    for (QPoint q : {first - step, last + step})
        if (bounds.contains(q) && contrastRatio(ring, on.pixelColor(q)) < 3)
            return {band.start, band.thickness, "faint against its neighbour"};
    // Nothing else changed further out.
    for (QPoint q = last + step; bounds.contains(q); q += step)
        if (off.pixel(q) != on.pixel(q)) return {band.start, band.thickness, "a second band"};
    return band;
}

// What is checked: the element, and whether the walk starts at its middle (a picture or a label,
// which look the same with the focus) or at its edge (a widget that shows its own focus too).
struct Target {
    QWidget* window;
    QWidget* element;
    QRect rect;  // in the window; the element's own unless it is a tab
    bool fromMiddle;
};

void expectRing(const Target& t, double ratio, const QString& what) {
    t.element->clearFocus();
    t.window->setFocus();
    const QImage off = renderWindow(t.window, ratio);
    t.element->setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(t.element->hasFocus()) << qPrintable(what);
    const QImage on = renderWindow(t.window, ratio);
    const QRectF r(t.rect);
    const QPointF middle = r.center() * ratio;
    const auto edge = [&](double logical) { return int(std::ceil(logical * ratio)); };
    const struct {
        QPoint from, step;
    } sides[] = {
        {{int(middle.x()), t.fromMiddle ? int(middle.y()) : edge(r.bottom())}, {0, 1}},
        {{int(middle.x()), t.fromMiddle ? int(middle.y()) : int(r.top() * ratio) - 1}, {0, -1}},
        {{t.fromMiddle ? int(middle.x()) : edge(r.right()), int(middle.y())}, {1, 0}},
        {{t.fromMiddle ? int(middle.x()) : int(r.left() * ratio) - 1, int(middle.y())}, {-1, 0}},
    };
    const int thickness = std::max(2, int(std::lround(2 * ratio)));
    for (const auto& side : sides) {
        const Band band = bandAlong(off, on, side.from, side.step);
        EXPECT_EQ(band.problem, QString()) << qPrintable(what) << " at " << ratio << "x";
        EXPECT_EQ(band.thickness, thickness) << qPrintable(what) << " at " << ratio << "x";
        if (!t.fromMiddle) {
            EXPECT_GT(band.start, 0) << qPrintable(what) << ": touches the element";
        }
    }
}

Target of(QWidget* element, bool fromMiddle = false) {
    QWidget* window = element->window();
    return {window, element, QRect(element->mapTo(window, QPoint()), element->size()), fromMiddle};
}

class FocusRing : public ::testing::TestWithParam<double> {
  protected:
    void SetUp() override {
        for (int i = 0; i < 10; ++i) store.write("HiScores", QString::number(i), "AAA9999");
    }
    void TearDown() override { qttest::settle(); }
    // Opens the form and makes it the active window, as the player has it.
    QWidget* open(Form& form) {
        toolkit.showModeless(form);
        QWidget* window = toolkit.windowOf(form);
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window));
        return window;
    }
    void check(const std::vector<std::pair<Target, QString>>& targets) {
        for (const auto& [target, what] : targets) {
            target.window->activateWindow();
            ASSERT_TRUE(QTest::qWaitForWindowActive(target.window)) << qPrintable(what);
            expectRing(target, GetParam(), what);
        }
    }
    QWidget* element(Form& form, const char* name) { return toolkit.widgetOf(form, name); }

    QtToolkit toolkit;
    ClockSeededRandom random;
    MemoryStore store;
    RunningGame game{toolkit, random, store};
};

TEST_P(FocusRing, aroundEveryKindOfElementOfTheGamesWindows) {
    Form1& board = game.board();
    open(board);
    FrmHiScores list(toolkit, game.hiScores());
    open(list);
    FrmGetName initials(toolkit);
    open(initials);
    FrmHowToPlay howToPlay(toolkit);
    open(howToPlay);
    check({{of(element(board, "CB_Start")), "START on the board"},
           {of(element(board, "Score1")), "a score box"},
           {of(element(board, "Die1_3"), true), "a die"},
           {of(element(board, "Label20"), true), "the Help/ link"},
           {of(element(board, "lblStatistics"), true), "the Statistics link"},
           {of(element(list, "cmdOK")), "OK on the dark blue list"},
           {of(element(initials, "txtName")), "the initials field"},
           {of(element(howToPlay, "cmdOK")), "OK of How to play"}});
    for (Form* form : std::initializer_list<Form*>{&howToPlay, &initials, &list, &board})
        toolkit.close(*form);
}

TEST_P(FocusRing, aroundTheElementsOfTheRecordsWindows) {
    QTemporaryDir dir;
    GameHistory history(dir.filePath("games.sqlite"), openGameDatabase);
    history.record(GameGenerator(5, {}).next());
    RecordWindows windows(history, {});
    windows.showStatistics();
    QWidget* statistics = windows.statistics();
    auto* tabs = statistics->findChild<QTabBar*>();
    tabs->setCurrentIndex(3);  // the list of games
    const QRect tab(tabs->mapTo(statistics, tabs->tabRect(3).topLeft()), tabs->tabRect(3).size());
    windows.showReview(*history.lastGame());
    QPushButton* close = nullptr;
    for (QPushButton* button : windows.review()->findChildren<QPushButton*>())
        if (button->text() == "Close") close = button;
    QTableView* list = nullptr;
    for (QTableView* table : statistics->findChildren<QTableView*>())
        if (table->isVisible()) list = table;
    ASSERT_TRUE(close && list);
    check({{of(statistics->findChild<QCheckBox*>()), "the check box"},
           {{statistics, tabs, tab, true}, "a tab"},
           {of(list), "the list of games"},
           {of(close), "Close of the review"}});
    windows.review()->close();
    statistics->close();
}

INSTANTIATE_TEST_SUITE_P(Scales, FocusRing, ::testing::Values(1.0, 1.5, 2.0));

}  // namespace
}  // namespace korvex
