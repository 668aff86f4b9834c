#include "property_bar_fixture.h"

#include "app/property_bar/picture_panel.h"
#include "app/property_bar/position_fields.h"
#include "objects/image.h"
#include "toolkit/colour_button.h"

#include <QApplication>
#include <QCheckBox>
#include <QToolButton>

class PicturePanelTest : public PropertyBarTest {
protected:
    CImage* NewPicture() {
        auto picture = std::make_unique<CImage>();
        picture->m_x = 500;
        picture->m_y = -500;
        picture->m_width = 100;
        picture->m_height = -80;
        picture->m_encodedRecord = "stand-in record"; // what undo snapshots write
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

TEST_F(PicturePanelTest, KeepAspectRatioMovesTheOtherSideByTheSameAmount) {
    CImage* picture = NewPicture();
    editing.m_options.keepAspectRatio = 1;
    bar.ShowProperties(picture);
    NewUndoSteps();
    Retype(panel().m_position->m_w, "1.5");
    EXPECT_EQ(panel().m_position->m_h->text(), "1.30 mm");
    EXPECT_EQ(picture->m_width, 150);
    EXPECT_EQ(picture->m_height, -130);
    EXPECT_EQ(NewUndoSteps(), 1);

    Retype(panel().m_position->m_h, "1");
    EXPECT_EQ(panel().m_position->m_w->text(), "1.20 mm");
    EXPECT_EQ(picture->m_width, 120);
    EXPECT_EQ(NewUndoSteps(), 1);

    panel().m_keepAspect->click();
    EXPECT_EQ(editing.m_options.keepAspectRatio, 0);
    EXPECT_EQ(NewUndoSteps(), 1);
    Retype(panel().m_position->m_w, "3");
    EXPECT_EQ(picture->m_width, 300);
    EXPECT_EQ(picture->m_height, -100);
    EXPECT_EQ(picture->m_savedWidth, 300);
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

TEST_F(PicturePanelTest, RotationTurnsTheSizeInOneStep) {
    CImage* picture = NewPicture();
    bar.ShowProperties(picture);
    NewUndoSteps();
    panel().m_effects[int(PictureEffect::kRotateLeft)]->click();
    ASSERT_EQ(editing.m_effects.size(), 1u);
    EXPECT_EQ(editing.m_effects[0], PictureEffect::kRotateLeft);
    EXPECT_EQ(picture->m_width, 80);
    EXPECT_EQ(picture->m_height, -100);
    EXPECT_EQ(NewUndoSteps(), 1);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);

    panel().m_effects[int(PictureEffect::kGrayscale)]->click();
    EXPECT_EQ(editing.m_effects.back(), PictureEffect::kGrayscale);
    EXPECT_EQ(picture->m_width, 80);
    EXPECT_EQ(NewUndoSteps(), 1);

    // A background picture keeps the face's size.
    doc.SetBackground(picture);
    bar.ShowProperties(picture);
    panel().m_effects[int(PictureEffect::kRotateRight)]->click();
    EXPECT_EQ(picture->m_width, 80);
}
