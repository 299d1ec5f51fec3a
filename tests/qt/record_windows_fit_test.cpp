// SPDX-License-Identifier: GPL-3.0-or-later
// The Statistics and Review windows in every language, with the game's real translations
// loaded, at the size they open with: every label, button, tab and column heading shows its
// whole text, and so do the charts' titles, axis titles and legends.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QChartView>
#include <QHeaderView>
#include <QLabel>
#include <QLegendMarker>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QValueAxis>

#include "coach/coach_table.h"
#include "qt_test_support.h"
#include "record/game_history.h"
#include "record/sqlite/game_database.h"
#include "record_windows/record_windows.h"
#include "support/game_generator.h"
#include "ui/qt/translations.h"

namespace korvex {
namespace {

const CoachTable* solvedTable() {
    static const std::unique_ptr<CoachTable> table = CoachTable::solve(CoachRules::korvex(), 2);
    return table.get();
}

QString misfit(const QWidget* widget, const QString& text, const QString& problem) {
    return QStringLiteral("%1 \"%2\": %3")
        .arg(QString::fromLatin1(widget->metaObject()->className()), text, problem);
}

QString tooWide(int need, int room) {
    return QStringLiteral("needs %1 px, has %2").arg(need).arg(room);
}

void checkLabels(const QWidget* window, QStringList& found) {
    for (const QLabel* label : window->findChildren<QLabel*>()) {
        if (!label->isVisibleTo(window) || label->text().isEmpty()) continue;
        const QRect room = label->contentsRect();
        if (label->wordWrap()) {
            const int need = label->heightForWidth(room.width());
            if (need > room.height())
                found << misfit(
                    label, label->text(),
                    QStringLiteral("needs %1 px high, has %2").arg(need).arg(room.height()));
        } else if (const int need = label->fontMetrics().horizontalAdvance(label->text());
                   need > room.width()) {
            found << misfit(label, label->text(), tooWide(need, room.width()));
        }
    }
}

// Push buttons and check boxes; the tab bar's scroll arrows have no text.
void checkButtons(const QWidget* window, QStringList& found) {
    for (const QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
        if (!button->isVisibleTo(window) || button->text().isEmpty()) continue;
        if (button->sizeHint().width() > button->width())
            found << misfit(button, button->text(),
                            tooWide(button->sizeHint().width(), button->width()));
    }
}

void checkTabsAndHeadings(const QWidget* window, QStringList& found) {
    for (const QTabBar* bar : window->findChildren<QTabBar*>())
        if (bar->isVisibleTo(window) && bar->sizeHint().width() > bar->width())
            found << misfit(bar, bar->tabText(0), tooWide(bar->sizeHint().width(), bar->width()));
    for (const QHeaderView* header : window->findChildren<QHeaderView*>()) {
        if (header->orientation() != Qt::Horizontal || header->isHidden()) continue;
        for (int i = 0; i < header->count(); ++i) {
            const QString text = header->model()->headerData(i, Qt::Horizontal).toString();
            if (header->sectionSize(i) < header->sectionSizeHint(i))
                found << misfit(header, text,
                                tooWide(header->sectionSizeHint(i), header->sectionSize(i)));
        }
    }
}

// A chart shortens a title that does not fit with an ellipsis.
void checkCharts(const QWidget* window, QStringList& found) {
    for (const QChartView* view : window->findChildren<QChartView*>()) {
        const QChart* chart = view->chart();
        if (!chart || !view->isVisibleTo(window)) continue;
        const QRectF plot = chart->plotArea();
        const int titleRoom = int(chart->size().width());
        if (const int need = QFontMetrics(chart->titleFont()).horizontalAdvance(chart->title());
            need > titleRoom)
            found << misfit(view, chart->title(), tooWide(need, titleRoom));
        for (const QAbstractAxis* axis : chart->axes()) {
            const int room =
                int(axis->orientation() == Qt::Horizontal ? plot.width() : plot.height());
            const int need = QFontMetrics(axis->titleFont()).horizontalAdvance(axis->titleText());
            if (need > room) found << misfit(view, axis->titleText(), tooWide(need, room));
        }
        int legend = 0;
        for (const QLegendMarker* marker : chart->legend()->markers())
            legend += QFontMetrics(chart->legend()->font()).horizontalAdvance(marker->label()) + 40;
        if (chart->legend()->isVisible() && legend > titleRoom)
            found << misfit(view, QStringLiteral("legend"), tooWide(legend, titleRoom));
    }
}

// `opening` is the size the window opens with; a text that needs more would widen it.
QStringList misfitsOf(QWidget* window, QSize opening) {
    QApplication::processEvents();
    QStringList found;
    const QSize need = window->minimumSizeHint();
    if (need.width() > opening.width() || need.height() > opening.height())
        found << QStringLiteral("the window needs %1x%2 px, opens at %3x%4")
                     .arg(need.width())
                     .arg(need.height())
                     .arg(opening.width())
                     .arg(opening.height());
    checkLabels(window, found);
    checkButtons(window, found);
    checkTabsAndHeadings(window, found);
    checkCharts(window, found);
    return found;
}

class RecordWindowsFit : public ::testing::TestWithParam<const char*> {
  protected:
    void SetUp() override {
        const QString language = QString::fromLatin1(GetParam());
        const QString loaded = installTranslations({language}, {QStringLiteral(KORVEX_QM_DIR)});
        ASSERT_EQ(loaded, language == QLatin1String("en") ? QString() : language);
        GameGenerator generator(9, {nullptr, 0.0, 0.25, 0.5});
        for (int i = 0; i < 40; ++i) games.push_back(generator.next());
        ASSERT_TRUE(GameDatabase(dir.filePath("games.sqlite")).store(games.data(), games.size()));
    }
    void TearDown() override {
        installTranslations({});
        qttest::settle();
    }

