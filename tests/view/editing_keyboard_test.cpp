#include "editing_fixture.h"

#include "objects/cir_text.h"
#include "view/command_ids.h"

namespace {

struct ArrowCase {
    const char* name;
    int key;
    Qt::KeyboardModifiers modifiers;
    QPoint move; // face units per press
};
void PrintTo(const ArrowCase& c, std::ostream* os) {
    *os << c.name;
}

class ArrowTest : public EditingTest, public ::testing::WithParamInterface<ArrowCase> {};

// A held key sends repeated presses with auto-repeat releases between them;
// only the final release is an undo step.
TEST_P(ArrowTest, HeldArrowMovesEachPressAndRecordsOneStep) {
    const ArrowCase c = GetParam();
    CShape* a = AddShape(3000, -3000, 1000, -1000);
    CShape* locked = AddShape(6000, -3000, 1000, -1000);
    locked->SetLocked(1);
    Select({a, locked});
    Settle();
    for (int i = 0; i < 3; ++i) {
        Key(QEvent::KeyPress, c.key, c.modifiers, i > 0);
        if (i < 2)
            Key(QEvent::KeyRelease, c.key, c.modifiers, true);
    }
    EXPECT_EQ(doc.UndoCount(), 1);
    Key(QEvent::KeyRelease, c.key, c.modifiers);
    EXPECT_EQ(a->X(), 3000 + 3 * c.move.x());
    EXPECT_EQ(a->Y(), -3000 + 3 * c.move.y());
    EXPECT_EQ(locked->X(), 6000);
    EXPECT_EQ(locked->Y(), -3000);
    EXPECT_EQ(doc.UndoCount(), 2);
    ASSERT_TRUE(doc.Undo());
    EXPECT_EQ(ActiveFace().Objects()[0]->X(), 3000);
}

// One screen pixel at zoom 1 is 26 units (96 pixels per inch).
INSTANTIATE_TEST_SUITE_P(
    Keys, ArrowTest,
    ::testing::Values(ArrowCase{"CtrlRight", Qt::Key_Right, Qt::ControlModifier, {500, 0}},
                      ArrowCase{"CtrlLeft", Qt::Key_Left, Qt::ControlModifier, {-500, 0}},
                      ArrowCase{"CtrlUp", Qt::Key_Up, Qt::ControlModifier, {0, 500}},
                      ArrowCase{"Down", Qt::Key_Down, Qt::NoModifier, {0, -26}},
                      ArrowCase{"Right", Qt::Key_Right, Qt::NoModifier, {26, 0}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(EditingTest, ArrowsWithoutAMovableSelectionRecordNothing) {
    CShape* locked = AddShape(3000, -3000, 1000, -1000);
    locked->SetLocked(1);
    Settle();
    KeyClick(Qt::Key_Left, Qt::ControlModifier); // nothing selected
    Select({locked});
    KeyClick(Qt::Key_Left, Qt::ControlModifier);
    EXPECT_EQ(locked->X(), 3000);
    EXPECT_EQ(doc.UndoCount(), 1);
}

TEST_F(EditingTest, ArrowKeepsACircularTextOnItsNewPlace) {
    view.OnCommand(CommandId::kCircularText);
    auto* text = static_cast<CCirText*>(ActiveFace().Objects().back().get());
    Settle();
    const double angle = text->m_angle;
    KeyClick(Qt::Key_Right, Qt::ControlModifier);
    // Moved to the right of the top of its circle: the angle follows at once.
    EXPECT_NE(text->m_angle, angle);
    EXPECT_EQ(doc.UndoCount(), 2);
}

TEST_F(EditingTest, DeleteKeyDeletesTheSelection) {
    CShape* a = AddShape(3000, -3000, 1000, -1000);
    CShape* b = AddShape(6000, -3000, 1000, -1000);
    Select({a});
    Settle();
    KeyClick(Qt::Key_Delete);
    ASSERT_EQ(ActiveFace().Objects().size(), 1u);
    EXPECT_EQ(ActiveFace().Objects()[0].get(), b);
    EXPECT_EQ(doc.UndoCount(), 2);
}

} // namespace
