#include "property_bar_fixture.h"

#include "app/property_bar/cir_text_panel.h"
#include "app/property_bar/edit_text_dialog.h"
#include "app/property_bar/text_controls.h"
#include "app/property_bar/text_panel.h"
#include "objects/cir_text.h"
#include "objects/text.h"
#include "toolkit/colour_button.h"

#include <QApplication>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <cmath>

namespace {

QAction* TrackAction(TextControls& controls, int commandId) {
    for (QAction* action : controls.m_trackMenu->actions())
        if (action->data().toInt() == commandId)
            return action;
    return nullptr;
}

// Answers the next "Edit Text" dialog with `text` and OK.
void AnswerEditText(const QString& text) {
    QTimer::singleShot(0, [text] {
        auto* dialog = qobject_cast<EditTextDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        dialog->Field()->setPlainText(text);
        dialog->accept();
    });
}

} // namespace

class TextPanelsTest : public PropertyBarTest {
protected:
    CText* NewText() {
        return Add(std::make_unique<CText>(0, 0, 1000, -500, 0, QStringLiteral("Hello"),
                                           UnitConversion{}));
    }
    CCirText* NewCirText() {
        return Add(std::make_unique<CCirText>(QPoint(6000, -6000), 5000.0, 0.0, 0,
                                              QStringLiteral("Round"), 1, 0, UnitConversion{},
                                              1.0f));
    }
};

TEST_F(TextPanelsTest, TrackMenuReplacesTheWholeText) {
    TextControls& controls = *bar.m_textPanel->m_controls;
    // The seven line templates, then the whole-album entries.
    ASSERT_EQ(controls.m_trackMenu->actions().size(), 10);
    EXPECT_EQ(controls.m_trackMenu->actions()[7]->text(), "<tracklist>");
    EXPECT_EQ(controls.m_trackMenu->actions()[8]->text(), "<albumlength>");
    EXPECT_EQ(controls.m_trackMenu->actions()[9]->text(), "<trackcount>");
    EXPECT_EQ(controls.m_trackButton->toolTip(), "Insert Track Information");

    CText* text = NewText();
    bar.ShowProperties(text);
    NewUndoSteps();
    QAction* action = TrackAction(controls, 32831);
    ASSERT_NE(action, nullptr);
    EXPECT_EQ(action->text(), "<artist01> <title01>");
    action->trigger();
    EXPECT_EQ(text->m_text, "<artist01>  <title01>");
    EXPECT_EQ(controls.m_text->text(), "<artist01>  <title01>");
    EXPECT_EQ(NewUndoSteps(), 1);
    TrackAction(controls, 32890)->trigger();
    EXPECT_EQ(text->m_text, "<tracklist>");

    CCirText* cir = NewCirText();
    bar.ShowProperties(cir);
    NewUndoSteps();
    TrackAction(*bar.m_cirTextPanel->m_controls, 32835)->trigger();
    EXPECT_EQ(cir->m_text, "<albumtime>");
    EXPECT_EQ(NewUndoSteps(), 1);
}

TEST_F(TextPanelsTest, EditTextDialogReplacesTheText) {
    CText* text = NewText();
    bar.ShowProperties(text);
    NewUndoSteps();
    AnswerEditText(QStringLiteral("first line\nsecond line"));
    bar.m_textPanel->m_controls->m_editText->click();
    EXPECT_EQ(text->m_text, "first line\nsecond line");
    EXPECT_EQ(NewUndoSteps(), 1);

    // An emptied dialog changes nothing.
    AnswerEditText(QString());
    bar.m_textPanel->m_controls->m_editText->click();
    EXPECT_EQ(text->m_text, "first line\nsecond line");
    EXPECT_EQ(NewUndoSteps(), 0);
}

