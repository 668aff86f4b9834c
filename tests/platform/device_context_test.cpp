#include "platform/device_context.h"
#include "platform/scaling.h"

#include <QFontInfo>
#include <QFontMetrics>

#include <gtest/gtest.h>

namespace {
QImage WhiteImage(int w, int h) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

QRgb At(const QImage& image, int x, int y) {
    return image.pixel(x, y) & 0xFFFFFF;
}

constexpr QRgb kWhite = 0xFFFFFF;
constexpr QRgb kBlack = 0x000000;
constexpr QRgb kRed = 0xFF0000; // as QRgb (0xRRGGBB)

int CountNonWhite(const QImage& image, const QRect& area) {
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            n += At(image, x, y) != kWhite;
    return n;
}
} // namespace

TEST(UnitConversion, RoundsLikeTheMetricMapping) {
    const UnitConversion c;
    struct Case {
        int units, pixels;
    };
    for (const Case& k : {Case{0, 0}, Case{2540, 96}, Case{100, 4}, Case{500, 19}, Case{800, 30},
                          Case{-800, -30}, Case{13, 0}, Case{14, 1}, Case{-14, -1}})
        EXPECT_EQ(c.UnitsToPixels(k.units), k.pixels) << k.units;
    EXPECT_EQ(c.PixelsToUnits(1), 26);
    EXPECT_EQ(c.PixelsToUnits(10), 265);
    EXPECT_EQ(c.LogicalToDevice({2540, -2540}), QPoint(96, 96));
    EXPECT_EQ(c.DeviceToLogical({96, 96}), QPoint(2540, -2540));
    EXPECT_EQ(c.UnitsToPixels(INT32_MAX), 81164736);
    EXPECT_EQ(ScaleCoordinate(500, 2.0f), 1000);
    EXPECT_EQ(ScaleCoordinate(-333, 0.4f), -133);            // truncated toward zero
    EXPECT_EQ(ScaleCoordinate(INT32_MAX, 4.0f), 2147483520); // clamped, not undefined
}

TEST(DeviceContext, RectangleCoversLeftTopToRightBottomExclusive) {
    QImage image = WhiteImage(40, 40);
    {
        CDeviceContext dc(image);
        dc.SelectPen(Pen{PenStyle::Solid, 0, Rgb(0, 0, 0)});
        dc.SelectBrush(Brush::Solid(Rgb(255, 0, 0)));
        dc.Rectangle(10, 10, 20, 20);
    }
    EXPECT_EQ(At(image, 10, 10), kBlack);
    EXPECT_EQ(At(image, 19, 19), kBlack);
    EXPECT_EQ(At(image, 19, 10), kBlack);
    EXPECT_EQ(At(image, 15, 15), kRed);
    EXPECT_EQ(At(image, 20, 20), kWhite);
    EXPECT_EQ(At(image, 9, 15), kWhite);
    EXPECT_EQ(At(image, 15, 20), kWhite);
}

TEST(DeviceContext, MetricMappingHasYUpAndAViewportOrigin) {
    QImage image = WhiteImage(200, 200);
    {
        CDeviceContext dc(image);
        dc.SetMapMode(MapMode::HiMetric);
        dc.SetViewportOrigin({50, 50});
        EXPECT_EQ(dc.LPtoDP({2540, -2540}), QPoint(146, 146));
        EXPECT_EQ(dc.DPtoLP({146, 146}), QPoint(2540, -2540));
        dc.FillRect(0, 0, 2540, -2540, Brush::Solid(0));
    }
    EXPECT_EQ(At(image, 50, 50), kBlack);
    EXPECT_EQ(At(image, 145, 145), kBlack);
    EXPECT_EQ(At(image, 146, 146), kWhite);
    EXPECT_EQ(At(image, 49, 50), kWhite);
}

TEST(DeviceContext, PenWidthInPixelsSurvivesTheRoundTripThroughLogicalUnits) {
    QImage image = WhiteImage(100, 100);
    {
        CDeviceContext dc(image);
        dc.SetMapMode(MapMode::HiMetric);
        const int logical = dc.DPtoLPSize(QSize(5, 5)).width();
        dc.SelectPen(Pen{PenStyle::Solid, logical, 0});
        dc.SelectBrush(Brush::Null());
        dc.Rectangle(500, -500, 2000, -2000);
    }
    // A 5-pixel pen centred on the left edge at x = 19.
    int dark = 0;
    for (int x = 10; x < 30; ++x)
        dark += At(image, x, 50) == kBlack;
    EXPECT_EQ(dark, 5);
}

