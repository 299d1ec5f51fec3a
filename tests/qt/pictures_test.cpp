// The drawn pictures: die faces in the usual pip layout, crisp at a doubled device pixel ratio
// (no grey steps along the straight outline, solid pips), a held die's frame, and the icon.

#include "ui/qt/pictures.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "ui/qt/element_widgets.h"

namespace korvex {
namespace {

QImage dieImage(int pips, double ratio, int border = 0) {
    PictureWidget die(PictureKind::DieFace, pips, nullptr);
    die.resize(37, 37);
    die.setBorder(border);
    QImage image(QSize(37, 37) * ratio, QImage::Format_ARGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(QColor(0, 128, 128));
    die.render(&image);
    return image;
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

// A held die sits in a sunken frame; its face keeps its size and moves in by the frame.
TEST(DieFacePicture, heldDieSitsInASunkenFrameWithItsFaceUnscaled) {
    const QImage free = dieImage(1, 1, 0);
    const QImage held = dieImage(1, 1, 1);
    EXPECT_EQ(held.pixel(18, 0), qRgb(128, 128, 128));
    EXPECT_TRUE(isBlack(held.pixel(18, 1)));
    EXPECT_TRUE(isBlack(held.pixel(18, 2)));  // the face's own outline, moved in by two
    EXPECT_TRUE(isWhite(held.pixel(18, 4)));
    EXPECT_EQ(held.pixel(18, 36), qRgb(255, 255, 255));
    EXPECT_EQ(held.pixel(18, 35), qRgb(192, 192, 192));
    // The pip is as wide as on a free die: the face is moved, not scaled.
    auto pipWidth = [](const QImage& image, int row) {
        int n = 0;
        for (int x = 5; x < 32; ++x) n += isBlack(image.pixel(x, row));
        return n;
    };
    EXPECT_EQ(pipWidth(held, 20), pipWidth(free, 18));
    EXPECT_GT(pipWidth(free, 18), 2);
    EXPECT_TRUE(isBlack(held.pixel(20, 20)));
}

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
