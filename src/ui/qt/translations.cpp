#include "ui/qt/translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QPointer>
#include <QTranslator>

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

QTranslator* loaded(const QString& file, const QString& folder) {
    auto translator = std::make_unique<QTranslator>(QCoreApplication::instance());
    if (!translator->load(file, folder)) return nullptr;
    QCoreApplication::installTranslator(translator.get());
    return translator.release();
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
        // "de_DE.UTF-8@euro" down to "de": QTranslator::load drops the suffixes itself.
        const QString language = wanted.section(QLatin1Char('_'), 0, 0)
                                     .section(QLatin1Char('.'), 0, 0)
                                     .section(QLatin1Char('@'), 0, 0);
        if (language == QLatin1String("en")) return {};
        for (const QString& folder : folders) {
            s_game = loaded(QStringLiteral("korvex_") + wanted, folder);
            if (!s_game) continue;
            // Qt's dialog buttons in the same language; without them they stay English.
            s_qt = loaded(QStringLiteral("qtbase_") + wanted,
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath));
            return language;
        }
    }
    return {};
}

}  // namespace korvex
