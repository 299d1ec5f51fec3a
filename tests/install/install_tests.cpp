// SPDX-License-Identifier: GPL-3.0-or-later
// What a desktop finds after `cmake --install`: every file in place; the launcher entry, the
// software-centre description and the icons agreeing with each other and with the project; and
// the icons, painted and hand-drawn alike, showing the game's die on its teal tile.

#include <gtest/gtest.h>

#include <QDate>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextStream>
#include <QXmlStreamReader>
#include <memory>
#ifdef KORVEX_HAVE_SVG
#include <QSvgRenderer>
#endif

namespace {

const QString kAppId = QStringLiteral("org.korvex.Korvex");
const QString kProgram = QStringLiteral("games/korvex");
const QString kSvgPath = QStringLiteral("share/icons/hicolor/scalable/apps/org.korvex.Korvex.svg");
// The sizes a desktop looks for in the hicolor theme.
constexpr int kPngSizes[] = {16, 24, 32, 48, 64, 128, 256};

QString pngPath(int size) {
    return QStringLiteral("share/icons/hicolor/%1x%1/apps/org.korvex.Korvex.png").arg(size);
}

// The [Desktop Entry] group as key -> value.
QMap<QString, QString> readDesktopEntry(const QString& file) {
    QMap<QString, QString> entry;
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly | QIODevice::Text)) return entry;
    QTextStream text(&in);
    bool inGroup = false;
    while (!text.atEnd()) {
        const QString line = text.readLine().trimmed();
        if (line.startsWith(u'[')) inGroup = line == QLatin1String("[Desktop Entry]");
        const qsizetype eq = line.indexOf(u'=');
        if (inGroup && eq > 0 && !line.startsWith(u'#'))
            entry.insert(line.left(eq).trimmed(), line.mid(eq + 1).trimmed());
    }
    return entry;
}

// The metainfo facts that tie it to the rest of the install.
struct Metainfo {
    QString id, launchable, launchableType, binary, firstRelease, firstReleaseDate;
    QString contentRating, screenshot, projectLicense, metadataLicense;
};

Metainfo readMetainfo(const QString& file) {
    Metainfo m;
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly)) return m;
    QXmlStreamReader xml(&in);
    QStringList path;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isEndElement()) path.removeLast();
        if (!xml.isStartElement()) continue;
        path << xml.name().toString();
        const QString where = path.join(u'/');
        const auto attr = [&](const char* name) { return xml.attributes().value(name).toString(); };
        if (where == u"component/releases/release" && m.firstRelease.isEmpty()) {
            m.firstRelease = attr("version");
            m.firstReleaseDate = attr("date");
        } else if (where == u"component/content_rating") {
            m.contentRating = attr("type");
        } else if (where == u"component/launchable") {
            m.launchableType = attr("type");
            m.launchable = xml.readElementText();
            path.removeLast();
        } else if (where == u"component/id" || where == u"component/provides/binary" ||
                   where == u"component/screenshots/screenshot/image" ||
                   where == u"component/project_license" ||
                   where == u"component/metadata_license") {
            const QString text = xml.readElementText().trimmed();
            path.removeLast();
            QString* field = where.endsWith(u"/id")        ? &m.id
                             : where.endsWith(u"/binary")  ? &m.binary
                             : where.endsWith(u"/image")   ? &m.screenshot
                             : where.contains(u"project_") ? &m.projectLicense
                                                           : &m.metadataLicense;
            if (field->isEmpty()) *field = text;
        }
    }
    EXPECT_FALSE(xml.hasError()) << file.toStdString() << ": " << xml.errorString().toStdString();
    return m;
}

