#include "property_bar_fixture.h"

#include "app/property_bar/cir_text_panel.h"
#include "app/property_bar/empty_panel.h"
#include "app/property_bar/font_face_list.h"
#include "app/property_bar/picture_panel.h"
#include "app/property_bar/position_fields.h"
#include "app/property_bar/shape_panel.h"
#include "app/property_bar/text_controls.h"
#include "app/property_bar/text_panel.h"
#include "objects/cir_text.h"
#include "objects/image.h"

#include "objects/shape.h"
#include "objects/text.h"
#include "toolkit/colour_button.h"
#include <QFontComboBox>

#include <QComboBox>
#include <QLabel>
#include <QTest>
#include <QToolButton>

namespace {

std::unique_ptr<CText> NewText(const QString& text) {
    auto object = std::make_unique<CText>(100, -200, 1100, -700, 0x0000FF, text, UnitConversion{});
    object->SetAlignment(CText::kCentre);
    return object;
}

std::unique_ptr<CShape> NewShape() {
    auto shape =
        std::make_unique<CShape>(300, -400, 2300, -1400, CShape::kEllipse, 0x00FF00, 0xFF0000);
    shape->SetLineWidth(3);
    return shape;
}

} // namespace

TEST_F(PropertyBarTest, EachKindShowsItsValuesInItsPanel) {
    EXPECT_EQ(bar.CurrentPanel(), nullptr);
    EXPECT_TRUE(bar.m_emptyPanel->isVisibleTo(&bar));

    CText* text = Add(NewText(QStringLiteral("Hello")));
    bar.ShowProperties(text);
    EXPECT_EQ(bar.CurrentPanel(), bar.m_textPanel);
    // Showing is not selecting: the face alone keeps the selection.
    EXPECT_EQ(text->Selected(), 0);
    EXPECT_FALSE(bar.m_emptyPanel->isVisibleTo(&bar));
    const PositionFields& pos = *bar.m_textPanel->m_position;
    // Millimetres with two decimals; the object stores hundredths.
    EXPECT_EQ(pos.m_x->text(), "1.00 mm");
    EXPECT_EQ(pos.m_y->text(), "2.00 mm");
    EXPECT_EQ(pos.m_w->text(), "10.00 mm");
    EXPECT_EQ(pos.m_h->text(), "5.00 mm");
    EXPECT_EQ(bar.m_textPanel->m_controls->m_text->text(), "Hello");
    EXPECT_EQ(bar.m_textPanel->m_controls->m_size->currentText(), "10");
    EXPECT_TRUE(bar.m_textPanel->m_alignCentre->isChecked());
    EXPECT_FALSE(bar.m_textPanel->m_alignLeft->isChecked());
    EXPECT_EQ(bar.m_textPanel->m_controls->m_colour->Colour(), QColor(255, 0, 0));
    EXPECT_TRUE(bar.m_textPanel->m_rotation->isHidden());

    // A second text goes into the panel already shown.
    CText* other = Add(NewText(QStringLiteral("World")));
    {
        LOGFONTA font = other->Font();
        font.lfHeight = UnitConversion{}.PixelsToUnits(13); // not in the size list
        other->SetFont(font);
    }
    {
        LOGFONTA font = other->Font();
        font.SetFaceName(QStringLiteral("No Such Face")); // not installed
        other->SetFont(font);
    }
    bar.ShowProperties(other);
    EXPECT_EQ(bar.CurrentPanel(), bar.m_textPanel);
    EXPECT_EQ(bar.m_textPanel->m_controls->m_text->text(), "World");
    EXPECT_EQ(bar.m_textPanel->m_controls->m_size->currentIndex(), -1);
    // No face entry is selected, but the list still names the object's face.
    EXPECT_EQ(bar.m_textPanel->m_controls->m_face->currentIndex(), -1);
    EXPECT_EQ(bar.m_textPanel->m_controls->m_face->ShownText(), "No Such Face");

    // A face fontconfig draws with a metric-compatible one shows both names,
    // with that face selected.
    {
        LOGFONTA font = other->Font();
        font.SetFaceName(QStringLiteral("Arial"));
        other->SetFont(font);
    }
    const QString compatible = FontFaceList::MetricCompatibleFace(QStringLiteral("Arial"));
    bar.ShowProperties(other);
    if (!compatible.isEmpty()) {
        EXPECT_EQ(bar.m_textPanel->m_controls->m_face->ShownText(),
                  QStringLiteral("Arial (%1)").arg(compatible));
        EXPECT_EQ(bar.m_textPanel->m_controls->m_face->currentText(), compatible);
    }

    CShape* shape = Add(NewShape());
    bar.ShowProperties(shape);
    EXPECT_EQ(bar.CurrentPanel(), bar.m_shapePanel);
    EXPECT_FALSE(bar.m_textPanel->IsActive());
    EXPECT_EQ(bar.m_textPanel->Object(), nullptr);
    EXPECT_EQ(bar.m_shapePanel->m_lineWidth->text(), "3");
    EXPECT_EQ(bar.m_shapePanel->m_kind->currentText(), "ellipse");
    EXPECT_EQ(bar.m_shapePanel->m_fill->Colour(), QColor(0, 255, 0));
    EXPECT_EQ(bar.m_shapePanel->m_line->Colour(), QColor(0, 0, 255));

    auto cir = std::make_unique<CCirText>(QPoint(6000, -6000), 5000.0, 30.0, 0,
                                          QStringLiteral("Round"), 1, 0, UnitConversion{}, 1.0f);
    CCirText* cirText = Add(std::move(cir));
    bar.ShowProperties(cirText);
    EXPECT_EQ(bar.CurrentPanel(), bar.m_cirTextPanel);
    EXPECT_EQ(bar.m_cirTextPanel->m_angle->text(), "30");
    EXPECT_EQ(bar.m_cirTextPanel->m_radius->text(), "5000");
    EXPECT_TRUE(bar.m_cirTextPanel->m_circular->isChecked());
    EXPECT_FALSE(bar.m_cirTextPanel->m_inverse->isChecked());
    EXPECT_EQ(bar.m_cirTextPanel->m_controls->m_size->currentText(), "16");

    bar.ShowProperties(nullptr);
    EXPECT_EQ(bar.Object(), nullptr);
    EXPECT_EQ(bar.CurrentPanel(), nullptr);
    EXPECT_TRUE(bar.m_emptyPanel->isVisibleTo(&bar));
    const auto labels = bar.m_emptyPanel->findChildren<QLabel*>();
    ASSERT_EQ(labels.size(), 1);
    EXPECT_EQ(labels[0]->text(), "Please add or select object(s) in the working area");
    EXPECT_EQ(NewUndoSteps(), 0);
}

