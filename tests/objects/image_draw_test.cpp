#include "draw_support.h"
#include "picture_test_support.h"

#include "objects/object_archive.h"

#include <gtest/gtest.h>

namespace {

// A picture placed at (x, y) with its natural size.
std::unique_ptr<CImage> Picture(CRasterImage image, int x, int y) {
    auto picture = std::make_unique<CImage>(x, y);
    picture->SetImage(std::move(image));
    picture->ResolveNaturalSize();
    return picture;
}

} // namespace

TEST(PictureDraw, NaturalSizeIsOnePixelPerPixelAndDrawingNeverSetsIt) {
    // Drawing does not write to the picture: one of unknown size draws nothing.
    CImage unknown(254, -254);
    unknown.SetImage(SolidImage(40, 30, 0xFF0000));
    const QImage blank = PaintObject(unknown, AtZoom(1.0f), {100, 100});
    EXPECT_EQ(unknown.Width(), -1);
    EXPECT_EQ(unknown.Height(), -1);
    EXPECT_EQ(Ink(blank, blank.rect()), 0);

    auto picture = Picture(SolidImage(40, 30, 0xFF0000), 254, -254); // at (10, 10) px
    const QImage painted = PaintObject(*picture, AtZoom(1.0f), {100, 100});
    const UnitConversion units;
    EXPECT_EQ(picture->Width(), units.PixelsToUnits(40));
    EXPECT_EQ(picture->Height(), -units.PixelsToUnits(30));
    EXPECT_EQ(Ink(painted, painted.rect()), 40 * 30);
    EXPECT_EQ(Ink(painted, QRect(10, 10, 40, 30)), 40 * 30);
    EXPECT_EQ(Pixel(painted, 10, 10), 0xFF0000u);

    // The size stays; at zoom 2 it covers four times the pixels (508 units
    // are 19.2 pixels, truncated).
    const QImage zoomed = PaintObject(*picture, AtZoom(2.0f), {200, 200});
    EXPECT_EQ(Ink(zoomed, QRect(19, 19, 80, 60)), 80 * 60);
    EXPECT_EQ(Ink(zoomed, zoomed.rect()), 80 * 60);
}

TEST(PictureDraw, TransparencyAndTransparentColour) {
    // Transparency 127 draws at opacity 128 over white.
    auto half = Picture(SolidImage(10, 10, 0x0000FF), 0, 0);
    half->SetTransparency(127);
    const QRgb mixed = PaintObject(*half, AtZoom(1.0f), {20, 20}).pixel(5, 5);
    EXPECT_EQ(qRed(mixed), (255 * 127) >> 8);
    EXPECT_EQ(qBlue(mixed), (255 * 128 + 255 * 127) >> 8);

    // With the option on, pixels of the transparent colour leave the face showing.
    CRasterImage keyed = SolidImage(10, 10, 0x00FF00);
    keyed.WritePixel(0, 9, RgbQuad{0, 0, 255, 0}); // top-left pixel red
    auto picture = Picture(std::move(keyed), 0, 0);
    picture->SetTransparentColour(0x0000FF); // red as 0x00BBGGRR
    EXPECT_EQ(Pixel(PaintObject(*picture, AtZoom(1.0f), {20, 20}), 0, 0), 0xFF0000u);
    picture->SetTransparentColourOption(true);
    const QImage keyedOut = PaintObject(*picture, AtZoom(1.0f), {20, 20});
    EXPECT_EQ(Pixel(keyedOut, 0, 0), 0xFFFFFFu);
    EXPECT_EQ(Pixel(keyedOut, 1, 0), 0x00FF00u);
}

TEST(PictureDraw, HitTestAndDrawToBitmap) {
    CImage picture(1000, -1000, 3000, -2000);
    picture.SetImage(SolidImage(4, 4, 0x123456));
    EXPECT_TRUE(picture.HitTest(1500, -1500, 1.0f));
    EXPECT_FALSE(picture.HitTest(3500, -1500, 1.0f));
    EXPECT_TRUE(picture.HitTest(3500, -2500, 2.0f));

    QImage buffer(120, 120, QImage::Format_BGR888);
    buffer.fill(Qt::white);
    ASSERT_TRUE(picture.DrawToBitmap(buffer, 0, 0, 1.0f, UnitConversion{}));
    const QRect area(38, 38, 76, 38); // 1000..3000 units across, 1000..2000 down
    EXPECT_EQ(buffer.pixel(area.center()) & 0xFFFFFF, 0x123456u);
    EXPECT_EQ(buffer.pixel(10, 10) & 0xFFFFFF, 0xFFFFFFu);
}

TEST(PictureDraw, AbsurdSizesFromFilesDrawNothing) {
    CImage picture(0, 0, 2000000000, -2000000000);
    picture.SetImage(SolidImage(4, 4, 0x000000));
    picture.SetTransparency(-2147483647 - 1);
    const QImage painted = PaintObject(picture, AtZoom(4.0f), {50, 50});
    EXPECT_EQ(Ink(painted, painted.rect()), 0);
}
