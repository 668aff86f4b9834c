#include "draw_support.h"
#include "objects/cir_text.h"
#include "objects/object_archive.h"
#include "platform/archive.h"

#include <cmath>

#include <gtest/gtest.h>

namespace {
// What the "Circular Text" command makes on a 120 x 120 mm face.
CCirText NewCircularText(const QString& text = QStringLiteral("your text here")) {
    return CCirText({6000, -6000}, 5000.0, 0.0, 0, text, 1, 0, UnitConversion{}, 1.0f);
}

QPointF Middle(const CCirText& t) {
    return {t.m_scaledX + t.m_textWidth / 2.0, t.m_scaledY - t.m_textHeight / 2.0};
}

// Ink left and right of the vertical line x = `split`.
std::pair<int, int> InkSides(const QImage& image, int split) {
    return {Ink(image, QRect(0, 0, split, image.height())),
            Ink(image, QRect(split, 0, image.width() - split, image.height()))};
}
} // namespace

TEST(CirTextDraw, NewTextSitsFiftyMillimetresAboveTheCentre) {
    CCirText text = NewCircularText();
    const QImage image = PaintObject(text, AtZoom(1.0f));
    EXPECT_NEAR(Middle(text).x(), 6000, 1);
    EXPECT_NEAR(Middle(text).y(), -1000, 1);
    EXPECT_NEAR(text.m_scaledRadius, 5000, 2);
    EXPECT_NEAR(text.m_angle, 0, 0.5);
    // The glyphs lie around the top of the circle (y = 10 mm, 38 pixels).
    EXPECT_GT(Ink(image, QRect(150, 20, 155, 40)), 50);
    EXPECT_EQ(Ink(image, QRect(0, 100, 500, 400)), 0);
}

TEST(CirTextDraw, ALargerFontGrowsAboutTheMiddleOfTheBox) {
    // The property bar only changes the font height; the next paint measures
    // the text again and keeps the box's middle where it was on the circle.
    CCirText text = NewCircularText();
    PaintObject(text, AtZoom(1.0f));
    const QPointF before = Middle(text);
    const int widthBefore = text.m_textWidth;
    LOGFONTA taller = text.Font();
    taller.lfHeight *= 2;
    text.SetFont(taller);
    PaintObject(text, AtZoom(1.0f));
    EXPECT_GT(text.m_textWidth, widthBefore);
    EXPECT_NEAR(Middle(text).x(), before.x(), 2);
    EXPECT_NEAR(Middle(text).y(), before.y(), 2);
}

TEST(CirTextDraw, AngleNinetyIsLeftOfTheCentreAndMinusNinetyRight) {
    CCirText left = NewCircularText();
    left.PlaceOnCircle(5000, 90, 1.0f);
    const QImage leftImage = PaintObject(left, AtZoom(1.0f));
    EXPECT_NEAR(Middle(left).x(), 1000, 2);
    EXPECT_NEAR(Middle(left).y(), -6000, 2);
    EXPECT_GT(Ink(leftImage, QRect(20, 150, 40, 155)), 50);
    EXPECT_EQ(Ink(leftImage, QRect(120, 0, 380, 500)), 0);

    CCirText right = NewCircularText();
    right.PlaceOnCircle(5000, -90, 1.0f);
    PaintObject(right, AtZoom(1.0f));
    EXPECT_NEAR(Middle(right).x(), 11000, 2);
}

TEST(CirTextDraw, InverseLaysTheCharactersInReverse) {
    // Wide "W"s first and thin dots last: on the top of the circle the Ws
    // are on the left; turned over they move to the right.
    CCirText normal = NewCircularText(QStringLiteral("WWW............"));
    CCirText inverse = NewCircularText(QStringLiteral("WWW............"));
    inverse.SetInverse(1);
    const int split = UnitConversion{}.UnitsToPixels(6000);
    const auto [nl, nr] = InkSides(PaintObject(normal, AtZoom(1.0f)), split);
    const auto [il, ir] = InkSides(PaintObject(inverse, AtZoom(1.0f)), split);
    EXPECT_GT(nl, 3 * nr);
    EXPECT_GT(ir, 3 * il);
}

