#include "objects/cir_text.h"
#include "objects/image.h"
#include "objects/object_archive.h"
#include "objects/shape.h"
#include "objects/text.h"
#include "objects/vector_image.h"

#include <gtest/gtest.h>

namespace {

QByteArray Hex(const char* hex) {
    return QByteArray::fromHex(hex);
}

QByteArray Record(CBaseObject& object) {
    QByteArray bytes;
    Archive ar(&bytes);
    object.Serialize(ar);
    return bytes;
}

template <typename T> std::unique_ptr<T> ReadBack(const QByteArray& bytes) {
    auto object = std::make_unique<T>();
    Archive ar(bytes, ObjectClasses());
    object->Serialize(ar);
    EXPECT_TRUE(ar.AtEnd());
    return object;
}

// x 1000, y -2000, width 3000, height -4000, selected 1, locked 2, from layout 3.
const char* kBaseHex = "e803000030f8ffffb80b000060f0ffff010000000200000003000000";

void SetBase(CBaseObject& o) {
    o.SetRect(1000, -2000, 3000, -4000);
    o.SetSelected(1), o.SetFromLayout(3), o.SetLocked(2);
}

const UnitConversion kScreen; // 96 pixels per inch

} // namespace

TEST(ObjectRecords, BaseRecordStoresLockedBeforeFromLayout) {
    CBaseObject o;
    SetBase(o);
    EXPECT_EQ(Record(o).toHex(), QByteArray(kBaseHex));
    const auto back = ReadBack<CBaseObject>(Hex(kBaseHex));
    EXPECT_EQ(back->Locked(), 2);
    EXPECT_EQ(back->FromLayout(), 3);
    EXPECT_EQ(back->Height(), -4000);
}

TEST(ObjectRecords, Shape) {
    CShape made(100, -200, 1100, -900, CShape::kRoundRect, 0xC0C0C0, 0);
    EXPECT_EQ(made.Width(), 1000);
    EXPECT_EQ(made.Height(), -700);
    EXPECT_EQ(made.LineWidth(), 1);
    EXPECT_EQ(made.RadiusX(), 500);
    EXPECT_EQ(made.RadiusY(), -500);
    const CShape loaded;
    EXPECT_EQ(loaded.FillColour(), 0xFFFFFFu);
    EXPECT_EQ(loaded.LineColour(), 0xFFFFFFu);
    EXPECT_EQ(loaded.Kind(), 0);

    CShape s;
    SetBase(s);
    s.SetFillColour(0x00112233), s.SetLineColour(0x00445566), s.SetKind(CShape::kDiamond);
    s.SetLineWidth(4), s.SetRadii(300, -200);
    const QByteArray expected = Hex(kBaseHex) + Hex("33221100665544000300040000002c01000038ffffff");
    EXPECT_EQ(Record(s).toHex(), expected.toHex());
    EXPECT_EQ(expected.size(), 28 + 22); // the kind takes 2 bytes
    const auto back = ReadBack<CShape>(expected);
    EXPECT_EQ(back->Kind(), CShape::kDiamond);
    EXPECT_EQ(back->RadiusY(), -200);
    EXPECT_EQ(Record(*back), expected);
}