// One install into a temporary staging root (DESTDIR), as a package build would make it.
class InstalledTree : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        s_root = std::make_unique<QTemporaryDir>();
        QProcess install;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("DESTDIR"), s_root->path());
        install.setProcessEnvironment(env);
        install.setProcessChannelMode(QProcess::MergedChannels);
        install.start(QStringLiteral(KORVEX_CMAKE_COMMAND),
                      {QStringLiteral("--install"), QStringLiteral(KORVEX_BUILD_DIR),
                       QStringLiteral("--prefix"), QStringLiteral("/usr")});
        const bool finished = install.waitForFinished(120000);
        s_log = QString::fromLocal8Bit(install.readAll());
        s_installed =
            finished && install.exitStatus() == QProcess::NormalExit && install.exitCode() == 0;
    }
    static void TearDownTestSuite() { s_root.reset(); }
    void SetUp() override { ASSERT_TRUE(s_installed) << s_log.toStdString(); }

    static QString installed(const QString& relative) {
        return s_root->path() + QStringLiteral("/usr/") + relative;
    }

    static inline std::unique_ptr<QTemporaryDir> s_root;
    static inline QString s_log;
    static inline bool s_installed = false;
};

TEST_F(InstalledTree, putsEveryFileWhereTheDesktopLooks) {
    QStringList expected = {kProgram,
                            QStringLiteral("share/applications/org.korvex.Korvex.desktop"),
                            QStringLiteral("share/metainfo/org.korvex.Korvex.metainfo.xml"),
                            QStringLiteral("share/man/man6/korvex.6.gz"),
                            QStringLiteral("share/doc/korvex/copyright"),
                            QStringLiteral("share/doc/korvex/changelog.gz"),
                            kSvgPath,
                            QStringLiteral(KORVEX_GAMES_MODULE),
                            QStringLiteral(KORVEX_RECORDS_MODULE)};
    for (int size : kPngSizes) expected << pngPath(size);
    for (const QString& language : QStringLiteral(KORVEX_LANGUAGES).split(u' '))
        expected << QStringLiteral("share/korvex/translations/korvex_%1.qm").arg(language);
    for (const QString& file : expected) {
        const QFileInfo info(installed(file));
        EXPECT_TRUE(info.isFile() && info.size() > 0) << "missing or empty: " << file.toStdString();
    }
    EXPECT_TRUE(QFileInfo(installed(kProgram)).isExecutable());
    EXPECT_FALSE(QFileInfo::exists(installed(QStringLiteral("bin/korvex"))))
        << "a game belongs in games/, not bin/";
}

TEST_F(InstalledTree, desktopEntryLaunchesTheInstalledProgramWithItsIcon) {
    const auto entry =
        readDesktopEntry(installed(QStringLiteral("share/applications/org.korvex.Korvex.desktop")));
    ASSERT_FALSE(entry.isEmpty());
    EXPECT_EQ(entry.value("Type"), "Application");
    EXPECT_EQ(entry.value("Terminal", "false"), "false");
    // The full path: /usr/games is not on every session's PATH.
    const QString program = entry.value("Exec").section(u' ', 0, 0);
    EXPECT_EQ(program, QStringLiteral("/usr/") + kProgram);
    EXPECT_TRUE(QFileInfo(s_root->path() + program).isExecutable())
        << "Exec names a program that is not installed: " << program.toStdString();
    EXPECT_EQ(entry.value("Icon"), kAppId) << "the icon files are installed under the app id";
    const QStringList categories = entry.value("Categories").split(u';', Qt::SkipEmptyParts);
    EXPECT_TRUE(categories.contains("Game"));
    EXPECT_TRUE(categories.contains("BoardGame"));
    EXPECT_FALSE(entry.value("Name").isEmpty());
}

TEST_F(InstalledTree, metainfoDescribesThisReleaseAndItsLauncher) {
    const Metainfo m =
        readMetainfo(installed(QStringLiteral("share/metainfo/org.korvex.Korvex.metainfo.xml")));
    EXPECT_EQ(m.id, kAppId);
    EXPECT_EQ(m.launchableType, "desktop-id");
    EXPECT_TRUE(QFileInfo(installed(QStringLiteral("share/applications/") + m.launchable)).isFile())
        << "launchable names no installed desktop entry: " << m.launchable.toStdString();
    EXPECT_EQ(m.binary, QFileInfo(kProgram).fileName());
    // The newest release comes first, and it is the version being installed.
    EXPECT_EQ(m.firstRelease, QStringLiteral(KORVEX_VERSION));
    EXPECT_TRUE(QDate::fromString(m.firstReleaseDate, Qt::ISODate).isValid())
        << m.firstReleaseDate.toStdString();
    EXPECT_TRUE(m.contentRating.startsWith("oars-"));
    EXPECT_TRUE(m.screenshot.startsWith("https://")) << m.screenshot.toStdString();
    EXPECT_EQ(m.projectLicense, "GPL-3.0-or-later");
    EXPECT_FALSE(m.metadataLicense.isEmpty());
}