TEST(CirTextDraw, StraightModeDrawsOneTurnedLine) {
    CCirText text = NewCircularText(QStringLiteral("straight line"));
    text.SetCircular(0);
    text.PlaceOnCircle(5000, 90, 1.0f);
    const QImage image = PaintObject(text, AtZoom(1.0f));
    // Left of the centre the line runs upward: a tall, narrow band.
    QRect inked;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (Pixel(image, x, y) != 0xFFFFFF)
                inked |= QRect(x, y, 1, 1);
    EXPECT_GT(inked.height(), 3 * inked.width());
    EXPECT_LT(inked.right(), UnitConversion{}.UnitsToPixels(2500));
    EXPECT_TRUE(
        text.HitTest(TruncateToInt(Middle(text).x()), TruncateToInt(Middle(text).y()), 1.0f));
    EXPECT_FALSE(text.HitTest(6000, -6000, 1.0f));
}

TEST(CirTextTrack, SpanShrinksAsTheRadiusGrows) {
    CCirText text = NewCircularText();
    text.m_textWidth = 3000;
    text.m_textHeight = 400;
    // The box middle 5000 units above the centre.
    text.SetX(6000 - 1500);
    text.SetY(-6000 + 5000 + 200);
    text.TrackPosition(1.0f);
    EXPECT_NEAR(text.m_span, 3000 * 180 / (5000 * 3.1415926), 1e-6);
    EXPECT_NEAR(text.m_span, 34.4, 0.05);
    text.SetY(text.Y() + 5000);
    text.TrackPosition(1.0f);
    EXPECT_LT(text.m_span, 20);
}

TEST(CirTextTrack, MovesOfLessThanAUnitAndADegreeChangeNothing) {
    CCirText text = NewCircularText();
    PaintObject(text, AtZoom(1.0f));
    const double radius = text.m_radius, angle = text.m_angle;
    text.SetX(text.X() + 40); // about half a degree along the circle
    text.SetY(text.Y() + 1);  // half a unit further out at zoom 0.5
    text.TrackPosition(0.5f);
    EXPECT_EQ(text.m_radius, radius);
    EXPECT_EQ(text.m_angle, angle);
    text.SetY(text.Y() + 2); // now 1.5 scaled units
    text.TrackPosition(0.5f);
    EXPECT_GT(text.m_radius, radius + 2);
    EXPECT_EQ(text.m_angle, angle);
    text.SetX(text.X() - 200); // a move of about 2 degrees
    text.TrackPosition(1.0f);
    EXPECT_GT(text.m_angle, angle + 1);
}

TEST(CirTextHitTest, GlyphBoxesOfTheLastPaint) {
    CCirText text = NewCircularText();
    PaintObject(text, AtZoom(1.0f));
    EXPECT_TRUE(text.HitTest(6000, -1000, 1.0f));
    EXPECT_FALSE(text.HitTest(6000, -6000, 1.0f));
    EXPECT_FALSE(text.HitTest(6000, -2000, 1.0f));
    EXPECT_TRUE(text.IntersectsRect({5900, -900, 6100, -1100}));
    EXPECT_FALSE(text.IntersectsRect({0, 0, 1000, -1000}));
    // After a paint at zoom 2 the region is in zoomed units.
    PaintObject(text, AtZoom(2.0f), {1000, 1000});
    EXPECT_TRUE(text.HitTest(12000, -2000, 2.0f));
    EXPECT_TRUE(text.IntersectsRect({5900, -900, 6100, -1100}));
}

namespace {
// The angle at which the middle of the text box sits, from x and y and the
// extent of the last paint.
double BoxAngle(const CCirText& t) {
    const double dx = t.X() + t.m_textWidth / 2.0 / t.m_paintZoom - t.m_centreX;
    const double dy = t.Y() - t.m_textHeight / 2.0 / t.m_paintZoom - t.m_centreY;
    return -std::atan2(dx, dy) * kRadiansToDegrees;
}

struct Where {
    int x, y;
    double radius, angle;
    bool operator==(const Where&) const = default;
};
Where WhereIs(const CCirText& t) {
    return {t.X(), t.Y(), t.m_radius, t.m_angle};
}
} // namespace

