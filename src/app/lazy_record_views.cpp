// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/lazy_record_views.h"

#include <QCoreApplication>

#include "app/modules.h"

namespace korvex {

LazyRecordViews::LazyRecordViews(QStringList modules, GameHistory& history, TableSource table,
                                 Reporter report)
    : m_modules(std::move(modules)),
      m_history(history),
      m_table(std::move(table)),
      m_report(std::move(report)) {}

// The windows go before the module's code would; the module itself is never unloaded.
LazyRecordViews::~LazyRecordViews() = default;

QStringList LazyRecordViews::defaultModules() {
    return moduleFiles(QString::fromLatin1(kRecordsModuleName));
}

RecordViews* LazyRecordViews::views(const QString& title) {
    if (m_views) return m_views.get();
    QString problem;
    if (const auto create = reinterpret_cast<CreateRecordViews>(
            resolveInModules(m_modules, kCreateRecordViewsSymbol, problem))) {
        m_views.reset(create(m_history, m_table));
        return m_views.get();
    }
    if (m_report)
        m_report(QCoreApplication::translate("Form1",
                                             "This window cannot be opened: its module "
                                             "is missing or damaged (%1).")
                     .arg(problem),
                 title);
    return nullptr;
}

void LazyRecordViews::showStatistics() {
    if (RecordViews* v = views(QCoreApplication::translate("Form1", "Statistics")))
        v->showStatistics();
}

void LazyRecordViews::showReview(const GameRecord& record) {
    if (RecordViews* v = views(QCoreApplication::translate("Form1", "Review")))
        v->showReview(record);
}

void LazyRecordViews::showPractice() {
    if (RecordViews* v = views(QCoreApplication::translate("Form1", "Practice"))) v->showPractice();
}

}  // namespace korvex