TEST_F(TextPanelsTest, EmptiedTextFieldEmptiesOnlyStraightText) {
    CText* text = NewText();
    bar.ShowProperties(text);
    QLineEdit* field = bar.m_textPanel->m_controls->m_text;
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Delete);
    EXPECT_EQ(text->m_text, "");

    CCirText* cir = NewCirText();
    bar.ShowProperties(cir);
    NewUndoSteps();
    field = bar.m_cirTextPanel->m_controls->m_text;
    field->setCursorPosition(field->text().size());
    for (int i = 0; i < 5; ++i)
        QTest::keyClick(field, Qt::Key_Backspace);
    EXPECT_EQ(field->text(), "");
    EXPECT_EQ(cir->m_text, "R");
    EXPECT_EQ(NewUndoSteps(), 4); // "Roun" ... "R"; the empty text is not applied
    // Nor does a later edit of the panel empty it.
    bar.m_cirTextPanel->m_inverse->click();
    EXPECT_EQ(cir->m_text, "R");
    EXPECT_EQ(cir->m_inverse, 1);
}

TEST_F(TextPanelsTest, AngleAndRadiusPlaceTheTextOnItsCircle) {
    CCirText* cir = NewCirText();
    bar.ShowProperties(cir);
    NewUndoSteps();
    const double middleX = cir->m_x + cir->m_textWidth * 0.5;
    EXPECT_NEAR(middleX, 6000, 1);

    Retype(bar.m_cirTextPanel->m_angle, "90");
    EXPECT_EQ(cir->m_angle, 90);
    EXPECT_EQ(NewUndoSteps(), 1);
    // At 90 degrees the middle of the text sits left of the centre.
    EXPECT_NEAR(cir->m_x + cir->m_textWidth * 0.5, 6000 - 5000, 1);

    Retype(bar.m_cirTextPanel->m_radius, "3000");
    EXPECT_EQ(cir->m_radius, 3000);
    EXPECT_EQ(cir->m_angle, 90);
    EXPECT_NEAR(cir->m_x + cir->m_textWidth * 0.5, 6000 - 3000, 1);
    EXPECT_EQ(NewUndoSteps(), 1);
}

TEST_F(TextPanelsTest, CircularTextRefreshTakesWhereTheTextWasMoved) {
    CCirText* cir = NewCirText();
    bar.ShowProperties(cir);
    host.m_zoom = 2.0f;
    // Dragged 30 mm to the left: the box's middle is 3000 left of and 5000
    // above the centre.
    cir->m_x -= 3000;
    bar.RefreshValues();
    EXPECT_NEAR(cir->m_radius, std::sqrt(3000.0 * 3000 + 5000.0 * 5000), 1);
    EXPECT_NEAR(cir->m_angle, std::atan2(3000.0, 5000.0) * kRadiansToDegrees, 0.02);
    EXPECT_EQ(bar.m_cirTextPanel->m_radius->text(), QString::number(int(cir->m_radius)));
    EXPECT_EQ(bar.m_cirTextPanel->m_angle->text(), "30");
    // Refreshing again without a move changes nothing.
    const double radius = cir->m_radius, angle = cir->m_angle;
    bar.RefreshValues();
    EXPECT_EQ(cir->m_radius, radius);
    EXPECT_EQ(cir->m_angle, angle);
}

TEST_F(TextPanelsTest, CircularTextFieldsKeepExactValuesTheUserLeftAlone) {
    CCirText* cir = NewCirText();
    cir->SetCircle(4321.75, -12.6, 1.0f);
    bar.ShowProperties(cir);
    EXPECT_EQ(bar.m_cirTextPanel->m_angle->text(), "-12");
    bar.m_cirTextPanel->m_inverse->click();
    EXPECT_EQ(cir->m_angle, -12.6);
    EXPECT_EQ(cir->m_radius, 4321.75);
    Retype(bar.m_cirTextPanel->m_angle, "-45");
    EXPECT_EQ(cir->m_angle, -45.0);
    EXPECT_EQ(cir->m_radius, 4321.75);
}

TEST_F(TextPanelsTest, CircularTextStyleButtons) {
    CCirText* cir = NewCirText();
    bar.ShowProperties(cir);
    NewUndoSteps();
    bar.m_cirTextPanel->m_controls->m_italic->click();
    bar.m_cirTextPanel->m_circular->click();
    EXPECT_EQ(cir->m_font.lfItalic, 1);
    EXPECT_EQ(cir->m_circular, 0);
    bar.m_cirTextPanel->m_controls->m_colour->PickColour(QColor(0xAA, 0xBB, 0xCC));
    EXPECT_EQ(cir->m_textColour, 0xCCBBAAu);
    EXPECT_EQ(NewUndoSteps(), 3);
}