TEST(ObjectRecords, Text) {
    const CText made(0, 0, 4000, -1000, 0, QStringLiteral("your text here"), kScreen);
    EXPECT_EQ(made.Font().FaceName(), QStringLiteral("Arial"));
    EXPECT_EQ(made.Font().lfHeight, 265); // 10 pixels at 96 per inch, rounded
    EXPECT_EQ(made.Font().lfCharSet, 1);
    EXPECT_EQ(made.Font().lfWeight, 400);
    EXPECT_EQ(made.Rotation(), 0);
    EXPECT_EQ(made.Alignment(), 0);
    EXPECT_EQ(made.Selected(), 0);

    CText t;
    SetBase(t);
    t.SetTextColour(0x0000FF);
    t.SetText(QStringLiteral("Hi"));
    t.SetRotation(90);
    t.SetAlignment(CText::kCentre);
    t.SetFont(DefaultTextFont(-300));
    {
        LOGFONTA font = t.Font();
        font.lfItalic = 1;
        t.SetFont(font);
    }
    {
        LOGFONTA font = t.Font();
        font.lfPitchAndFamily = 0x22;
        t.SetFont(font);
    }
    const QByteArray font = Hex("d4feffff"
                                "00000000"
                                "00000000"
                                "00000000"
                                "90010000"
                                "01000001"
                                "00000022") +
                            QByteArray("Arial") + QByteArray(27, '\0');
    // Colour, text, then rotation and alignment before the 60-byte font.
    const QByteArray expected = Hex(kBaseHex) +
                                Hex("ff000000"
                                    "024869"
                                    "5a000000"
                                    "01000000") +
                                font;
    EXPECT_EQ(font.size(), LOGFONTA::kRecordSize);
    EXPECT_EQ(Record(t).toHex(), expected.toHex());
    const auto back = ReadBack<CText>(expected);
    EXPECT_EQ(back->Text(), QStringLiteral("Hi"));
    EXPECT_EQ(back->Rotation(), 90);
    EXPECT_EQ(back->Alignment(), 1);
    EXPECT_EQ(back->Font(), t.Font());
}

TEST(ObjectRecords, CircularText) {
    CCirText c;
    SetBase(c);
    c.SetText(QStringLiteral("ab"));
    c.SetCircular(1);
    c.SetInverse(0);
    c.SetTextColour(0x00FF00);
    c.m_centreX = 6000, c.m_centreY = -6000;
    c.m_radius = 5000.0, c.m_angle = -90.0;
    c.SetFont(DefaultTextFont(423));
    const QByteArray expected = Hex(kBaseHex) +
                                Hex("026162"
                                    "01000000"
                                    "00000000"
                                    "00ff0000"
                                    "70170000"
                                    "90e8ffff"
                                    "000000000088b340"
                                    "00000000008056c0") +
                                Record(c).right(60);
    EXPECT_EQ(Record(c).toHex(), expected.toHex());
    const auto back = ReadBack<CCirText>(expected);
    EXPECT_EQ(back->m_radius, 5000.0);
    EXPECT_EQ(back->m_angle, -90.0);
    EXPECT_EQ(back->m_centreY, -6000);
    EXPECT_EQ(back->Font().lfHeight, 423);
}

TEST(ObjectRecords, NewCircularTextSitsOnItsCircle) {
    // A new text on a 120 mm square face: centred, its middle 50 mm above the centre.
    const CCirText c(QPoint(6000, -6000), 5000.0, 0.0, 0, QStringLiteral("your text here"), 1, 0,
                     kScreen, 1.0f);
    EXPECT_EQ(c.Font().lfHeight, 423); // 16 pixels at 96 per inch
    EXPECT_EQ(c.m_textWidth, 423);
    // The corner is truncated, so the middle lands within a unit.
    EXPECT_NEAR(c.X() + c.m_textWidth / 2, 6000, 1);
    EXPECT_NEAR(c.Y() - c.m_textHeight / 2, -1000, 1);
    EXPECT_EQ(c.m_angle, 0.0);

    // Angles are stored rounded up; 90 degrees puts the text left of the centre.
    const CCirText left(QPoint(6000, -6000), 5000.0, 89.2, 0, QStringLiteral("x"), 1, 0, kScreen,
                        1.0f);
    EXPECT_EQ(left.m_angle, 90.0);
    EXPECT_LT(left.X(), 6000 - 4000);
}

