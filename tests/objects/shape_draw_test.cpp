#include "draw_support.h"
#include "objects/shape.h"

#include <gtest/gtest.h>

namespace {
// 0x00BBGGRR colours and what the image reads back.
constexpr quint32 kFillRed = 0x0000FF;
constexpr QRgb kRed = 0xFF0000;

// Device pixel of a logical point at 96 pixels per inch.
int Px(int units) {
    return UnitConversion{}.UnitsToPixels(units);
}
} // namespace

TEST(ShapeDraw, LineWidthZeroLeavesNoOutlineOfAnotherColour) {
    for (int kind : {CShape::kRectangle, CShape::kRoundRect, CShape::kEllipse, CShape::kDiamond}) {
        CShape shape(1000, -1000, 5000, -4000, kind, kFillRed, 0x000000);
        shape.SetLineWidth(0);
        const QImage image = PaintObject(shape, AtZoom(1.0f));
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QRgb p = Pixel(image, x, y);
                ASSERT_TRUE(p == kRed || p == 0xFFFFFF) << kind << " at " << x << "," << y;
            }
        EXPECT_EQ(Pixel(image, Px(3000), Px(2500)), kRed) << kind;
    }
    // With a width of 1 the edge takes the line colour.
    CShape outlined(1000, -1000, 5000, -4000, CShape::kRectangle, kFillRed, 0x000000);
    const QImage image = PaintObject(outlined, AtZoom(1.0f));
    EXPECT_EQ(Pixel(image, Px(1000), Px(2500)), 0x000000u);
    EXPECT_EQ(Pixel(image, Px(1000) + 1, Px(2500)), kRed);
}

TEST(ShapeDraw, RoundCornersScaleWithTheZoom) {
    // Where the top edge's fill starts: the horizontal extent of the corner.
    const auto cornerRun = [](float zoom) {
        CShape shape(0, 0, 4000, -3000, CShape::kRoundRect, kFillRed, 0x000000);
        const QImage image = PaintObject(shape, AtZoom(zoom), {400, 300});
        int x = 0;
        while (x < image.width() && Pixel(image, x, 0) == 0xFFFFFF)
            ++x;
        return x;
    };
    const int at1 = cornerRun(1.0f);
    const int at2 = cornerRun(2.0f);
    EXPECT_GE(at1, 10); // a 5 mm corner is 19 pixels of curve
    EXPECT_NEAR(at2, 2 * at1, 2);
}

TEST(ShapeDraw, ScalesAndOffsetsTheFigure) {
    CShape shape(1000, -1000, 2000, -2000, CShape::kRectangle, kFillRed, 0x000000);
    const QImage image = PaintObject(shape, AtZoom(2.0f));
    EXPECT_EQ(Pixel(image, Px(2000) + 3, Px(2000) + 3), kRed);
    EXPECT_EQ(Pixel(image, Px(4000) - 3, Px(4000) - 3), kRed);
    EXPECT_EQ(Pixel(image, Px(4000) + 2, Px(4000) + 2), 0xFFFFFFu);
}

TEST(ShapeHitTest, FigureRegionsDecide) {
    struct Case {
        int kind;
        QPoint point;
        bool hit;
    };
    // A 100 x 60 figure at (0, 0); y runs downward into negative values.
    const Case cases[] = {
        {CShape::kRectangle, {2, -2}, true},
        {CShape::kRectangle, {50, -30}, true},
        {CShape::kRoundRect, {1, -1}, true}, // the cut-off corner still hits
        {CShape::kEllipse, {50, -30}, true},
        {CShape::kEllipse, {3, -3}, false},
        {CShape::kEllipse, {97, -57}, false},
        {CShape::kDiamond, {50, -30}, true},
        {CShape::kDiamond, {5, -5}, false},
        {CShape::kDiamond, {95, -55}, false},
        {7, {50, -30}, false}, // an unknown kind is never hit
    };
    for (const Case& c : cases) {
        CShape shape(0, 0, 100, -60, c.kind, 0, 0);
        EXPECT_EQ(shape.HitTest(c.point.x(), c.point.y(), 1.0f), c.hit)
            << c.kind << " " << c.point.x() << "," << c.point.y();
    }
    // The test is in zoomed units.
    CShape ellipse(0, 0, 100, -60, CShape::kEllipse, 0, 0);
    EXPECT_TRUE(ellipse.HitTest(100, -60, 2.0f));
    EXPECT_FALSE(ellipse.HitTest(100, -60, 1.0f));
}

