#include "platform/region.h"

#include <QElapsedTimer>

#include <gtest/gtest.h>

TEST(Region, RectanglesHoldLeftTopButNotRightBottom) {
    const CRegion r = CRegion::Rectangle(10, -10, 20, -30); // corners in any order
    EXPECT_TRUE(r.Contains({10, -30}));
    EXPECT_TRUE(r.Contains({19, -11}));
    EXPECT_FALSE(r.Contains({20, -20}));
    EXPECT_FALSE(r.Contains({15, -10}));
    EXPECT_TRUE(CRegion::Rectangle(0, 0, 0, 5).IsEmpty());
}

TEST(Region, EllipseAndDiamondExcludeTheirBoxCorners) {
    const CRegion ellipse = CRegion::Ellipse(0, 0, 100, 60);
    EXPECT_TRUE(ellipse.Contains({50, 30}));
    EXPECT_TRUE(ellipse.Contains({1, 30}));
    EXPECT_FALSE(ellipse.Contains({5, 5}));
    EXPECT_FALSE(ellipse.Contains({95, 55}));
    const CRegion diamond = CRegion::Polygon({{50, 0}, {100, 30}, {50, 60}, {0, 30}});
    EXPECT_TRUE(diamond.Contains({50, 30}));
    EXPECT_FALSE(diamond.Contains({10, 5}));
    EXPECT_FALSE(diamond.Contains({90, 55}));
}

TEST(Region, CombinationsAndRectangleTests) {
    const CRegion ring =
        CRegion::Combined(CRegion::Ellipse(0, 0, 100, 100), CRegion::Ellipse(40, 40, 60, 60),
                          CRegion::Combine::Difference);
    EXPECT_FALSE(ring.Contains({50, 50}));
    EXPECT_TRUE(ring.Contains({50, 10}));
    EXPECT_FALSE(ring.Intersects(QRect(45, 45, 10, 10)));
    EXPECT_TRUE(ring.Intersects(QRect(45, 5, 10, 10)));

    const CRegion both =
        CRegion::Combined(CRegion::Rectangle(0, 0, 10, 10), CRegion::Rectangle(5, 5, 20, 20),
                          CRegion::Combine::Intersection);
    EXPECT_TRUE(both.Contains({7, 7}));
    EXPECT_FALSE(both.Contains({2, 2}));

    CRegion pieces;
    pieces.UniteWith(CRegion::Rectangle(0, 0, 10, 10));
    pieces.UniteWith(CRegion::Rectangle(100, 100, 110, 110));
    pieces.UniteWith(pieces);
    EXPECT_TRUE(pieces.Contains({105, 105}));
    EXPECT_FALSE(pieces.Contains({50, 50}));
    EXPECT_TRUE(pieces.Intersects(0, 0, 1, 1));
    EXPECT_FALSE(pieces.Intersects(20, 20, 90, 90));

    // An ellipse's box corner misses; a rectangle reaching its edge hits.
    const CRegion ellipse = CRegion::Ellipse(0, 0, 100, 100);
    EXPECT_FALSE(ellipse.Intersects(0, 0, 10, 10));
    EXPECT_TRUE(ellipse.Intersects(45, -10, 55, 2));
    const CRegion diamond = CRegion::Polygon({{50, 0}, {100, 50}, {50, 100}, {0, 50}});
    EXPECT_FALSE(diamond.Intersects(0, 0, 10, 10));
    EXPECT_TRUE(diamond.Intersects(40, 40, 60, 60));
}

TEST(Region, HugeCoordinatesCostNothing) {
    QElapsedTimer timer;
    timer.start();
    const CRegion huge =
        CRegion::Ellipse(-2'000'000'000, -2'000'000'000, 2'000'000'000, 2'000'000'000);
    EXPECT_TRUE(huge.Contains({0, 0}));
    EXPECT_TRUE(huge.Intersects(0, 0, 5, 5));
    CRegion many;
    for (int i = 0; i < 20000; ++i)
        many.UniteWith(CRegion::Rectangle(i * 10, 0, i * 10 + 5, 5));
    EXPECT_TRUE(many.Contains({199990, 1}));
    EXPECT_FALSE(many.Contains({199996, 1}));
    EXPECT_FALSE(huge.ToPath().isEmpty());
    EXPECT_LT(timer.elapsed(), 5000);
}