// The text of an installed gzip file; also checks that it carries no name or time stamp, which
// would make two builds of the same sources differ.
QString gunzip(const QString& file) {
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly)) return {};
    const QByteArray head = in.read(8);
    EXPECT_TRUE(head.size() == 8 && head.mid(4, 4) == QByteArray(4, '\0') && !(head[3] & 0x08))
        << "name or time stamp kept in " << file.toStdString();
    QProcess gzip;
    gzip.start(QStringLiteral("gzip"), {QStringLiteral("-dc"), file});
    if (!gzip.waitForFinished(30000) || gzip.exitCode() != 0) return {};
    return QString::fromUtf8(gzip.readAllStandardOutput());
}

TEST_F(InstalledTree, manualPageAndDebianRecordsNameThisVersionAndTheLicence) {
    const QString manual = gunzip(installed(QStringLiteral("share/man/man6/korvex.6.gz")));
    EXPECT_TRUE(manual.contains(QRegularExpression(QStringLiteral(
        R"(\n\.TH KORVEX 6 "\d{4}-\d\d-\d\d" "Korvex )" KORVEX_VERSION R"(" "Games"\n)"))))
        << manual.left(300).toStdString();
    // Debian's changelog: the newest entry first, for the version installed, signed and dated.
    const QString changelog = gunzip(installed(QStringLiteral("share/doc/korvex/changelog.gz")));
    EXPECT_TRUE(changelog.startsWith(QStringLiteral("korvex (" KORVEX_VERSION ") ")))
        << changelog.left(200).toStdString();
    EXPECT_TRUE(changelog.contains(QRegularExpression(
        QStringLiteral(R"(\n -- [^<\n]+ <[^@>]+@[\w.-]+\.\w+>  \w{3}, \d\d \w{3} \d{4} )"))));
    QFile copyright(installed(QStringLiteral("share/doc/korvex/copyright")));
    ASSERT_TRUE(copyright.open(QIODevice::ReadOnly | QIODevice::Text));
    const QString text = QString::fromUtf8(copyright.readAll());
    EXPECT_TRUE(text.startsWith(QStringLiteral(
        "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/\n")));
    EXPECT_TRUE(text.contains(QStringLiteral("\nFiles: *\n")));
    EXPECT_TRUE(text.contains(QStringLiteral("\nLicense: GPL-3+\n")));
    EXPECT_TRUE(text.contains(QStringLiteral("/usr/share/common-licenses/GPL-3")));
}

TEST_F(InstalledTree, pngIconsHaveTheirNominalSizeAndATransparentBackground) {
    for (int size : kPngSizes) {
        SCOPED_TRACE(size);
        const QImage icon(installed(pngPath(size)));
        ASSERT_FALSE(icon.isNull());
        EXPECT_EQ(icon.size(), QSize(size, size));
        EXPECT_TRUE(icon.hasAlphaChannel());
        // The tile's rounded corner leaves the corner pixel see-through; at the smallest sizes
        // antialiasing tints it a little.
        EXPECT_LT(qAlpha(icon.pixel(0, 0)), 64) << "opaque background";
        EXPECT_LT(qAlpha(icon.pixel(size - 1, size - 1)), 64) << "opaque background";
        EXPECT_EQ(qAlpha(icon.pixel(size / 2, size / 2)), 255);
    }
}

// --- The design: teal tile, white die with a black outline, five black pips. ---------------

enum class Ink { Clear, Teal, White, Black };

struct Probe {
    double x, y;  // as fractions of the icon's size
    Ink ink;
    const char* what;
};

