#include "document/face_renderer.h"
#include "objects/shape.h"
#include "objects/text.h"
#include "view_fixture.h"

#include <gtest/gtest.h>

namespace {
QRgb At(const QImage& image, int x, int y) {
    return image.pixel(x, y) & 0xFFFFFF;
}
bool IsDesk(QRgb p) {
    return p == 0xFFFFFF || p == 0xBFBFBF;
}
int Px(int units, float zoom) {
    return UnitConversion{}.UnitsToPixels(Zoomed(units, zoom));
}
constexpr float kZooms[] = {0.4f, 0.6f, 0.8f, 1.0f, 1.2f, 1.4f, 1.6f, 1.8f, 2.0f};
} // namespace

TEST(FaceRenderer, DiscCornersAndHoleShowTheDesk) {
    CDiscwrightDoc doc(ShippedStocks());
    doc.GetFace(kDiscFace).SetBackgroundColour(kStoredRed);
    doc.GetFace(kFrontFace).SetBackgroundColour(kStoredRed);
    for (float zoom : {0.4f, 1.0f, 2.0f}) {
        FaceImageOptions options;
        options.zoom = zoom;
        const QImage disc = RenderFaceImage(doc, kDiscFace, options);
        const int w = Px(12000, zoom);
        ASSERT_EQ(disc.width(), w);
        const int c = w / 2;
        EXPECT_TRUE(IsDesk(At(disc, 1, 1))) << zoom;
        EXPECT_TRUE(IsDesk(At(disc, w - 2, w - 2))) << zoom;
        EXPECT_TRUE(IsDesk(At(disc, c, c))) << zoom; // the hole
        EXPECT_TRUE(IsDesk(At(disc, c + Px(700, zoom), c))) << zoom;
        EXPECT_EQ(At(disc, c + Px(800, zoom) + 1, c), kRed) << zoom; // just outside the hole
        EXPECT_EQ(At(disc, c, 2), kRed) << zoom;
        EXPECT_EQ(At(disc, Px(2000, zoom), Px(2000, zoom)), kRed) << zoom;

        const QImage front = RenderFaceImage(doc, kFrontFace, options);
        EXPECT_EQ(At(front, 0, 0), kRed) << zoom;
        EXPECT_EQ(At(front, front.width() - 1, front.height() - 1), kRed) << zoom;
        EXPECT_EQ(At(front, front.width() / 2, front.height() / 2), kRed) << zoom;
    }
}

TEST(FaceRenderer, BackFoldLinesStayEightMillimetresInAtEveryZoom) {
    CDiscwrightDoc doc(ShippedStocks());
    const Face& back = doc.GetFace(kBackFace);
    for (float zoom : kZooms) {
        FaceImageOptions options;
        options.zoom = zoom;
        const QImage image = RenderFaceImage(doc, kBackFace, options);
        const int left = Px(800, zoom);
        const int right = Px(back.Width(), zoom) - left;
        for (int y : {0, image.height() / 2, image.height() - 1}) {
            EXPECT_EQ(At(image, left, y), 0u) << zoom << " y " << y;
            EXPECT_EQ(At(image, right, y), 0u) << zoom << " y " << y;
            EXPECT_EQ(At(image, left + 1, y), 0xFFFFFFu) << zoom;
            EXPECT_EQ(At(image, left - 1, y), 0xFFFFFFu) << zoom;
        }
        // Other faces have none.
        const QImage front = RenderFaceImage(doc, kFrontFace, options);
        EXPECT_EQ(At(front, left, front.height() / 2), 0xFFFFFFu) << zoom;
    }
}

