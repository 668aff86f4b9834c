#include "property_bar_fixture.h"
#include "support/picture_test_access.h"

#include "app/property_bar/picture_panel.h"
#include "app/property_bar/position_fields.h"
#include "imaging/raster_image.h"
#include "objects/image.h"
#include "toolkit/colour_button.h"

#include <QApplication>
#include <QCheckBox>
#include <QTest>
#include <QToolButton>

class PicturePanelTest : public PropertyBarTest {
protected:
    CImage* NewPicture() {
        auto picture = std::make_unique<CImage>();
        picture->SetX(500);
        picture->SetY(-500);
        picture->SetWidth(100);
        picture->SetHeight(-80);
        PictureTestAccess::SetRecord(*picture, "stand-in record"); // what undo snapshots write
        return Add(std::move(picture));
    }
    CPicturePanel& panel() { return *bar.m_picturePanel; }
};

TEST_F(PicturePanelTest, BackgroundPictureHasNoPositionToEdit) {
    CImage* picture = NewPicture();
    bar.ShowProperties(picture);
    EXPECT_EQ(bar.CurrentPanel(), bar.m_picturePanel);
    EXPECT_TRUE(panel().m_position->m_x->isEnabled());

    doc.SetBackground(picture);
    bar.ShowProperties(picture);
    for (QLineEdit* field : {panel().m_position->m_x, panel().m_position->m_y,
                             panel().m_position->m_w, panel().m_position->m_h})
        EXPECT_FALSE(field->isEnabled());

    bar.ShowProperties(NewPicture());
    EXPECT_TRUE(panel().m_position->m_h->isEnabled());
}

TEST_F(PicturePanelTest, KeepAspectRatioMovesTheOtherSideInProportion) {
    CImage* picture = NewPicture();
    editing.m_options.keepAspectRatio = 1;
    bar.ShowProperties(picture);
    NewUndoSteps();
    // 100 × 80 units: W 1.5 mm makes H 1.2 mm.
    Retype(panel().m_position->m_w, "1.5");
    EXPECT_EQ(panel().m_position->m_h->text(), "1.20 mm");
    EXPECT_EQ(picture->Width(), 150);
    EXPECT_EQ(picture->Height(), -120);
    EXPECT_EQ(NewUndoSteps(), 1);

    Retype(panel().m_position->m_h, "1");
    EXPECT_EQ(panel().m_position->m_w->text(), "1.25 mm");
    EXPECT_EQ(picture->Width(), 125);
    EXPECT_EQ(picture->Height(), -100);
    EXPECT_EQ(NewUndoSteps(), 1);

    panel().m_keepAspect->click();
    EXPECT_EQ(editing.m_options.keepAspectRatio, 0);
    EXPECT_EQ(NewUndoSteps(), 1);
    Retype(panel().m_position->m_w, "3");
    EXPECT_EQ(picture->Width(), 300);
    EXPECT_EQ(picture->Height(), -100);
    EXPECT_EQ(NewUndoSteps(), 1);
}

TEST_F(PicturePanelTest, MagentaTakesTheCornerPixelAsTransparentColour) {
    CImage* picture = NewPicture();
    bar.ShowProperties(picture);
    NewUndoSteps();
    panel().m_transparentColour->PickColour(QColor(255, 0, 255));
    EXPECT_EQ(editing.m_colour, 0x123456u);
    EXPECT_EQ(panel().m_transparentColour->Colour(), ColourFromRef(0x123456));
    EXPECT_EQ(NewUndoSteps(), 1);

    panel().m_transparentColour->PickColour(QColor(0, 0, 255));
    EXPECT_EQ(editing.m_colour, 0xFF0000u);

    // Turning the option on takes the shown colour in the same step.
    panel().m_transparentColour->SetColour(QColor(255, 0, 255));
    panel().m_transparent->click();
    EXPECT_TRUE(editing.m_options.transparentColourOn);
    EXPECT_EQ(editing.m_colour, 0x123456u);
    EXPECT_TRUE(panel().m_transparentColour->isEnabled());
    EXPECT_EQ(NewUndoSteps(), 2);
}

