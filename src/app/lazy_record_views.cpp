// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/lazy_record_views.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>

namespace korvex {
namespace {

using Create = RecordViews* (*)(GameHistory&, LazyRecordViews::TableSource);

}  // namespace

LazyRecordViews::LazyRecordViews(QStringList modules, GameHistory& history, TableSource table,
                                 Reporter report)
    : m_modules(std::move(modules)),
      m_history(history),
      m_table(std::move(table)),
      m_report(std::move(report)) {}

// The windows go before the module's code would; the module itself is never unloaded.
LazyRecordViews::~LazyRecordViews() = default;

QStringList LazyRecordViews::defaultModules() {
    const QString name = QStringLiteral("korvex-records.so");
    const QDir program(QCoreApplication::applicationDirPath());
    return {program.filePath(name),
            QDir::cleanPath(program.filePath(QStringLiteral(KORVEX_MODULE_DIR "/") + name))};
}

RecordViews* LazyRecordViews::views(const QString& title) {
    if (m_views) return m_views.get();
    QStringList problems;
    for (const QString& file : m_modules) {
        QLibrary module(file);
        if (!module.load()) {
            problems << module.errorString();
            continue;
        }
        if (auto create = reinterpret_cast<Create>(module.resolve("korvexCreateRecordViews"))) {
            m_views.reset(create(m_history, m_table));
            return m_views.get();
        }
        problems << module.errorString();
    }
    if (m_report)
        m_report(QCoreApplication::translate("Form1",
                                             "This window cannot be opened: its module "
                                             "is missing or damaged (%1).")
                     .arg(problems.join(QStringLiteral("; "))),
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

}  // namespace korvex