// Points well inside each part of the drawing, so antialiasing at the small sizes cannot blur
// them; the outline is probed only where it is several pixels wide.
const Probe kProbes[] = {
    {0.01, 0.01, Ink::Clear, "outside the tile's rounded corner"},
    {0.08, 0.50, Ink::Teal, "tile left of the die"},
    {0.50, 0.92, Ink::Teal, "tile below the die"},
    {0.50, 0.32, Ink::White, "die between the top pips"},
    {0.32, 0.50, Ink::White, "die between the left pips"},
    {0.68, 0.50, Ink::White, "die between the right pips"},
    {0.50, 0.68, Ink::White, "die between the bottom pips"},
    {0.50, 0.50, Ink::Black, "centre pip"},
    {0.32, 0.32, Ink::Black, "top-left pip"},
    {0.68, 0.32, Ink::Black, "top-right pip"},
    {0.32, 0.68, Ink::Black, "bottom-left pip"},
    {0.68, 0.68, Ink::Black, "bottom-right pip"},
};

bool looksLike(QRgb pixel, Ink ink) {
    const int r = qRed(pixel), g = qGreen(pixel), b = qBlue(pixel), a = qAlpha(pixel);
    switch (ink) {
        case Ink::Clear:
            return a < 16;
        case Ink::Teal:
            return a > 240 && r < 16 && std::abs(g - 128) < 16 && std::abs(b - 128) < 16;
        case Ink::White:
            return a > 240 && r > 220 && g > 220 && b > 220;
        case Ink::Black:
            return a > 200 && r < 48 && g < 48 && b < 48;
    }
    return false;
}

void expectDieDesign(const QImage& icon) {
    ASSERT_FALSE(icon.isNull());
    const int size = icon.width();
    const QImage argb = icon.convertToFormat(QImage::Format_ARGB32);
    for (const Probe& probe : kProbes) {
        const QRgb pixel = argb.pixel(int(probe.x * size), int(probe.y * size));
        EXPECT_TRUE(looksLike(pixel, probe.ink))
            << probe.what << " at " << size << " px is #" << std::hex << pixel;
    }
    if (size >= 128) {
        // Just inside the die's edge, which the outline covers however it is stroked.
        const int edge = int(0.16 * size + size / 128.0);
        EXPECT_TRUE(looksLike(argb.pixel(edge, size / 2), Ink::Black)) << "outline, " << size;
        EXPECT_TRUE(looksLike(argb.pixel(size / 2, edge), Ink::Black)) << "outline, " << size;
    }
}

TEST_F(InstalledTree, paintedIconsShowTheDieOnItsTile) {
    for (int size : {32, 48, 64, 128, 256}) {
        SCOPED_TRACE(size);
        expectDieDesign(QImage(installed(pngPath(size))));
    }
}

#ifdef KORVEX_HAVE_SVG
QImage renderSvg(const QString& file, int size) {
    QSvgRenderer svg(file);
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    if (!svg.isValid()) return {};
    QPainter painter(&image);
    svg.render(&painter, QRectF(0, 0, size, size));
    painter.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

TEST_F(InstalledTree, scalableIconShowsTheDieOnItsTile) {
    for (int size : {48, 256, 512}) {
        SCOPED_TRACE(size);
        expectDieDesign(renderSvg(installed(kSvgPath), size));
    }
}

// The hand-drawn icon and the painted ones must be one picture: a desktop picks whichever
// size suits it, and a mismatch would show as the icon changing shape between views.
TEST_F(InstalledTree, scalableIconMatchesThePaintedOne) {
    constexpr int kSize = 256;
    const QImage drawn = renderSvg(installed(kSvgPath), kSize);
    const QImage painted = QImage(installed(pngPath(kSize))).convertToFormat(QImage::Format_ARGB32);
    ASSERT_FALSE(drawn.isNull());
    ASSERT_EQ(painted.size(), drawn.size());
    int differing = 0;
    for (int y = 0; y < kSize; ++y)
        for (int x = 0; x < kSize; ++x) {
            const QRgb a = drawn.pixel(x, y), b = painted.pixel(x, y);
            const int worst =
                std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                          std::abs(qBlue(a) - qBlue(b)), std::abs(qAlpha(a) - qAlpha(b))});
            if (worst > 64) ++differing;
        }
    // Antialiased edges may disagree by a fraction of a pixel; a shape that differs does not.
    EXPECT_LT(differing, kSize * kSize / 200) << differing << " pixels differ";
}
#endif

}  // namespace
