// SPDX-License-Identifier: GPL-3.0-or-later
// The drawn pictures: die faces in the usual pip layout, crisp at a doubled device pixel ratio
// (no grey steps along the straight outline, solid pips), a held die's frame, and the icon.

#include "ui/qt/pictures.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <array>
#include <cmath>
#include <functional>

#include "ui/qt/element_widgets.h"

namespace korvex {
namespace {

const QRgb kBoard = qRgb(0, 128, 128);

// The whole die widget on the teal board: the face and the margin its hold frame may take.
QImage dieWidgetImage(int pips, double ratio, int border) {
    PictureWidget die(PictureKind::DieFace, pips, nullptr);
    die.setPictureGeometry(QRect(0, 0, 37, 37));
    die.setBorder(border);
    QImage image(QSizeF(die.size() * ratio).toSize(), QImage::Format_ARGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(kBoard);
    // As on the board: the widget paints no background of its own, so the board shows through.
    die.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

// Just the face, as the layout places it.
QImage dieImage(int pips, double ratio) {
    const QImage whole = dieWidgetImage(pips, ratio, 0);
    const int offset = int(std::lround(kHoldFrameMargin * ratio));
    return whole.copy(offset, offset, int(37 * ratio), int(37 * ratio));
}

bool isBlack(QRgb p) {
    return qRed(p) < 40 && qGreen(p) < 40 && qBlue(p) < 40;
}
bool isWhite(QRgb p) {
    return p == qRgb(255, 255, 255);
}

// Where each face has pips, on a 3 × 3 grid read row by row from the top left.
struct FaceCase {
    int pips;
    const char* grid;
};

class DieFaceLayout : public ::testing::TestWithParam<FaceCase> {};

TEST_P(DieFaceLayout, pipsSitInTheUsualPlaces) {
    const FaceCase c = GetParam();
    const QImage image = dieImage(c.pips, 1);
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 3; ++col) {
            const QPoint spot(qRound(37 * (0.25 + 0.25 * col)), qRound(37 * (0.25 + 0.25 * row)));
            const bool pip = c.grid[row * 3 + col] == 'o';
            EXPECT_EQ(isBlack(image.pixel(spot)), pip)
                << c.pips << " pips, row " << row << " col " << col;
            if (!pip) {
                EXPECT_TRUE(isWhite(image.pixel(spot)));
            }
        }
}

INSTANTIATE_TEST_SUITE_P(Faces, DieFaceLayout,
                         ::testing::Values(FaceCase{1, "....o...."}, FaceCase{2, "..o...o.."},
                                           FaceCase{3, "..o.o.o.."}, FaceCase{4, "o.o...o.o"},
                                           FaceCase{5, "o.o.o.o.o"}, FaceCase{6, "o.oo.oo.o"}));

TEST(DieFacePicture, outlineIsCrispAtDoublePixelRatio) {
    const QImage image = dieImage(6, 2);
    ASSERT_EQ(image.size(), QSize(74, 74));
    // Along every edge: two device pixels of black, then white, and nothing in between.
    for (int i = 4; i < 70; ++i) {
        for (int d : {0, 1}) {
            EXPECT_TRUE(isBlack(image.pixel(i, d))) << i;
            EXPECT_TRUE(isBlack(image.pixel(i, 73 - d))) << i;
            EXPECT_TRUE(isBlack(image.pixel(d, i))) << i;
            EXPECT_TRUE(isBlack(image.pixel(73 - d, i))) << i;
        }
        EXPECT_TRUE(isWhite(image.pixel(i, 2))) << i;
        EXPECT_TRUE(isWhite(image.pixel(i, 71))) << i;
    }
    // A row through no pip: only pure black or pure white, no half-tone step.
    for (int x = 0; x < 74; ++x) {
        const QRgb p = image.pixel(x, 9);
        EXPECT_TRUE(isBlack(p) || isWhite(p)) << x;
    }
}

TEST(DieFacePicture, pipsAreSolidAtDoublePixelRatio) {
    const QImage image = dieImage(5, 2);
    const double radius = 37 * 0.19 / 2 * 2;  // device pixels
    for (QPointF centre : {QPointF(0.25, 0.25), QPointF(0.5, 0.5), QPointF(0.75, 0.75)}) {
        const QPointF c = centre * 74;
        for (int dy = -int(radius) + 2; dy <= int(radius) - 2; ++dy)
            for (int dx = -int(radius) + 2; dx <= int(radius) - 2; ++dx)
                if (dx * dx + dy * dy <= (radius - 1.5) * (radius - 1.5))
                    EXPECT_TRUE(isBlack(image.pixel(int(c.x()) + dx, int(c.y()) + dy)))
                        << dx << "," << dy;
    }
}

// What a held die shows beyond a free one: a solid dark frame on all four sides, apart from the
// face's outline by a strip of board, and nothing else; the face itself is untouched.
class HeldDieFrame : public ::testing::TestWithParam<double> {};

TEST_P(HeldDieFrame, solidLineApartFromTheFaceOnEverySide) {
    const double ratio = GetParam();
    const QImage free = dieWidgetImage(2, ratio, 0);
    const QImage held = dieWidgetImage(2, ratio, 1);
    ASSERT_EQ(free.size(), held.size());
    for (int y = 0; y < held.height(); ++y)
        for (int x = 0; x < held.width(); ++x)
            if (held.pixel(x, y) != free.pixel(x, y)) {
                ASSERT_EQ(free.pixel(x, y), kBoard) << x << "," << y;
                ASSERT_EQ(held.pixel(x, y), qRgb(0, 0, 0)) << x << "," << y;
            }
    // From the middle of the die out to each edge: face, outline, board, frame, in that order.
    const int mid = held.width() / 2, last = held.width() - 1;
    const std::array<std::function<QRgb(const QImage&, int)>, 4> sides = {
        [&](const QImage& i, int d) { return i.pixel(mid, d); },
        [&](const QImage& i, int d) { return i.pixel(mid, last - d); },
        [&](const QImage& i, int d) { return i.pixel(d, mid); },
        [&](const QImage& i, int d) { return i.pixel(last - d, mid); }};
    for (const auto& at : sides) {
        QString heldRun, freeRun;
        for (int d = 0; d < mid; ++d) {
            const QChar h = at(held, d) == kBoard ? 't' : isBlack(at(held, d)) ? 'k' : 'w';
            const QChar f = at(free, d) == kBoard ? 't' : isBlack(at(free, d)) ? 'k' : 'w';
            if (heldRun.isEmpty() || heldRun.back() != h) heldRun += h;
            if (freeRun.isEmpty() || freeRun.back() != f) freeRun += f;
        }
        EXPECT_TRUE(heldRun == "ktkw" || heldRun == "tktkw") << heldRun.toStdString();
        EXPECT_EQ(freeRun, "tkw");
    }
}

INSTANTIATE_TEST_SUITE_P(Ratios, HeldDieFrame, ::testing::Values(1.0, 1.5, 2.0));

TEST(RollFacePicture, tealFaceWithDarkPipsStretchedToItsBox) {
    QImage image(20, 20, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    paintRollFace(painter, QRectF(0, 0, 20, 20), 3);
    painter.end();
    EXPECT_EQ(image.pixel(10, 3), qRgb(0, 128, 128));
    EXPECT_TRUE(isBlack(image.pixel(10, 10)));  // middle pip of three
    EXPECT_TRUE(isBlack(image.pixel(5, 15)));   // bottom left
    EXPECT_EQ(image.pixel(5, 5), qRgb(0, 128, 128));
}

TEST(AppIconPicture, tealRoundedSquareWithAWhiteFiveFace) {
    const int size = 96;
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    paintAppIcon(painter, QRectF(0, 0, size, size));
    painter.end();
    EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0);  // rounded corner
    EXPECT_EQ(image.pixel(48, 4), qRgb(0, 128, 128));
    EXPECT_TRUE(isBlack(image.pixel(48, 48)));            // centre pip
    EXPECT_TRUE(isBlack(image.pixel(48 - 17, 48 - 17)));  // pips at ±0.18 size
    EXPECT_TRUE(isBlack(image.pixel(48 + 17, 48 + 17)));
    EXPECT_TRUE(isWhite(image.pixel(48, 48 - 17)));                       // no pip above the centre
    EXPECT_TRUE(isBlack(image.pixel(48, 48 - qRound(size * 0.34) + 1)));  // outline
}

TEST(AppIconPicture, iconOffersTheUsualSizes) {
    const QIcon icon = appIcon();
    const QList<QSize> sizes = icon.availableSizes();
    for (int s : {16, 32, 48, 256}) EXPECT_TRUE(sizes.contains(QSize(s, s))) << s;
}

TEST(CaptionText, plainCaptionAndWrapping) {
    EXPECT_EQ(plainCaption("&OK"), "OK");
    EXPECT_EQ(plainCaption("Save Score && Roll Again"), "Save Score & Roll Again");
    EXPECT_EQ(plainCaption("A&&&B"), "A&B");
    QFont font("Liberation Sans");
    font.setPixelSize(11);
    const QFontMetrics metrics(font);
    EXPECT_EQ(wrappedCaption("Roll", metrics, 70), "Roll");
    const QString wrapped = wrappedCaption("Save Score && Roll Again", metrics, 70);
    EXPECT_TRUE(wrapped.contains('\n'));
    EXPECT_EQ(QString(wrapped).replace('\n', ' '), "Save Score && Roll Again");
    // A word wider than the button keeps a line of its own rather than vanishing.
    EXPECT_EQ(wrappedCaption("Extraordinarily long", metrics, 20), "Extraordinarily\nlong");
}

}  // namespace
}  // namespace korvex