// Each edit writes into the object, takes exactly one undo step and draws the
// face again.
TEST_F(PropertyBarTest, EditsReachTheObjectInOneUndoStep) {
    struct Case {
        const char* name;
        std::function<void(CPropertyBar&)> edit;
        std::function<bool(const CText&, const CShape&)> check;
    };
    const UnitConversion units;
    const Case cases[] = {
        {"text X", [](CPropertyBar& b) { Retype(b.m_textPanel->m_position->m_x, "2.5"); },
         [](const CText& t, const CShape&) { return t.X() == 250; }},
        {"text H", [](CPropertyBar& b) { Retype(b.m_textPanel->m_position->m_h, "9"); },
         [](const CText& t, const CShape&) { return t.Height() == -900; }},
        {"typing",
         [](CPropertyBar& b) { QTest::keyClicks(b.m_textPanel->m_controls->m_text, "!"); },
         [](const CText& t, const CShape&) { return t.Text() == "Hello!"; }},
        {"bold", [](CPropertyBar& b) { b.m_textPanel->m_controls->m_bold->click(); },
         [](const CText& t, const CShape&) { return t.Font().lfWeight == 700; }},
        {"underline", [](CPropertyBar& b) { b.m_textPanel->m_controls->m_underline->click(); },
         [](const CText& t, const CShape&) { return t.Font().lfUnderline == 1; }},
        {"align right", [](CPropertyBar& b) { b.m_textPanel->m_alignRight->click(); },
         [](const CText& t, const CShape&) { return t.Alignment() == CText::kRight; }},
        {"text colour",
         [](CPropertyBar& b) { b.m_textPanel->m_controls->m_colour->PickColour(QColor(1, 2, 3)); },
         [](const CText& t, const CShape&) { return t.TextColour() == 0x030201; }},
        {"font size",
         [](CPropertyBar& b) {
             QComboBox* size = b.m_textPanel->m_controls->m_size;
             size->setCurrentIndex(size->findText("24"));
             emit size->activated(size->currentIndex());
         },
         [units](const CText& t, const CShape&) {
             return t.Font().lfHeight == units.PixelsToUnits(24);
         }},
        {"border width", [](CPropertyBar& b) { Retype(b.m_shapePanel->m_lineWidth, "7"); },
         [](const CText&, const CShape& s) { return s.LineWidth() == 7; }},
        {"shape Y", [](CPropertyBar& b) { Retype(b.m_shapePanel->m_position->m_y, "0,5"); },
         [](const CText&, const CShape& s) { return s.Y() == -50; }},
        {"shape kind",
         [](CPropertyBar& b) {
             b.m_shapePanel->m_kind->setCurrentIndex(CShape::kDiamond);
             emit b.m_shapePanel->m_kind->activated(CShape::kDiamond);
         },
         [](const CText&, const CShape& s) { return s.Kind() == CShape::kDiamond; }},
        {"fill colour",
         [](CPropertyBar& b) { b.m_shapePanel->m_fill->PickColour(QColor(0x10, 0x20, 0x30)); },
         [](const CText&, const CShape& s) {
             return s.FillColour() == 0x302010 && s.LineColour() == 0xFF0000;
         }},
        {"border colour",
         [](CPropertyBar& b) { b.m_shapePanel->m_line->PickColour(QColor(0x40, 0x50, 0x60)); },
         [](const CText&, const CShape& s) { return s.LineColour() == 0x605040; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CText* text = Add(NewText(QStringLiteral("Hello")));
        CShape* shape = Add(NewShape());
        const bool onShape = std::string_view(c.name).find("shape") != std::string_view::npos ||
                             std::string_view(c.name).find("border") != std::string_view::npos ||
                             std::string_view(c.name).find("fill") != std::string_view::npos;
        bar.ShowProperties(onShape ? static_cast<CBaseObject*>(shape) : text);
        NewUndoSteps();
        const int refreshes = host.m_refreshes;
        c.edit(bar);
        EXPECT_TRUE(c.check(*text, *shape));
        EXPECT_EQ(NewUndoSteps(), 1);
        EXPECT_GT(host.m_refreshes, refreshes);
        EXPECT_EQ(host.m_repaints, host.m_refreshes);
    }
    EXPECT_TRUE(doc.IsModified());
}

TEST_F(PropertyBarTest, LeavingAnUnchangedFieldTakesNoUndoStep) {
    CShape* shape = Add(NewShape());
    bar.ShowProperties(shape);
    NewUndoSteps();
    emit bar.m_shapePanel->m_position->m_x->editingFinished();
    emit bar.m_shapePanel->m_lineWidth->editingFinished();
    EXPECT_EQ(NewUndoSteps(), 0);
    EXPECT_EQ(shape->X(), 300);
}

TEST_F(PropertyBarTest, HiddenPanelDoesNotApply) {
    CShape* shape = Add(NewShape());
    bar.ShowProperties(shape);
    QLineEdit* x = bar.m_shapePanel->m_position->m_x;
    bar.ShowProperties(Add(NewText(QStringLiteral("t"))));
    NewUndoSteps();
    Retype(x, "9.99");
    EXPECT_EQ(shape->X(), 300);
    EXPECT_EQ(NewUndoSteps(), 0);
}

TEST_F(PropertyBarTest, RefreshValuesShowsTheMovedObject) {
    CShape* shape = Add(NewShape());
    bar.ShowProperties(shape);
    shape->SetX(4000);
    shape->SetY(-1234);
    bar.RefreshValues();
    EXPECT_EQ(bar.m_shapePanel->m_position->m_x->text(), "40.00 mm");
    EXPECT_EQ(bar.m_shapePanel->m_position->m_y->text(), "12.34 mm");
}

TEST(PositionFields, MillimetreTextBothWays) {
    const struct {
        int hundredths;
        const char* shown;
    } shown[] = {{0, "0.00"}, {5, "0.05"}, {1234, "12.34"}, {-5, "-0.05"}, {-12000, "-120.00"}};
    for (const auto& c : shown) {
        EXPECT_EQ(MillimetreNumber(c.hundredths), QLatin1String(c.shown));
        EXPECT_EQ(MillimetreHundredths(QLatin1String(c.shown)), c.hundredths) << c.shown;
    }
    const struct {
        const char* typed;
        int hundredths;
    } typed[] = {{"12.34 mm", 1234}, {"12,3", 1230}, {"7mm", 700}, {" 7 ", 700},
                 {"-1.5", -150},     {".5", 50},     {"", 0},      {"abc", 0}};
    for (const auto& c : typed)
        EXPECT_EQ(MillimetreHundredths(QLatin1String(c.typed)), c.hundredths) << c.typed;
}

TEST_F(PropertyBarTest, ATypedSizeShowsAgainInMillimetres) {
    CText* text = Add(NewText(QStringLiteral("Hello")));
    bar.ShowProperties(text);
    Retype(bar.m_textPanel->m_position->m_w, "12,5");
    EXPECT_EQ(text->Width(), 1250);
    EXPECT_EQ(bar.m_textPanel->m_position->m_w->text(), QStringLiteral("12.50 mm"));
}

TEST_F(PropertyBarTest, LetsGoOfAnObjectTheDocumentDestroys) {
    // An undo back to before the object existed.
    doc.CheckPoint();
    CShape* shape = Add(NewShape());
    doc.CheckPoint();
    bar.ShowProperties(shape);
    ASSERT_EQ(bar.CurrentPanel()->Object(), shape);
    ASSERT_TRUE(doc.Undo());
    EXPECT_EQ(bar.Object(), nullptr);
    EXPECT_EQ(bar.CurrentPanel(), nullptr);
    EXPECT_EQ(bar.m_shapePanel->Object(), nullptr);

    // A delete of the shown object; the bar keeps an object that stays.
    CText* text = Add(NewText(QStringLiteral("stays")));
    CShape* doomed = Add(NewShape());
    bar.ShowProperties(doomed);
    doc.DeleteObjects(doc.ActiveFaceId(), {text});
    EXPECT_EQ(bar.Object(), doomed);
    doc.DeleteObjects(doc.ActiveFaceId(), {doomed});
    EXPECT_EQ(bar.Object(), nullptr);
    EXPECT_EQ(bar.m_shapePanel->Object(), nullptr);
}
