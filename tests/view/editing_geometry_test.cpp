#include "editing_printers.h"
#include "objects/image.h"
#include "objects/shape.h"
#include "view/editing_geometry.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

TEST(EditingGeometry, GridSnapsTowardZero) {
    EXPECT_EQ(DraggedCoordinate(0, 1234, 1.0f, 500), 1000);
    EXPECT_EQ(DraggedCoordinate(0, -1234, 1.0f, 500), -1000);
    EXPECT_EQ(DraggedCoordinate(0, -499, 1.0f, 500), 0);
    EXPECT_EQ(DraggedCoordinate(100, 1234, 1.0f, 0), 1334);
    // The move is divided by the zoom and truncated as a whole.
    EXPECT_EQ(DraggedCoordinate(10, 25, 2.0f, 0), 22);
    EXPECT_EQ(DraggedCoordinate(-10, -25, 2.0f, 0), -22);
}

TEST(EditingGeometry, PixelsToFaceUnitsDivideByTheZoomFirst) {
    const PixelMapping map{2.0f, UnitConversion{}};
    EXPECT_EQ(map.FaceUnits({193, 97}), QPoint(2540, -1270));
    EXPECT_EQ(map.ZoomedUnits({96, 48}), QPoint(2540, -1270));
    const LogicalRect r = map.FaceRect({193, 0}, {0, 97});
    EXPECT_EQ(r.left, 0);
    EXPECT_EQ(r.top, 0);
    EXPECT_EQ(r.right, 2540);
    EXPECT_EQ(r.bottom, -1270);
}

struct ResizeCase {
    int handle;
    int dx, dy;
    bool keepAspect;
    int grid;
    ObjectRect expected;
};
void PrintTo(const ResizeCase& c, std::ostream* os) {
    *os << "handle " << c.handle << " by (" << c.dx << ", " << c.dy << ")"
        << (c.keepAspect ? " keeping aspect" : "") << (c.grid ? " on the grid" : "");
}

class ResizeTest : public ::testing::TestWithParam<ResizeCase> {};

// From the rectangle 1000, -1000, 2000 x -1000.
TEST_P(ResizeTest, EdgesFollowTheHandle) {
    const ResizeCase c = GetParam();
    const ObjectRect saved{1000, -1000, 2000, -1000};
    EXPECT_EQ(ResizedRect(saved, saved, c.handle, c.dx, c.dy, c.keepAspect, c.grid), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Handles, ResizeTest,
    ::testing::Values(ResizeCase{0, 100, -200, false, 0, {1100, -1200, 1900, -800}},
                      ResizeCase{1, 100, 300, false, 0, {1000, -700, 2000, -1300}},
                      ResizeCase{3, 500, 40, false, 0, {1000, -1000, 2500, -1000}},
                      ResizeCase{4, -300, -300, false, 0, {1000, -1000, 1700, -1300}},
                      ResizeCase{5, 0, 998, false, 0, {1000, -1000, 2000, -2}},
                      ResizeCase{
                          5, 0, 999, false, 0, {1000, -1000, 2000, -1000}}, // would be -1: stays
                      ResizeCase{7, 1998, 0, false, 0, {2998, -1000, 2, -1000}},
                      ResizeCase{7, 1999, 0, false, 0, {1000, -1000, 2000, -1000}},
                      ResizeCase{3, 1234, 0, false, 500, {1000, -1000, 3000, -1000}},
                      // Snapping never leaves an object without width or height.
                      ResizeCase{3, -1700, 0, false, 500, {1000, -1000, 500, -1000}},
                      // Objects keeping their proportions (2:1 here): the mouse sets
                      // one side, the other follows, anchored opposite the handle;
                      // no grid.
                      ResizeCase{3, 1000, 0, true, 500, {1000, -1000, 3000, -1500}},
                      ResizeCase{5, 0, -1000, true, 0, {1000, -1000, 4000, -2000}},
                      ResizeCase{0, 0, 500, true, 0, {0, -500, 3000, -1500}},
                      ResizeCase{1, 0, 500, true, 0, {0, -500, 3000, -1500}},
                      ResizeCase{2, 0, 500, true, 0, {1000, -500, 3000, -1500}},
                      ResizeCase{6, -500, 0, true, 0, {500, -1000, 2500, -1250}},
                      ResizeCase{7, 1000, 0, true, 0, {2000, -1000, 1000, -500}},
                      // A side below 2 units stops it: 2 wide would be 1 deep.
                      ResizeCase{7, 1998, 0, true, 0, {1000, -1000, 2000, -1000}}));

TEST(EditingGeometry, ProportionalResizeKeepsAFourToThreePicture) {
    const ObjectRect photo{0, 0, 4000, -3000};
    // 10 mm wider at the right handle: 7.5 mm taller.
    EXPECT_EQ(ProportionalResize(photo, photo, 3, 1000, 0), (ObjectRect{0, 0, 5000, -3750}));
    // Rounded to the nearest unit.
    EXPECT_EQ(ProportionalResize(photo, photo, 4, 1, 0), (ObjectRect{0, 0, 4001, -3001}));
    EXPECT_EQ(ProportionalSide(150, 100, 80), 120);
    EXPECT_EQ(ProportionalSide(3, 2, 1), 2);
    EXPECT_EQ(ProportionalSide(5, 0, 7), 7);
}

TEST(EditingGeometry, CornerRadiiStayInTheTopRightQuarter) {
    const ObjectRect r{1000, -1000, 4000, -3000};
    EXPECT_EQ(CornerRadiiAt(r, {4000, -1800}), QPoint(1000, -800));
    EXPECT_EQ(CornerRadiiAt(r, {0, -9000}), QPoint(2000, -1500));
    EXPECT_EQ(CornerRadiiAt(r, {9000, 0}), QPoint(1, -1));
}

TEST(EditingGeometry, OnlyPicturesWithTheFlagKeepTheirAspect) {
    CImage picture(0, 0, 100, -100);
    EXPECT_TRUE(picture.KeepsAspectRatio());
    picture.SetKeepAspectRatio(0);
    EXPECT_FALSE(picture.KeepsAspectRatio());
    CShape shape;
    EXPECT_FALSE(shape.KeepsAspectRatio());
}

} // namespace