TEST(FaceRenderer, GridDotsEveryFiveMillimetresNoneOnTheLeftAndTopEdges) {
    CDiscwrightDoc doc(ShippedStocks());
    for (float zoom : kZooms) {
        FaceImageOptions options;
        options.zoom = zoom;
        options.grid = true;
        const QImage image = RenderFaceImage(doc, kFrontFace, options);
        int black = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                black += At(image, x, y) == 0;
        // 24 dots a row and a column fall within 120 mm; the 24th lies on the
        // right and bottom edges and is cut by the clip.
        EXPECT_EQ(black, 23 * 23) << zoom;
        for (int i = 1; i < 24; ++i) {
            EXPECT_EQ(At(image, Px(500 * i, zoom), Px(500 * 7, zoom)), 0u) << zoom << " i " << i;
            EXPECT_EQ(At(image, Px(500 * 3, zoom), Px(500 * i, zoom)), 0u) << zoom << " i " << i;
        }
        for (int i = 0; i < image.width(); ++i) {
            ASSERT_NE(At(image, i, 0), 0u);
            ASSERT_NE(At(image, 0, i), 0u);
        }
    }
}

TEST(FaceRenderer, EveryObjectKindOnEveryFaceAtEveryZoom) {
    CDiscwrightDoc doc(ShippedStocks());
    doc.Album().title = QStringLiteral("Kind of Blue");
    for (int id = 0; id < kFaceCount; ++id)
        AddEveryKind(doc.GetFace(id));
    for (int id = 0; id < kFaceCount; ++id) {
        for (float zoom : {0.4f, 1.0f, 2.0f}) {
            FaceImageOptions options;
            options.zoom = zoom;
            const QImage image = RenderFaceImage(doc, id, options);
            const auto at = [&](int x, int y) { return At(image, Px(x, zoom), Px(-y, zoom)); };
            EXPECT_EQ(at(2750, -2750), kRed) << id << " " << zoom;
            EXPECT_EQ(at(4300, -2750), kBlue) << id << " " << zoom;
            EXPECT_EQ(at(3650, -2050), 0xFFFFFFu) << id << " " << zoom; // ellipse's box corner
            // Text ink inside its box, circular text ink above the centre.
            int textInk = 0, circleInk = 0;
            const QRect box(Px(2000, zoom), Px(3800, zoom), Px(3500, zoom), Px(1200, zoom));
            for (int y = box.top(); y <= box.bottom(); ++y)
                for (int x = box.left(); x <= box.right(); ++x)
                    textInk += At(image, x, y) != 0xFFFFFF;
            const Face& face = doc.GetFace(id);
            const QRect arc(Px(face.Width() / 2 - 1500, zoom), Px(face.Height() / 2 - 4600, zoom),
                            Px(3000, zoom), Px(1200, zoom));
            for (int y = arc.top(); y <= arc.bottom(); ++y)
                for (int x = arc.left(); x <= arc.right(); ++x)
                    circleInk += At(image, x, y) != 0xFFFFFF;
            EXPECT_GT(textInk, 5) << id << " " << zoom;
            EXPECT_GT(circleInk, 10) << id << " " << zoom;
        }
    }
    const auto* text = dynamic_cast<const CText*>(doc.GetFace(kDiscFace).Objects()[2].get());
    EXPECT_EQ(text->Text(), QStringLiteral("Side <albumtitle>"));
}