TEST_F(PicturePanelTest, AlphaChannelRulesTheTransparentColour) {
    CImage* picture = NewPicture();
    bar.ShowProperties(picture);
    EXPECT_FALSE(panel().m_alpha->isEnabled());
    EXPECT_TRUE(panel().m_transparent->isEnabled());

    editing.m_hasAlpha = true;
    editing.m_options.useAlphaChannel = true;
    bar.ShowProperties(picture);
    EXPECT_TRUE(panel().m_alpha->isEnabled());
    EXPECT_FALSE(panel().m_transparent->isEnabled());
    EXPECT_FALSE(panel().m_transparentColour->isEnabled());

    panel().m_alpha->click();
    EXPECT_FALSE(editing.m_options.useAlphaChannel);
    EXPECT_TRUE(panel().m_transparent->isEnabled());
    EXPECT_TRUE(panel().m_transparentColour->isEnabled());
}

TEST_F(PicturePanelTest, EffectsRunAwayFromTheWindowAndTakeOneUndoStep) {
    CImage* picture = NewPicture();
    CRasterImage pixels;
    ASSERT_TRUE(pixels.Allocate(4, 2, 24, kFormatBmp));
    picture->SetImage(std::move(pixels));
    bar.ShowProperties(picture);
    NewUndoSteps();
    const auto runAndWait = [&](PictureEffect effect) {
        panel().m_effects[int(effect)]->click();
        return QTest::qWaitFor([&] { return !panel().EffectRunning(); }, 10000);
    };
    // The turn reaches the object and the fields, in one step.
    ASSERT_TRUE(runAndWait(PictureEffect::kRotateLeft));
    EXPECT_EQ(picture->Image().Width(), 2);
    EXPECT_EQ(picture->Width(), 80);
    EXPECT_EQ(picture->Height(), -100);
    EXPECT_EQ(panel().m_position->m_w->text(), "0.80 mm");
    EXPECT_EQ(NewUndoSteps(), 1);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);

    ASSERT_TRUE(runAndWait(PictureEffect::kGrayscale));
    EXPECT_EQ(picture->Image().BitCount(), 8);
    EXPECT_EQ(picture->Width(), 80);
    EXPECT_EQ(NewUndoSteps(), 1);

    // A background picture keeps the face's size.
    doc.SetBackground(picture);
    bar.ShowProperties(picture);
    ASSERT_TRUE(runAndWait(PictureEffect::kRotateRight));
    EXPECT_EQ(picture->Image().Width(), 4);
    EXPECT_EQ(picture->Width(), 80);
}

TEST_F(PicturePanelTest, CancelledEffectsAndDeletedPicturesAreLeftAlone) {
    CImage* picture = NewPicture();
    CRasterImage pixels;
    ASSERT_TRUE(pixels.Allocate(1500, 1500, 24, kFormatBmp));
    picture->SetImage(std::move(pixels));
    const CRasterImage* before = &picture->Image();
    bar.ShowProperties(picture);
    NewUndoSteps();
    const auto wait = [&] {
        return QTest::qWaitFor([&] { return !panel().EffectRunning(); }, 20000);
    };

    panel().m_effects[int(PictureEffect::kSoften)]->click();
    EXPECT_TRUE(panel().EffectRunning());
    panel().CancelEffect();
    ASSERT_TRUE(wait());
    EXPECT_EQ(&picture->Image(), before);
    EXPECT_EQ(NewUndoSteps(), 0);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);

    // The picture goes while its effect runs (an undo replaces every object).
    panel().m_effects[int(PictureEffect::kSharpen)]->click();
    bar.ShowProperties(nullptr);
    doc.ActiveFace().TakeObject(picture).reset();
    ASSERT_TRUE(wait());
    EXPECT_EQ(NewUndoSteps(), 0);
}
