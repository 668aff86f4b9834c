// Circular text edited through the real window: property bar, view and undo.
#include "app/property_bar/cir_text_panel.h"
#include "app/property_bar/property_bar.h"
#include "app/property_bar/text_controls.h"
#include "main_window_fixture.h"
#include "objects/cir_text.h"
#include "view/command_ids.h"
#include "view/discwright_view.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <QToolButton>

#include <cmath>

namespace {

class CircularTextWindowTest : public MainWindowTest {
protected:
    CCirText* Text() const {
        return dynamic_cast<CCirText*>(doc->ActiveFace().Objects().back().get());
    }
    CCirTextPanel& Panel() const { return *frame->PropertyBar()->m_cirTextPanel; }
    // Types over a field and leaves it with Enter, as a user does.
    static void Retype(QLineEdit* field, const QString& text) {
        field->setFocus();
        field->selectAll();
        QTest::keyClicks(field, text);
        QTest::keyClick(field, Qt::Key_Return);
    }
    // The angle of the middle of the text box as the face shows it, in degrees.
    static double ShownAngle(const CCirText& t) {
        const double dx = t.X() + t.m_textWidth / 2.0 / t.m_paintZoom - t.m_centreX;
        const double dy = t.Y() - t.m_textHeight / 2.0 / t.m_paintZoom - t.m_centreY;
        return -std::atan2(dx, dy) * kRadiansToDegrees;
    }
};

} // namespace

TEST_F(CircularTextWindowTest, UndoRestoresTheTextWhereItsAngleSays) {
    Action(CommandId::kCircularText)->trigger();
    ASSERT_NE(Text(), nullptr);
    QComboBox* size = Panel().m_controls->m_size;
    size->setCurrentIndex(size->findText(QStringLiteral("20")));
    Q_EMIT size->activated(size->currentIndex());
    Panel().m_inverse->click();
    Retype(Panel().m_angle, QStringLiteral("180"));
    ASSERT_EQ(Text()->m_angle, 180.0);
    ASSERT_EQ(Text()->Inverse(), 1);

    Action(CommandId::kUndo)->trigger();
    Action(CommandId::kUndo)->trigger();
    const CCirText& text = *Text();
    EXPECT_EQ(text.Inverse(), 0);
    EXPECT_EQ(text.m_angle, 0.0);
    EXPECT_EQ(text.m_radius, 5000.0);
    EXPECT_NEAR(ShownAngle(text), 0.0, 0.05);
    EXPECT_EQ(Panel().m_angle->text(), QStringLiteral("0"));
}

TEST_F(CircularTextWindowTest, ZoomingAndUndoRedoLeaveTheTextWhereItWas) {
    Action(CommandId::kCircularText)->trigger();
    Panel().m_inverse->click();
    Retype(Panel().m_angle, QStringLiteral("-37"));
    ASSERT_EQ(Text()->m_angle, -37.0); // the field takes a minus sign
    const CCirText& before = *Text();
    const int x = before.X(), y = before.Y();
    const double radius = before.m_radius, angle = before.m_angle;

    CDiscwrightView& view = *frame->View();
    // Every zoom from 2.0 down to 0.4 and back, fifty times.
    for (int round = 0; round < 50; ++round) {
        for (int i = 0; i < 5; ++i)
            Action(CommandId::kZoomIn)->trigger();
        for (int i = 0; i < 8; ++i)
            Action(CommandId::kZoomOut)->trigger();
        Action(CommandId::kZoom100)->trigger();
    }
    ASSERT_EQ(view.Zoom(), 1.0f);
    EXPECT_EQ(Text()->X(), x);
    EXPECT_EQ(Text()->Y(), y);
    EXPECT_EQ(Text()->m_radius, radius);
    EXPECT_EQ(Text()->m_angle, angle);

    for (int round = 0; round < 5; ++round) {
        Action(CommandId::kUndo)->trigger();
        Action(CommandId::kRedo)->trigger();
    }
    EXPECT_EQ(Text()->X(), x);
    EXPECT_EQ(Text()->Y(), y);
    EXPECT_EQ(Text()->m_radius, radius);
    EXPECT_EQ(Text()->m_angle, angle);
    EXPECT_EQ(Panel().m_angle->text(), QStringLiteral("-37"));
}