TEST(FaceRenderer, AbsurdFaceSizesAreCapped) {
    CDiscwrightDoc doc(ShippedStocks());
    Face& face = doc.GetFace(kFrontFace);
    face.SetWidth(2'000'000'000);
    face.SetHeight(2'000'000'000);
    FaceImageOptions options;
    options.zoom = 2.0f;
    options.grid = true;
    const QImage image = RenderFaceImage(doc, kFrontFace, options);
    EXPECT_LE(image.width(), kMaxFacePixels);
    EXPECT_LE(image.height(), kMaxFacePixels);
    face.SetWidth(0); // a stock that gave no size
    EXPECT_TRUE(RenderFaceImage(doc, kFrontFace, options).isNull());
}

TEST(FaceRenderer, FigureEdgesAreSmoothAndRectangleSidesStayCrisp) {
    CDiscwrightDoc doc(ShippedStocks());
    Face& front = doc.GetFace(kFrontFace);
    front.SetBackgroundColour(0xFFFFFF);
    // A black ellipse and, below it, a black rectangle, both 40 mm wide.
    front.AppendObject(std::make_unique<CShape>(1000, -1000, 5000, -5000, CShape::kEllipse, 0, 0));
    front.AppendObject(
        std::make_unique<CShape>(1000, -6000, 5000, -9000, CShape::kRectangle, 0, 0));
    FaceImageOptions options;
    const QImage image = RenderFaceImage(doc, kFrontFace, options);

    // Along the ellipse's outline some pixels are partly covered: grey, not
    // only black or white.
    int partial = 0;
    for (int y = Px(1000, 1.0f); y <= Px(5000, 1.0f); ++y)
        for (int x = Px(1000, 1.0f); x <= Px(5000, 1.0f); ++x) {
            const int grey = qGray(image.pixel(x, y));
            partial += grey > 20 && grey < 235 ? 1 : 0;
        }
    EXPECT_GT(partial, 40);

    // The rectangle's sides fall on whole pixels: nothing half-covered.
    for (int y = Px(6000, 1.0f) - 2; y <= Px(9000, 1.0f) + 2; ++y)
        for (int x = Px(1000, 1.0f) - 2; x <= Px(5000, 1.0f) + 2; ++x) {
            const int grey = qGray(image.pixel(x, y));
            EXPECT_TRUE(grey < 20 || grey > 235) << x << "," << y << " grey " << grey;
        }
}

// After a move, redrawing only what the object covered gives the same canvas
// as a whole refresh: overlapping neighbours, thick outlines, text that runs
// past its rectangle and turned text included.
TEST(FaceRenderer, RegionRefreshAfterAMoveMatchesAWholeRefresh) {
    CDiscwrightDoc doc(ShippedStocks());
    Face& front = doc.GetFace(kFrontFace);
    auto thick = std::make_unique<CShape>(500, -500, 4000, -4000, CShape::kEllipse, 0x00FF00, 0xFF);
    thick->SetLineWidth(9);
    front.AppendObject(std::move(thick));
    front.AppendObject(
        std::make_unique<CShape>(3000, -3000, 7000, -6000, CShape::kDiamond, 0xFF0000, 0));
    auto text = std::make_unique<CText>(2000, -2000, 4000, -2500, 0x000000,
                                        QStringLiteral("Words that run on below their box"),
                                        UnitConversion{});
    text->SetRotation(90);
    front.AppendObject(std::move(text));
    front.AppendObject(
        std::make_unique<CShape>(6000, -1000, 9000, -8000, CShape::kRoundRect, 0xFFFF00, 0));

    for (float zoom : {1.0f, 1.6f, 2.0f}) {
        for (std::size_t index = 0; index < front.Objects().size(); ++index) {
            const RenderContext context = MakeRenderContext(doc, zoom);
            QImage canvas;
            RefreshFaceCanvas(canvas, front, context);
            CBaseObject& moved = *front.Objects()[index];
            const QRect before(moved.X(), moved.Y(), moved.Width(), moved.Height());
            moved.SetX(moved.X() + 1300);
            moved.SetHeight(moved.Height() - 700);
            const QRect after(moved.X(), moved.Y(), moved.Width(), moved.Height());
            RefreshFaceCanvasRegion(canvas, front, context,
                                    ObjectPaintBounds(moved, before, zoom, context.canvas) |
                                        ObjectPaintBounds(moved, after, zoom, context.canvas));
            QImage whole;
            RefreshFaceCanvas(whole, front, context);
            EXPECT_EQ(canvas, whole) << "zoom " << zoom << " object " << index;
            moved.SetX(moved.X() - 1300);
            moved.SetHeight(moved.Height() + 700);
        }
    }
}