TEST(DeviceContext, InvertingTwiceRestoresThePicture) {
    QImage image = WhiteImage(50, 50);
    image.setPixel(12, 12, qRgb(10, 200, 30));
    const QImage before = image.copy();
    {
        CDeviceContext dc(image);
        dc.SetROP2(RasterOp::Invert);
        dc.SelectPen(Pen{PenStyle::Solid, 0, 0xFFFFFF});
        dc.SelectBrush(Brush::Null());
        dc.Rectangle(10, 10, 30, 30);
        EXPECT_EQ(At(image, 29, 10), kBlack); // white inverted, pen colour ignored
        dc.SetPixel(12, 12, 0);
        dc.Rectangle(10, 10, 30, 30);
        dc.SetPixel(12, 12, 0);
    }
    EXPECT_EQ(image, before);
}

TEST(DeviceContext, LinesLeaveOutTheirEndPoint) {
    QImage image = WhiteImage(30, 30);
    {
        CDeviceContext dc(image);
        dc.SelectPen(Pen{PenStyle::Solid, 0, 0});
        dc.MoveTo(2, 5);
        dc.LineTo(12, 5);
    }
    EXPECT_EQ(At(image, 2, 5), kBlack);
    EXPECT_EQ(At(image, 11, 5), kBlack);
    EXPECT_EQ(At(image, 12, 5), kWhite);
}

TEST(DeviceContext, ClipRegionKeepsTheRingOfADisc) {
    QImage image = WhiteImage(100, 100);
    {
        CDeviceContext dc(image);
        const CRegion ring =
            CRegion::Combined(CRegion::Ellipse(0, 0, 100, 100), CRegion::Ellipse(40, 40, 60, 60),
                              CRegion::Combine::Difference);
        dc.SelectClipRegion(&ring);
        dc.FillRect(0, 0, 100, 100, Brush::Solid(0));
        dc.SelectClipRegion(nullptr);
    }
    EXPECT_EQ(At(image, 50, 50), kWhite); // hole
    EXPECT_EQ(At(image, 2, 2), kWhite);   // corner
    EXPECT_EQ(At(image, 97, 97), kWhite);
    EXPECT_EQ(At(image, 50, 10), kBlack); // ring
    EXPECT_EQ(At(image, 25, 50), kBlack);
    for (int y = 0; y < 100; ++y) // no grey edge pixels: the clip is hard
        for (int x = 0; x < 100; ++x)
            ASSERT_TRUE(At(image, x, y) == kWhite || At(image, x, y) == kBlack) << x << "," << y;
}

TEST(DeviceContext, DiagonalCrossHatchRepeatsEveryEightPixels) {
    QImage image = WhiteImage(32, 32);
    {
        CDeviceContext dc(image);
        dc.FillRect(0, 0, 32, 32, Brush::Hatched(HatchStyle::DiagonalCross, Rgb(191, 191, 191)));
    }
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            const bool ink = (x % 8) == (y % 8) || (x % 8) == 7 - (y % 8);
            ASSERT_EQ(At(image, x, y), ink ? 0xBFBFBFu : kWhite) << x << "," << y;
        }
}

TEST(DeviceContext, BitBltCopiesAndRespectsTheClip) {
    QImage source = WhiteImage(20, 20);
    source.fill(Qt::black);
    QImage target = WhiteImage(40, 40);
    {
        CDeviceContext from(source);
        CDeviceContext to(target);
        const CRegion clip = CRegion::Rectangle(10, 10, 15, 40);
        to.SelectClipRegion(&clip);
        to.BitBlt({5, 5}, {20, 20}, from, {0, 0});
    }
    EXPECT_EQ(At(target, 12, 12), kBlack);
    EXPECT_EQ(At(target, 6, 12), kWhite);  // left of the clip
    EXPECT_EQ(At(target, 16, 12), kWhite); // right of the clip
    EXPECT_EQ(At(target, 12, 24), kBlack);
    EXPECT_EQ(At(target, 12, 25), kWhite); // below the copy
}

TEST(FontMapper, PositiveHeightIsTheCellHeightAndArialResolves) {
    LOGFONTA record;
    record.SetFaceName(QStringLiteral("Arial"));
    for (int cell : {10, 20, 37, 100}) {
        const auto font = MapLogFont(record, cell);
        ASSERT_TRUE(font);
        const QFontMetrics m(font->font);
        EXPECT_NEAR(m.ascent() + m.descent(), cell, 1 + cell / 20) << cell;
    }
    const auto font = MapLogFont(record, 20);
    EXPECT_EQ(QFontInfo(font->font).family(), QStringLiteral("Liberation Sans"));
}

