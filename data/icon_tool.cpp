// SPDX-License-Identifier: GPL-3.0-or-later
// Paints the program's icon into the PNG files of the hicolor theme at build time, with the
// same painting code the running game uses for its window icon, so the two never drift apart.
//
// Usage: korvex-icon-tool OUTDIR SIZE...
// writes OUTDIR/<SIZE>x<SIZE>/apps/org.korvex.Korvex.png for every SIZE.

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTextStream>

#include "ui/qt/pictures.h"

namespace {

constexpr int kSmallest = 8;
constexpr int kLargest = 1024;

QImage paintIcon(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    korvex::paintAppIcon(painter, QRectF(0, 0, size, size));
    painter.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

// Writes one size; returns an error text, empty on success.
QString writeIcon(const QString& outDir, const QString& sizeText) {
    bool ok = false;
    const int size = sizeText.toInt(&ok);
    if (!ok || size < kSmallest || size > kLargest)
        return QStringLiteral("not an icon size between %1 and %2: \"%3\"")
            .arg(kSmallest)
            .arg(kLargest)
            .arg(sizeText);
    const QString dir = QStringLiteral("%1/%2x%2/apps").arg(outDir).arg(size);
    if (!QDir().mkpath(dir)) return QStringLiteral("cannot create %1").arg(dir);
    const QString file = dir + QStringLiteral("/org.korvex.Korvex.png");
    if (!paintIcon(size).save(file, "PNG")) return QStringLiteral("cannot write %1").arg(file);
    return {};
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList args = app.arguments();
    if (args.size() < 3) {
        err << "usage: korvex-icon-tool OUTDIR SIZE...\n";
        return 2;
    }
    for (qsizetype i = 2; i < args.size(); ++i) {
        const QString error = writeIcon(args.at(1), args.at(i));
        if (!error.isEmpty()) {
            err << "korvex-icon-tool: " << error << "\n";
            return 1;
        }
    }
    return 0;
}
