// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/qt/translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QPointer>
#include <QTranslator>
#include <memory>

namespace korvex {

namespace {

QString environment(const char* name) {
    return QString::fromLocal8Bit(qgetenv(name));
}

// "C", "POSIX" and "C.UTF-8" all ask for the program's own texts.
bool isPlainLocale(const QString& locale) {
    return locale.isEmpty() || locale == QLatin1String("C") || locale == QLatin1String("POSIX") ||
           locale.startsWith(QLatin1String("C."));
}

// The translators now installed; a new choice of language replaces them.
QPointer<QTranslator> s_game;
QPointer<QTranslator> s_qt;

void removeInstalled() {
    for (QPointer<QTranslator>* translator : {&s_game, &s_qt}) {
        if (!*translator) continue;
        QCoreApplication::removeTranslator(*translator);
        delete translator->data();
    }
}

// Installs the translation in the first of `folders` that has `file` ("korvex_de.qm"). The file
// is named exactly: QTranslator's own search would drop "_de" and try a plain "korvex" file too.
QTranslator* installFirst(const QString& file, const QStringList& folders) {
    for (const QString& folder : folders) {
        const QString path = QDir(folder).filePath(file);
        if (!QFileInfo::exists(path)) continue;
        auto translator = std::make_unique<QTranslator>(QCoreApplication::instance());
        if (!translator->load(path)) continue;
        QCoreApplication::installTranslator(translator.get());
        return translator.release();
    }
    return nullptr;
}

}  // namespace

LocaleEnvironment LocaleEnvironment::current() {
    return {environment("LANGUAGE"), environment("LC_ALL"), environment("LC_MESSAGES"),
            environment("LANG")};
}

QStringList requestedLanguages(const LocaleEnvironment& env) {
    QString messages = env.lcAll;
    if (messages.isEmpty()) messages = env.lcMessages;
    if (messages.isEmpty()) messages = env.lang;
    if (isPlainLocale(messages)) return {};
    if (env.language.isEmpty()) return {messages};
    return env.language.split(QLatin1Char(':'), Qt::SkipEmptyParts);
}

QStringList translationFolders() {
    const QString program = QCoreApplication::applicationDirPath();
    return {program + QStringLiteral("/translations"),
            QDir::cleanPath(program +
                            QStringLiteral("/../" KORVEX_INSTALL_DATADIR "/korvex/translations")),
            QStringLiteral(KORVEX_INSTALL_FULL_DATADIR "/korvex/translations")};
}

QString installTranslations(const QStringList& languages, const QStringList& folders) {
    removeInstalled();
    for (const QString& wanted : languages) {
        // "pt_BR.UTF-8@euro": a file for "pt_BR" first, then one for "pt".
        const QString regional =
            wanted.section(QLatin1Char('.'), 0, 0).section(QLatin1Char('@'), 0, 0);
        const QString language = regional.section(QLatin1Char('_'), 0, 0);
        if (language == QLatin1String("en")) return {};
        for (const QString& name : {regional, language}) {
            s_game = installFirst(QStringLiteral("korvex_%1.qm").arg(name), folders);
            if (!s_game) continue;
            // Qt's dialog buttons in the same language; without them they stay English.
            s_qt = installFirst(QStringLiteral("qtbase_%1.qm").arg(language),
                                {QLibraryInfo::path(QLibraryInfo::TranslationsPath)});
            return name;
        }
    }
    return {};
}

}  // namespace korvex
