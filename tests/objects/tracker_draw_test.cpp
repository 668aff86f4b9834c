#include "draw_support.h"
#include "objects/cir_text.h"
#include "objects/shape.h"

#include <gtest/gtest.h>

namespace {
// Draws an object's tracker on a white pixel-mapped image at offset (20, 20).
QImage Tracker(const CBaseObject& object, unsigned step, bool handles) {
    RenderContext context;
    context.animationStep = step;
    QImage image(300, 300, QImage::Format_RGB32);
    image.fill(Qt::white);
    CDeviceContext dc(image, &context);
    object.DrawTracker(dc, 20, 20, handles);
    return image;
}

bool Black(const QImage& image, int x, int y) {
    return Pixel(image, x, y) == 0;
}
} // namespace

TEST(TrackerDraw, DashesFollowTheAnimationStepPixelForPixel) {
    // 2540 x 2540 units is 96 x 96 pixels: L = T = 20, R = B = 116.
    CShape shape(0, 0, 2540, -2540, CShape::kRectangle, 0, 0);
    for (unsigned step : {0u, 1u, 5u, 1000u}) {
        const QImage image = Tracker(shape, step, false);
        const int l = 20, t = 20, r = 116, b = 116;
        // The left edge, drawn last, owns the top-left corner.
        for (int x = l; x < r; ++x) {
            if (x > l) {
                ASSERT_EQ(Black(image, x, t), (x + step + t) % 6 > 2) << "top " << x;
            }
            ASSERT_EQ(Black(image, x, b), (unsigned(x + b) - step) % 6 > 2) << "bottom " << x;
        }
        for (int y = t; y < b; ++y) {
            ASSERT_EQ(Black(image, r, y), (r + step + y) % 6 > 2) << "right " << y;
            ASSERT_EQ(Black(image, l, y), (unsigned(l + y) - step) % 6 > 2) << "left " << y;
        }
        // The bottom-right corner is every edge's left-out end point.
        EXPECT_EQ(Pixel(image, r, b), 0xFFFFFFu);
    }
}

TEST(TrackerDraw, HandlesAreInvertedSixBySixSquares) {
    CShape shape(0, 0, 2540, -2540, CShape::kRectangle, 0, 0);
    const QImage image = Tracker(shape, 0, true);
    // Handle 4 at (116, 116): pixels 113..118 in both directions are inverted.
    for (int y = 113; y <= 118; ++y)
        for (int x = 113; x <= 118; ++x)
            ASSERT_TRUE(Black(image, x, y) || (x <= 116 && y <= 116 && (x == 116 || y == 116)))
                << x << "," << y;
    EXPECT_FALSE(Black(image, 119, 116));
    EXPECT_FALSE(Black(image, 116, 119));
    EXPECT_FALSE(Black(image, 112, 112));
    // Handle 1 sits at the middle of the top edge, (68, 20).
    EXPECT_TRUE(Black(image, 65, 17));
    EXPECT_FALSE(Black(image, 64, 17));
    EXPECT_FALSE(Black(image, 65, 23));
}

TEST(TrackerDraw, RoundRectangleAddsTheCornerHandle) {
    CShape shape(0, 0, 2540, -2540, CShape::kRoundRect, 0, 0);
    const QImage without = Tracker(shape, 0, false);
    const QImage with = Tracker(shape, 0, true);
    // Centre: (2540 - 500, -500) -> (77, 19) + 20.
    EXPECT_FALSE(Black(without, 97, 39));
    EXPECT_TRUE(Black(with, 97, 39));
    EXPECT_TRUE(Black(with, 94, 36));
    EXPECT_FALSE(Black(with, 100, 42));
}

TEST(TrackerDraw, CircularTextDrawsItsBandAndALineToTheCentre) {
    CCirText text({3000, -3000}, 2000.0, 0.0, 0, QStringLiteral("circle"), 1, 0, UnitConversion{},
                  1.0f);
    QImage canvas = PaintObject(text, AtZoom(1.0f));
    const QImage plain = Tracker(text, 0, false);
    const QImage band = Tracker(text, 0, true);
    // The dotted line runs from the centre (113 + 20) straight up to the text.
    const int cx = UnitConversion{}.UnitsToPixels(3000) + 20;
    int dotted = 0;
    for (int y = 60; y < 130; ++y)
        dotted += Black(plain, cx, y);
    EXPECT_GT(dotted, 20);
    // With handles the band around the text adds inverted arcs above the line.
    EXPECT_GT(Ink(band, QRect(0, 0, 300, 300)), Ink(plain, QRect(0, 0, 300, 300)) + 40);
    // Not even on the corners of its rectangle.
    const UnitConversion units;
    for (QPoint corner :
         {QPoint(text.X(), text.Y()), QPoint(text.X() + text.Width(), text.Y() + text.Height())})
        EXPECT_EQ(text.HitTestHandle(units.LogicalToDevice(corner), 1.0f, units), -1);
}
