#include "editing_fixture.h"

#include "view/command_ids.h"

namespace {

// Three rectangles side by side, 10 x 10 mm, at 10, 30 and 50 mm from the
// left and 10 mm from the top: pixels 38-76, 113-151 and 189-227.
struct SelectTest : EditingTest {
    CShape* left = nullptr;
    CShape* middle = nullptr;
    CShape* right = nullptr;
    void SetUp() override {
        EditingTest::SetUp();
        left = AddShape(1000, -1000, 1000, -1000);
        middle = AddShape(3000, -1000, 1000, -1000);
        right = AddShape(5000, -1000, 1000, -1000);
        Settle();
    }
};

TEST_F(SelectTest, ClickSelectsOneAndShiftClickAddsToIt) {
    Click({50, 50});
    EXPECT_EQ(Selection(), std::vector<CBaseObject*>{left});
    EXPECT_EQ(PropertyBarObject(), left);
    Click({200, 50}, Qt::ShiftModifier);
    // Topmost first; the bar shows the object just hit.
    EXPECT_EQ(Selection(), (std::vector<CBaseObject*>{right, left}));
    EXPECT_EQ(PropertyBarObject(), right);
    Click({130, 50});
    EXPECT_EQ(Selection(), std::vector<CBaseObject*>{middle});
    EXPECT_EQ(left->Selected() + right->Selected(), 0);
    EXPECT_EQ(doc.UndoCount(), 1); // selecting is no change of the project
}

TEST_F(SelectTest, ClickOnEmptyFaceClearsAndShowsTheBackground) {
    Select({left, middle});
    Click({300, 300});
    EXPECT_TRUE(Selection().empty());
    EXPECT_EQ(left->Selected(), 0);
    EXPECT_EQ(PropertyBarObject(), nullptr); // the face has no background picture
}

TEST_F(SelectTest, RubberBandSelectsWhatItTouches) {
    // From empty face over half of the middle rectangle and into the right one.
    Drag({130, 20}, {195, 90});
    EXPECT_EQ(Selection(), (std::vector<CBaseObject*>{right, middle}));
    EXPECT_EQ(PropertyBarObject(), nullptr); // several found
    Drag({20, 20}, {40, 40});
    EXPECT_EQ(Selection(), std::vector<CBaseObject*>{left});
    EXPECT_EQ(PropertyBarObject(), left);
    // With Shift the band adds; one more found shows that one.
    Drag({200, 100}, {210, 70}, Qt::ShiftModifier);
    EXPECT_EQ(Selection(), (std::vector<CBaseObject*>{right, left}));
    EXPECT_EQ(PropertyBarObject(), right);
    Drag({300, 300}, {320, 320});
    EXPECT_TRUE(Selection().empty());
    EXPECT_EQ(PropertyBarObject(), nullptr);
    EXPECT_EQ(doc.UndoCount(), 1);
}

TEST_F(SelectTest, SelectAllSelectsEveryObject) {
    Select({middle});
    EXPECT_TRUE(view.OnCommand(CommandId::kSelectAll));
    EXPECT_EQ(Selection(), (std::vector<CBaseObject*>{right, middle, left}));
    EXPECT_EQ(PropertyBarObject(), nullptr);
    ActiveFace().TakeObject(left);
    ActiveFace().TakeObject(right);
    view.SelectAll();
    EXPECT_EQ(PropertyBarObject(), middle);
}

TEST_F(SelectTest, TabWalksUpAndWrapsToTheBottom) {
    KeyClick(Qt::Key_Tab); // nothing selected: the bottom object
    EXPECT_EQ(Selection(), std::vector<CBaseObject*>{left});
    KeyClick(Qt::Key_Tab);
    EXPECT_EQ(Selection(), std::vector<CBaseObject*>{middle});
    EXPECT_EQ(PropertyBarObject(), middle);
    KeyClick(Qt::Key_Tab);
    KeyClick(Qt::Key_Tab);
    EXPECT_EQ(Selection(), std::vector<CBaseObject*>{left});
    EXPECT_EQ(right->Selected(), 0);
    EXPECT_TRUE(view.OnCommand(CommandId::kSelectNext));
    EXPECT_EQ(Selection(), std::vector<CBaseObject*>{middle});
}

TEST_F(SelectTest, PressOnASelectedObjectKeepsTheOthersSelected) {
    Select({left, middle});
    // A click picks one; a drag from a hovered selected body moves them all.
    HoverAndDrag({50, 50}, {50, 60});
    EXPECT_EQ(Selection().size(), 2u);
    Click({50, 60});
    EXPECT_EQ(Selection(), std::vector<CBaseObject*>{left});
}

} // namespace
