#include "app/main_frame.h"
#include "document/face_renderer.h"
#include "settings/app_settings.h"
#include "support/test_support.h"
#include "view/discwright_view.h"
#include "view_fixture.h"

#include <QScrollBar>
#include <QSignalSpy>

#include <gtest/gtest.h>

namespace {
QRgb At(const QImage& image, QPoint p) {
    return image.pixel(p) & 0xFFFFFF;
}

struct ViewTest : ::testing::Test {
    CDiscwrightDoc doc{ShippedStocks()};
    CDiscwrightView view{doc};
    void SetUp() override {
        view.resize(900, 700);
        view.show();
        view.RecalcLayout();
    }
};
} // namespace

TEST_F(ViewTest, ZoomStopsAtPointFourAndTwo) {
    for (int i = 0; i < 3; ++i)
        view.ZoomOut();
    EXPECT_FLOAT_EQ(view.Zoom(), 0.4f);
    view.ZoomOut();
    EXPECT_FLOAT_EQ(view.Zoom(), 0.4f);
    view.Zoom100();
    EXPECT_EQ(view.Zoom(), 1.0f);
    float previous = view.Zoom();
    for (int i = 0; i < 5; ++i) {
        view.ZoomIn();
        EXPECT_GT(view.Zoom(), previous);
        previous = view.Zoom();
    }
    EXPECT_FLOAT_EQ(view.Zoom(), 2.0f);
    view.ZoomIn();
    EXPECT_FLOAT_EQ(view.Zoom(), 2.0f);
    EXPECT_TRUE(view.OnCommand(CommandId::kZoom100));
    EXPECT_EQ(view.Zoom(), 1.0f);
    // The canvas follows the zoom: the 120 mm disc is 454 pixels at 1.0.
    EXPECT_EQ(view.FaceCanvas().width(), 454 + 1);
}

TEST_F(ViewTest, MarginsCentreTheFaceOrKeepTwentyPixels) {
    const QSize client = view.viewport()->size();
    const int w = 454; // the disc at zoom 1.0
    EXPECT_EQ(view.Margin().x(), (client.width() - w + 20) / 2);
    view.resize(300, 300);
    view.RecalcLayout();
    EXPECT_EQ(view.Margin(), QPoint(20, 20));
    EXPECT_EQ(view.PageSize(), QSize(w + 40, w + 40));
    EXPECT_GT(view.verticalScrollBar()->maximum(), 0);
}

TEST_F(ViewTest, ComposedFrameShowsDeskClipAndSelection) {
    Face& disc = doc.GetFace(kDiscFace);
    disc.SetBackgroundColour(kStoredRed);
    AddEveryKind(disc);
    CBaseObject* rectangle = disc.Objects()[0].get();
    rectangle->SetSelected(1);
    disc.RebuildSelection();
    view.RefreshFaceCanvas();
    view.ComposeFrame();
    const QImage& frame = view.BackBuffer();
    const QPoint m = view.Margin();
    const int c = 454 / 2;
    EXPECT_NE(At(frame, m + QPoint(c, c)), kRed);   // the hole
    EXPECT_NE(At(frame, m + QPoint(3, 3)), kRed);   // a corner
    EXPECT_EQ(At(frame, m + QPoint(c, 10)), kRed);  // the ring
    EXPECT_EQ(At(frame, m + QPoint(90, 90)), kRed); // inside the rectangle
    // The rectangle's handle 0 at (76, 76) is an inverted 6 x 6 square.
    const QPoint h0 = m + QPoint(76, 76);
    EXPECT_EQ(At(frame, h0 + QPoint(-3, -3)), 0x00FFFFu); // red inverted
    EXPECT_EQ(At(frame, h0 + QPoint(-4, -4)), kRed);

    // The animation redraws the dashes one step further.
    const QImage before = frame.copy();
    view.AnimateSelection();
    EXPECT_NE(view.BackBuffer(), before);
}

