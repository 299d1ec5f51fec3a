// SPDX-License-Identifier: GPL-3.0-or-later
// The translations against the code, for every language the build ships: every text the sources
// mark has a finished translation, no translation is left for a text the code no longer has, and
// each translation keeps what the program fills in or relies on (placeholders, access keys, the
// game's name).

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <vector>

#include "support/qstring_printer.h"

namespace {

struct Message {
    QString context, source, translation;
    QString type;  // "", "unfinished", "vanished" or "obsolete"
};

struct TsFile {
    QString language;
    std::vector<Message> messages;
    QString error;
};

TsFile readTs(const QString& path) {
    TsFile ts;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {{}, {}, QStringLiteral("cannot open ") + path};
    QXmlStreamReader xml(&file);
    QString context;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        if (xml.name() == u"TS")
            ts.language = xml.attributes().value(QLatin1String("language")).toString();
        if (xml.name() == u"name") context = xml.readElementText();
        if (xml.name() == u"message") ts.messages.push_back({context, {}, {}, {}});
        if (xml.name() == u"source") ts.messages.back().source = xml.readElementText();
        if (xml.name() == u"translation") {
            ts.messages.back().type = xml.attributes().value(QLatin1String("type")).toString();
            ts.messages.back().translation = xml.readElementText();
        }
    }
    if (xml.hasError()) ts.error = xml.errorString();
    return ts;
}

QString tsPath(const QString& language) {
    return QStringLiteral(KORVEX_TS_DIR "/korvex_%1.ts").arg(language);
}

QString describe(const Message& m) {
    return QStringLiteral("%1: \"%2\" -> \"%3\"").arg(m.context, m.source, m.translation);
}

class TsFiles : public ::testing::TestWithParam<QString> {};

// lupdate over a copy, reading the sources the build marks: a text added to the code comes in
// unfinished, and one that went from the code is marked vanished.
TEST_P(TsFiles, matchTheSourcesAndAreFinished) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString copy = dir.filePath(QStringLiteral("copy.ts"));
    ASSERT_TRUE(QFile::copy(tsPath(GetParam()), copy));
    QProcess lupdate;
    lupdate.setProcessChannelMode(QProcess::MergedChannels);
    const QStringList options = QStringLiteral(KORVEX_LUPDATE_OPTIONS).split(u' ');
    lupdate.start(QStringLiteral(KORVEX_LUPDATE),
                  options + QStringList{QStringLiteral("-I"), QStringLiteral(KORVEX_SOURCE_DIR),
                                        QStringLiteral("@" KORVEX_SOURCES_LIST),
                                        QStringLiteral("-ts"), copy});
    ASSERT_TRUE(lupdate.waitForFinished(120000));
    const QString output = QString::fromLocal8Bit(lupdate.readAll());
    ASSERT_EQ(lupdate.exitCode(), 0) << output.toStdString();
    // A text lupdate cannot place ("Class 'korvex' lacks Q_OBJECT macro") would be filed under
    // another context than the one the program looks it up in, and never be shown translated.
    QStringList misplaced;
    for (const QString& line : output.split(u'\n'))
        if (line.startsWith(QStringLiteral(KORVEX_SOURCE_DIR))) misplaced << line;
    EXPECT_EQ(misplaced.join(u'\n'), QString());

    const TsFile updated = readTs(copy);
    ASSERT_EQ(updated.error, QString());
    QStringList open;
    for (const Message& m : updated.messages)
        if (!m.type.isEmpty()) open << m.type + QStringLiteral(": ") + describe(m);
    EXPECT_EQ(open.join(u'\n'), QString());
    EXPECT_GT(updated.messages.size(), 100u);  // the sources were read
}

// Placeholders ("%1"), access keys ("&OK") and the "&&" of a caption, each as often as in the
// English text; the game's name kept wherever the English text has it.
TEST_P(TsFiles, translationsKeepWhatTheProgramFillsIn) {
    const TsFile ts = readTs(tsPath(GetParam()));
    ASSERT_EQ(ts.error, QString());
    EXPECT_EQ(ts.language.section(u'_', 0, 0), GetParam());  // "de", or "de_DE" as lupdate names it
    const QRegularExpression placeholder(QStringLiteral("%\\d"));
    const QRegularExpression accessKey(QStringLiteral("(?<!&)&(?!&)"));
    const auto sorted = [](const QString& text, const QRegularExpression& pattern) {
        QStringList found;
        for (const auto& match : pattern.globalMatch(text)) found << match.captured();
        found.sort();
        return found;
    };
    QStringList broken;
    for (const Message& m : ts.messages) {
        const bool kept =
            !m.translation.trimmed().isEmpty() &&
            sorted(m.source, placeholder) == sorted(m.translation, placeholder) &&
            sorted(m.source, accessKey).size() == sorted(m.translation, accessKey).size() &&
            m.source.count(QStringLiteral("&&")) == m.translation.count(QStringLiteral("&&")) &&
            m.source.count(QStringLiteral("Korvex")) <=
                m.translation.count(QStringLiteral("Korvex"));
        if (!kept) broken << describe(m);
    }
    EXPECT_EQ(broken.join(u'\n'), QString());
}

INSTANTIATE_TEST_SUITE_P(EveryLanguage, TsFiles, ::testing::ValuesIn([] {
                             std::vector<QString> languages;
                             for (const QString& language :
                                  QStringLiteral(KORVEX_LANGUAGES).split(u' '))
                                 languages.push_back(language);
                             return languages;
                         }()),
                         [](const auto& info) { return info.param.toStdString(); });

}  // namespace