TEST(CirTextDraw, ZoomingInAndOutLeavesTheTextWhereItWas) {
    for (const int inverse : {0, 1}) {
        CCirText text = NewCircularText(QStringLiteral("Side A <albumtitle>"));
        text.SetInverse(inverse);
        {
            LOGFONTA font = text.Font();
            font.lfHeight = 529; // 20 pixels
            text.SetFont(font);
        }
        text.PlaceOnCircle(4321, -33, 1.0f);
        PaintObject(text, AtZoom(1.0f));
        const Where before = WhereIs(text);
        for (int round = 0; round < 50; ++round)
            for (float zoom : {1.2f, 1.4f, 1.6f, 1.8f, 2.0f, 1.8f, 1.6f, 1.4f, 1.2f, 1.0f, 0.8f,
                               0.6f, 0.4f, 0.6f, 0.8f, 1.0f})
                PaintObject(text, AtZoom(zoom));
        EXPECT_EQ(WhereIs(text), before) << inverse;
        EXPECT_NEAR(BoxAngle(text), -33, 0.05);
    }
}

TEST(CirTextDraw, ARecordTakenBeforeThePaintLaysOutFromItsAngle) {
    // The property bar records a new font size before the next paint measures
    // it, so the record's x and y fit the old extent: read back, the text
    // still goes where radius and angle say, and again after each later store.
    std::unique_ptr<CCirText> text(new CCirText({6000, -6000}, 5000.0, 0.0, 0,
                                                QStringLiteral("your text here"), 1, 0,
                                                UnitConversion{}, 1.0f));
    PaintObject(*text, AtZoom(1.0f));
    {
        LOGFONTA font = text->Font();
        font.lfHeight = 529;
        text->SetFont(font);
    }
    text->SetCircle(text->m_radius, text->m_angle, 1.0f);
    for (int step = 0; step < 3; ++step) {
        QByteArray record;
        {
            Archive out(&record);
            text->Serialize(out);
        }
        Archive in(record, ObjectClasses());
        auto loaded = std::make_unique<CCirText>();
        loaded->Serialize(in);
        PaintObject(*loaded, AtZoom(1.0f));
        EXPECT_EQ(loaded->m_angle, 0.0) << step;
        EXPECT_EQ(loaded->m_radius, 5000.0) << step;
        EXPECT_NEAR(BoxAngle(*loaded), 0.0, 0.05) << step;
        text = std::move(loaded);
    }
}

TEST(CirTextTrack, AMoveIsTakenIntoRadiusAndAngleBeforeItIsRecorded) {
    // A drag's release records the change before the next paint: the record
    // holds the new angle, and reading it back puts the text where it was dragged.
    CCirText text = NewCircularText();
    PaintObject(text, AtZoom(1.0f));
    text.SetX(text.X() - 900); // about 10 degrees to the left, at the top of the circle
    QByteArray record;
    {
        Archive out(&record);
        text.Serialize(out);
    }
    EXPECT_GT(text.m_angle, 9);
    const Where dragged = WhereIs(text);
    Archive in(record, ObjectClasses());
    CCirText loaded;
    loaded.Serialize(in);
    PaintObject(loaded, AtZoom(1.0f));
    EXPECT_EQ(loaded.m_angle, dragged.angle);
    EXPECT_EQ(loaded.m_radius, dragged.radius);
    EXPECT_NEAR(loaded.X(), dragged.x, 1);
    EXPECT_NEAR(loaded.Y(), dragged.y, 1);
    // The angle is compared the short way round: 180 and -179.9 are close.
    text.SetCircle(5000, 180, 1.0f);
    text.SetX(text.X() + 1);
    text.TrackPosition(1.0f);
    EXPECT_EQ(text.m_angle, 180.0);
}