    QTemporaryDir dir;
    std::vector<GameRecord> games;
};

// Each tab in turn, since only the tab on top is laid out.
TEST_P(RecordWindowsFit, statisticsFitOnEveryTab) {
    GameHistory history(dir.filePath("games.sqlite"), openGameDatabase);
    RecordWindows windows(history, [] { return solvedTable(); });
    windows.showStatistics();
    StatisticsWindow* window = windows.statistics();
    ASSERT_NE(window, nullptr);
    auto* tabs = window->findChild<QTabWidget*>();
    ASSERT_NE(tabs, nullptr);
    QStringList found;
    for (int i = 0; i < tabs->count(); ++i) {
        tabs->setCurrentIndex(i);
        for (const QString& problem : misfitsOf(window, QSize(860, 640)))
            if (!found.contains(problem)) found << problem;
    }
    EXPECT_EQ(found, QStringList());
    // The texts really are the translated ones: a missing .qm must not pass as a fit.
    const bool english = QLatin1String(GetParam()) == QLatin1String("en");
    EXPECT_EQ(tabs->tabText(0) == QLatin1String("Totals"), english);
    window->close();
}

TEST_P(RecordWindowsFit, reviewFits) {
    GameHistory history(dir.filePath("games.sqlite"), openGameDatabase);
    RecordWindows windows(history, [] { return solvedTable(); });
    windows.showReview(games.back());
    ReviewWindow* window = windows.review();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(misfitsOf(window, QSize(820, 680)), QStringList());
    const bool english = QLatin1String(GetParam()) == QLatin1String("en");
    EXPECT_EQ(window->windowTitle() == QLatin1String("Korvex Review"), english);
    window->close();
}

INSTANTIATE_TEST_SUITE_P(EveryLanguage, RecordWindowsFit, ::testing::Values("en", "de", "fr", "es"),
                         [](const auto& info) { return std::string(info.param); });

}  // namespace
}  // namespace korvex