TEST(ObjectRecords, ResizeHandles) {
    // Exactly 4 pixels per millimetre: a 10 mm wide object has handles 40 pixels apart.
    const UnitConversion fourPerMm{4, 100};
    CShape s(0, 0, 1000, -500, CShape::kRectangle, 0, 0);
    QPoint centres[8];
    s.HandleCentres(1.0f, fourPerMm, centres);
    EXPECT_EQ(centres[0], QPoint(0, 0));
    EXPECT_EQ(centres[1], QPoint(20, 0));
    EXPECT_EQ(centres[2], QPoint(40, 0));
    EXPECT_EQ(centres[4], QPoint(40, 20));
    EXPECT_EQ(centres[7], QPoint(0, 10));

    struct Case {
        QPoint p;
        int handle;
    };
    const Case cases[] = {
        {{0, 0}, 0},   {{-3, -3}, 0}, {{3, 0}, -1}, {{0, 3}, -1},   {{2, 2}, 0},
        {{20, 0}, 1},  {{43, 0}, -1}, {{37, 0}, 2}, {{40, 10}, 3},  {{40, 20}, 4},
        {{20, 20}, 5}, {{0, 20}, 6},  {{0, 10}, 7}, {{20, 10}, -1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(s.HitTestHandle(c.p, 1.0f, fourPerMm), c.handle) << c.p.x() << "," << c.p.y();
    // Zoom scales the corners before conversion.
    EXPECT_EQ(s.HitTestHandle({80, 0}, 2.0f, fourPerMm), 2);

    // Circular text has no handles, even on its corner.
    CCirText c;
    c.SetWidth(1000), c.SetHeight(-500);
    EXPECT_EQ(c.HitTestHandle({0, 0}, 1.0f, fourPerMm), -1);
}

TEST(ObjectRecords, IntersectsRect) {
    CShape s(1000, -1000, 2000, -2000, CShape::kRectangle, 0, 0);
    struct Case {
        LogicalRect r;
        bool hit;
    };
    const Case cases[] = {
        {{0, 0, 5000, -5000}, true},         // around it
        {{1500, -1500, 1600, -1600}, true},  // inside
        {{1999, -1500, 3000, -1600}, true},  // overlapping the right edge
        {{2000, -1500, 3000, -1600}, false}, // touching the right edge only
        {{0, 0, 999, -999}, false},          // beside it
        {{1600, -1600, 1500, -1500}, true},  // given reversed
    };
    for (const Case& c : cases)
        EXPECT_EQ(s.IntersectsRect(c.r), c.hit) << c.r.left << "," << c.r.top;
}

TEST(ObjectRecords, DamagedPicturesStopWithAClearError) {
    // A list holding a picture whose data cannot be read, or a vector picture
    // whose metafile is cut short, stops with a clear error, never a crash.
    const struct {
        const char* name;
        QByteArray record;
    } cases[] = {{"CImage", QByteArray(400, '\0')},
                 {"CVectorImage", QByteArray(24, '\0') + Hex("00000100") + QByteArray(40, 'x')}};
    for (const auto& [name, record] : cases) {
        QByteArray bytes = Hex("0100ffff0000") + char(strlen(name)) + '\0' + QByteArray(name) +
                           Hex(kBaseHex) + record;
        ObjectList list;
        Archive ar(bytes, ObjectClasses());
        try {
            ReadObjectList(ar, list);
            ADD_FAILURE() << name;
        } catch (const ArchiveError& e) {
            EXPECT_TRUE(e.Message().contains(QLatin1String(name))) << e.Message().toStdString();
        }
    }
}

TEST(ObjectRecords, RegistryKnowsEveryClass) {
    for (const char* name :
         {"CBaseObject", "CShape", "CText", "CCirText", "CImage", "CVectorImage"}) {
        const ArchiveClass* cls = ObjectClasses().Find(name);
        ASSERT_NE(cls, nullptr) << name;
        EXPECT_EQ(cls->schema, 0);
        EXPECT_STREQ(cls->create()->Class().name, name);
    }
    EXPECT_EQ(ObjectClasses().Find("cshape"), nullptr);
}