TEST(ShapeHitTest, RubberBandMeetsTheFigureNotItsBox) {
    CShape ellipse(0, 0, 1000, -1000, CShape::kEllipse, 0, 0);
    EXPECT_FALSE(ellipse.IntersectsRect({0, 0, 100, -100}));
    EXPECT_TRUE(ellipse.IntersectsRect({400, -400, 600, -600}));
    CShape diamond(0, 0, 1000, -1000, CShape::kDiamond, 0, 0);
    EXPECT_FALSE(diamond.IntersectsRect({900, -900, 1000, -1000}));
    EXPECT_TRUE(diamond.IntersectsRect({-50, -450, 50, -550}));
}

TEST(ShapeHandles, BaseHandlesAndTheCornerRadiusHandle) {
    // Exactly 4 pixels per millimetre: a 10 mm object is 40 pixels wide.
    const UnitConversion fourPerMm{4, 100};
    CShape shape(0, 0, 1000, -1000, CShape::kRoundRect, 0, 0);
    EXPECT_EQ(shape.HitTestHandle({0, 0}, 1.0f, fourPerMm), 0);
    EXPECT_EQ(shape.HitTestHandle({20, 0}, 1.0f, fourPerMm), 1);
    EXPECT_EQ(shape.HitTestHandle({40, 0}, 1.0f, fourPerMm), 2);
    EXPECT_EQ(shape.HitTestHandle({40, 20}, 1.0f, fourPerMm), 3);
    EXPECT_EQ(shape.HitTestHandle({40, 40}, 1.0f, fourPerMm), 4);
    EXPECT_EQ(shape.HitTestHandle({20, 40}, 1.0f, fourPerMm), 5);
    EXPECT_EQ(shape.HitTestHandle({0, 40}, 1.0f, fourPerMm), 6);
    EXPECT_EQ(shape.HitTestHandle({0, 20}, 1.0f, fourPerMm), 7);
    // 3 pixels left or above still hits, 3 right or below does not.
    EXPECT_EQ(shape.HitTestHandle({-3, -3}, 1.0f, fourPerMm), 0);
    EXPECT_EQ(shape.HitTestHandle({23, 0}, 1.0f, fourPerMm), -1);
    EXPECT_EQ(shape.HitTestHandle({20, 3}, 1.0f, fourPerMm), -1);
    EXPECT_EQ(shape.HitTestHandle({17, 0}, 1.0f, fourPerMm), 1);
    // The corner handle: the top-right corner moved in by the 5 mm radii.
    EXPECT_EQ(shape.HitTestHandle({20, 20}, 1.0f, fourPerMm), 8);
    EXPECT_EQ(shape.HitTestHandle({40, 40}, 2.0f, fourPerMm), 8);
    // Too narrow for its radius: no corner handle.
    CShape narrow(0, 0, 400, -1000, CShape::kRoundRect, 0, 0);
    EXPECT_EQ(narrow.HitTestHandle({-4, 20}, 1.0f, fourPerMm), -1);
    EXPECT_FALSE(narrow.HasCornerHandle());
    CShape flat(0, 0, 1000, -400, CShape::kRoundRect, 0, 0);
    EXPECT_FALSE(flat.HasCornerHandle());
    CShape rectangle(0, 0, 1000, -1000, CShape::kRectangle, 0, 0);
    EXPECT_EQ(rectangle.HitTestHandle({20, 20}, 1.0f, fourPerMm), -1);
}