TEST_F(ViewTest, SwitchingFacesKeepsEachSelection) {
    AddEveryKind(doc.GetFace(kDiscFace));
    AddEveryKind(doc.GetFace(kBackFace));
    doc.GetFace(kDiscFace).Objects()[1]->SetSelected(1);
    doc.GetFace(kDiscFace).RebuildSelection();
    QSignalSpy shown(&view, &CDiscwrightView::PropertyObjectChanged);
    view.ShowFace(kBackFace);
    EXPECT_EQ(doc.ActiveFaceId(), kBackFace);
    EXPECT_EQ(view.FaceCanvas().width(), UnitConversion{}.UnitsToPixels(15100) + 1);
    EXPECT_TRUE(doc.GetFace(kBackFace).Selection().empty());
    view.ShowFace(kDiscFace);
    ASSERT_EQ(doc.GetFace(kDiscFace).Selection().size(), 1u);
    EXPECT_EQ(doc.GetFace(kDiscFace).Selection()[0], doc.GetFace(kDiscFace).Objects()[1].get());
    // Each switch clears the property bar, then shows the first selected object.
    ASSERT_GE(shown.size(), 3);
    EXPECT_EQ(shown.last().at(0).value<CBaseObject*>(), doc.GetFace(kDiscFace).Objects()[1].get());
}

TEST_F(ViewTest, GridCommandTogglesTheDots) {
    doc.SetActiveFace(kFrontFace);
    view.RecalcLayout();
    view.RefreshFaceCanvas();
    EXPECT_FALSE(view.IsGridChecked());
    view.OnCommand(CommandId::kShowGrid);
    EXPECT_TRUE(view.IsGridChecked());
    view.ComposeFrame();
    const QPoint dot = view.Margin() + QPoint(19, 19); // 5 mm
    EXPECT_EQ(At(view.BackBuffer(), dot), 0u);
    view.OnCommand(CommandId::kShowGrid);
    view.ComposeFrame();
    EXPECT_EQ(At(view.BackBuffer(), dot), 0xFFFFFFu);
}

TEST_F(ViewTest, WindowAndFaceCoordinatesAgree) {
    view.ZoomIn();
    const QPoint face(5000, -3000);
    const QPoint window = view.FaceToWindow(face);
    const QPoint back = view.WindowToFace(window);
    EXPECT_NEAR(back.x(), face.x(), 30);
    EXPECT_NEAR(back.y(), face.y(), 30);
}

TEST(MainFrameView, TheWindowShowsTheActiveFace) {
    const TempProgramFolder program;
    AppSettings settings(program.Path());
    CDiscwrightDoc doc(settings.ForDocument());
    AddEveryKind(doc.GetFace(kDiscFace));
    CMainFrame frame(settings, doc);
    ASSERT_NE(frame.View(), nullptr);
    // The view sits in the middle of the window, above the face tabs.
    EXPECT_TRUE(frame.centralWidget()->isAncestorOf(frame.View()));
    frame.View()->OnUpdate();
    frame.View()->ComposeFrame();
    const QPoint m = frame.View()->Margin();
    // The red rectangle at 27.5 mm on the disc.
    EXPECT_EQ(frame.View()->BackBuffer().pixel(m + QPoint(104, 104)) & 0xFFFFFF, kRed);
}

TEST_F(ViewTest, RubberBandInvertsItsOutlineOnce) {
    view.ComposeFrame();
    const QImage plain = view.BackBuffer().copy();
    view.SetRubberBand(true, {50, 40}, {120, 90});
    view.ComposeFrame();
    const QImage& band = view.BackBuffer();
    for (QPoint p : {QPoint(50, 40), QPoint(120, 90), QPoint(120, 40), QPoint(50, 90),
                     QPoint(80, 40), QPoint(50, 60)})
        EXPECT_EQ(band.pixel(p) & 0xFFFFFF, ~plain.pixel(p) & 0xFFFFFF) << p.x() << "," << p.y();
    EXPECT_EQ(band.pixel(80, 60), plain.pixel(80, 60));
    EXPECT_EQ(band.pixel(121, 91), plain.pixel(121, 91));
    view.SetRubberBand(false);
    view.ComposeFrame();
    EXPECT_EQ(view.BackBuffer(), plain);
}
