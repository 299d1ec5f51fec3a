// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/modules.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>

#include "record/sqlite/games_module.h"

namespace korvex {

QStringList moduleFiles(const QString& name) {
    const QDir program(QCoreApplication::applicationDirPath());
    return {program.filePath(name),
            QDir::cleanPath(program.filePath(QStringLiteral(KORVEX_MODULE_DIR "/") + name))};
}

QFunctionPointer resolveInModules(const QStringList& files, const char* symbol, QString& problem) {
    QStringList problems;
    for (const QString& file : files) {
        QLibrary module(file);
        if (module.load()) {
            if (QFunctionPointer found = module.resolve(symbol)) return found;
        }
        problems << module.errorString();
    }
    problem = problems.join(QStringLiteral("; "));
    return nullptr;
}

GameStoreOpener gameStoreFromModule(QStringList files) {
    return [files = std::move(files)](const QString& path,
                                      QString& problem) -> std::unique_ptr<GameStore> {
        QString why;
        const auto open =
            reinterpret_cast<OpenGameStore>(resolveInModules(files, kOpenGameStoreSymbol, why));
        if (open) return std::unique_ptr<GameStore>(open(path));
        problem = QCoreApplication::translate("GameHistory",
                                              "the module that keeps the record is missing or "
                                              "damaged: %1")
                      .arg(why);
        return nullptr;
    };
}

}  // namespace korvex