TEST(FontMapper, StyleBitsAndUnusableRecords) {
    LOGFONTA record;
    record.SetFaceName(QStringLiteral("Arial"));
    record.lfWeight = kFwBold;
    record.lfItalic = 1;
    record.lfUnderline = 1;
    record.lfEscapement = 900;
    const auto font = MapLogFont(record, -12);
    ASSERT_TRUE(font);
    EXPECT_EQ(font->font.pixelSize(), 12);
    EXPECT_TRUE(font->font.bold());
    EXPECT_TRUE(font->font.italic());
    EXPECT_TRUE(font->font.underline());
    EXPECT_EQ(font->escapement, 900);

    EXPECT_FALSE(MapLogFont(record, 5'000'000));
    record.lfFaceName.fill('x'); // no terminator
    EXPECT_FALSE(MapLogFont(record, 12));
    record.SetFaceName(QStringLiteral("No Such Face At All"));
    EXPECT_TRUE(MapLogFont(record, 12)); // fontconfig substitutes a face
}

TEST(DeviceContext, EscapementTurnsTextCounterClockwise) {
    QImage image = WhiteImage(200, 200);
    {
        CDeviceContext dc(image);
        LOGFONTA record;
        record.SetFaceName(QStringLiteral("Arial"));
        record.lfHeight = 20;
        record.lfEscapement = 900;
        dc.SelectFont(*dc.CreateFont(record));
        dc.SetBkMode(BackgroundMode::Transparent);
        dc.TextOut(100, 100, QStringLiteral("HHHHHH"));
    }
    // Turned a quarter left about the cell's top-left corner: the line runs
    // upward from the point and the cell lies to its right.
    EXPECT_GT(CountNonWhite(image, QRect(100, 30, 22, 70)), 50);
    EXPECT_EQ(CountNonWhite(image, QRect(0, 0, 98, 200)), 0);
    EXPECT_EQ(CountNonWhite(image, QRect(0, 102, 200, 98)), 0);
}

TEST(DeviceContext, GetTextExtentIsInLogicalUnits) {
    QImage image = WhiteImage(10, 10);
    CDeviceContext dc(image);
    dc.SetMapMode(MapMode::HiMetric);
    LOGFONTA record;
    record.SetFaceName(QStringLiteral("Arial"));
    record.lfHeight = 529; // 20 pixels
    dc.SelectFont(*dc.CreateFont(record));
    const QSize extent = dc.GetTextExtent(QStringLiteral("Hello"));
    EXPECT_NEAR(extent.height(), 529, 30);
    EXPECT_GT(extent.width(), 800);
    EXPECT_LT(extent.width(), 1600);
}

TEST(DeviceContext, StretchBltScalesTheSource) {
    QImage source = WhiteImage(2, 2);
    source.setPixel(0, 0, qRgb(0, 0, 0));
    QImage target = WhiteImage(8, 8);
    {
        CDeviceContext from(source);
        CDeviceContext to(target);
        to.StretchBlt(QRect(0, 0, 8, 8), from, QRect(0, 0, 2, 2));
    }
    EXPECT_EQ(At(target, 0, 0), kBlack);
    EXPECT_EQ(At(target, 3, 3), kBlack);
    EXPECT_EQ(At(target, 4, 4), kWhite);
    EXPECT_EQ(At(target, 5, 1), kWhite);
}

TEST(DeviceContext, ArcRunsCounterClockwiseFromStartToEnd) {
    QImage image = WhiteImage(100, 100);
    {
        CDeviceContext dc(image);
        dc.SelectPen(Pen{PenStyle::Solid, 0, 0});
        // From the right-hand ray to the top ray: the upper-right quarter only.
        dc.Arc(10, 10, 90, 90, 95, 50, 50, 0);
    }
    EXPECT_GT(CountNonWhite(image, QRect(50, 0, 50, 50)), 30);
    EXPECT_EQ(CountNonWhite(image, QRect(0, 52, 100, 48)), 0);
    EXPECT_EQ(CountNonWhite(image, QRect(0, 0, 48, 100)), 0);
}

TEST(DeviceContext, DashedPensLeaveGaps) {
    QImage image = WhiteImage(100, 10);
    {
        CDeviceContext dc(image);
        dc.SelectPen(Pen{PenStyle::Dash, 0, 0});
        dc.MoveTo(0, 5);
        dc.LineTo(100, 5);
    }
    const int ink = CountNonWhite(image, QRect(0, 5, 100, 1));
    EXPECT_GT(ink, 30);
    EXPECT_LT(ink, 90);
}
