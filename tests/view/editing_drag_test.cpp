#include "editing_fixture.h"

#include "objects/image.h"

namespace {

ObjectRect RectNow(const CBaseObject* o) {
    return {o->X(), o->Y(), o->Width(), o->Height()};
}

TEST_F(EditingTest, DragMovesTheSelectionButNotLockedObjects) {
    CShape* a = AddShape(2000, -2000, 2000, -2000);
    CShape* b = AddShape(6000, -2000, 1000, -1000);
    CShape* locked = AddShape(2000, -6000, 1000, -1000);
    locked->SetLocked(1);
    Select({a, b, locked});
    Settle();
    // 96 pixels right and 48 down: about 2540 units right and 1270 down.
    HoverAndDrag({96, 96}, {192, 144});
    const QPoint d = DeltaUnits({96, 96}, {192, 144});
    EXPECT_NEAR(d.x(), 2540, 1);
    EXPECT_NEAR(d.y(), -1270, 1);
    EXPECT_EQ(RectNow(a), (ObjectRect{2000 + d.x(), -2000 + d.y(), 2000, -2000}));
    EXPECT_EQ(RectNow(b), (ObjectRect{6000 + d.x(), -2000 + d.y(), 1000, -1000}));
    EXPECT_EQ(RectNow(locked), (ObjectRect{2000, -6000, 1000, -1000}));
    EXPECT_EQ(Selection().size(), 3u);
    EXPECT_EQ(doc.UndoCount(), 2);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(view.DragMode(), 9);
}

TEST_F(EditingTest, PressOnAnUnselectedObjectSelectsAndMovesIt) {
    CShape* a = AddShape(2000, -2000, 2000, -2000);
    Settle();
    Drag({96, 96}, {192, 96});
    EXPECT_EQ(RectNow(a),
              (ObjectRect{2000 + DeltaUnits({96, 96}, {192, 96}).x(), -2000, 2000, -2000}));
    EXPECT_EQ(Selection(), std::vector<CBaseObject*>{a});
    EXPECT_EQ(doc.UndoCount(), 2);
}

TEST_F(EditingTest, PressGoesByWhatIsUnderItNotByAnOldHover) {
    CShape* a = AddShape(2000, -2000, 2000, -2000);
    CShape* b = AddShape(6000, -2000, 1000, -1000);
    Select({a});
    Settle();
    Hover({96, 96});
    ASSERT_EQ(view.DragMode(), 10);
    KeyClick(Qt::Key_Tab); // b alone is selected now; the mouse has not moved
    Drag({96, 96}, {120, 96});
    EXPECT_EQ(Selection(), std::vector<CBaseObject*>{a});
    EXPECT_GT(a->X(), 2000);
    EXPECT_EQ(b->X(), 6000);
}

TEST_F(EditingTest, MovingSnapsToTheGridTowardZero) {
    CShape* a = AddShape(0, 0, 5000, -5000);
    Select({a});
    doc.m_gridVisible = 1;
    Settle();
    // 47 pixels are about 1244 units: x 1244 -> 1000, y -1244 -> -1000.
    HoverAndDrag({96, 96}, {143, 143});
    EXPECT_EQ(a->X(), 1000);
    EXPECT_EQ(a->Y(), -1000);
}

TEST_F(EditingTest, LeftHandleStopsTwoUnitsShortOfTheRightEdge) {
    // The left handle of a rectangle at 1000 units sits at pixel 38; 40 pixels
    // further is `step` units, and the rectangle is step + 2 wide.
    const int my = 38 + (76 - 38) / 2;
    const int step = DeltaUnits({38, my}, {78, my}).x();
    CShape* a = AddShape(1000, -1000, step + 2, -1000);
    Select({a});
    Settle();
    Hover({38, my});
    ASSERT_EQ(view.DragMode(), 7);
    Press({38, my});
    DragTo({78, my});
    EXPECT_EQ(a->Width(), 2);
    DragTo({79, my});
    DragTo({300, my});
    Release({300, my});
    EXPECT_EQ(a->Width(), 2);
    EXPECT_EQ(a->X() + a->Width(), 1000 + step + 2);
    EXPECT_EQ(a->Height(), -1000);
    EXPECT_EQ(doc.UndoCount(), 2);
}

TEST_F(EditingTest, KeepAspectPictureGrowsInProportionAtItsRightHandle) {
    auto owned = std::make_unique<CImage>(2000, -2000, 6000, -5000);
    owned->SetKeepAspectRatio(1);
    CImage* picture = owned.get();
    ActiveFace().AppendObject(std::move(owned));
    Select({picture});
    Settle();
    // Handle 3: right edge 6000 units (pixel 227), middle of 2000..5000 down.
    const QPoint handle(227, 76 + (189 - 76) / 2);
    Hover(handle);
    ASSERT_EQ(view.DragMode(), 3);
    const QPoint to = handle + QPoint(38, 5); // about 10 mm right
    Press(handle);
    DragTo(to);
    Release(to);
    const int dx = DeltaUnits(handle, to).x();
    EXPECT_NEAR(dx, 1000, 10);
    // 4:3: three quarters of the width's growth in height.
    EXPECT_EQ(RectNow(picture),
              (ObjectRect{2000, -2000, 4000 + dx, -ProportionalSide(4000 + dx, 4000, 3000)}));
}

TEST_F(EditingTest, CornerHandleSetsTheRadiiInsideTheTopRightQuarter) {
    CShape* round = AddShape(1000, -1000, 4000, -3000, CShape::kRoundRect);
    Select({round});
    Settle();
    // The corner handle: (5000 - 500, -1000 - 500) units = pixels (170, 57).
    Hover({170, 57});
    ASSERT_EQ(view.DragMode(), 8);
    Press({170, 57});
    DragTo({113, 76}); // left of the middle: x stops at the middle
    EXPECT_EQ(round->RadiusX(), 2000);
    EXPECT_EQ(round->RadiusY(), -Units(76) + 1000);
    DragTo({400, 10}); // beyond the corner
    Release({400, 10});
    EXPECT_EQ(round->RadiusX(), 1);
    EXPECT_EQ(round->RadiusY(), -1);
    EXPECT_EQ(RectNow(round), (ObjectRect{1000, -1000, 4000, -3000}));
    EXPECT_EQ(doc.UndoCount(), 2);
}

TEST_F(EditingTest, ObjectsDeletedDuringADragAreLeftAlone) {
    CShape* a = AddShape(2000, -2000, 2000, -2000);
    Select({a});
    Settle();
    // Resizing: the object goes with the Delete key while the button is held.
    Hover({76, 76});
    ASSERT_EQ(view.DragMode(), 0);
    Press({76, 76});
    DragTo({60, 60});
    Key(QEvent::KeyPress, Qt::Key_Delete);
    EXPECT_TRUE(ActiveFace().Objects().empty());
    DragTo({40, 40});
    Release({40, 40});
    // Moving: an undo takes the moved object away and brings back another.
    CShape* b = AddShape(2000, -2000, 2000, -2000);
    Select({b});
    Settle();
    HoverAndDrag({96, 96}, {120, 96});
    ASSERT_EQ(doc.UndoCount(), 2);
    Hover({120, 96});
    Press({120, 96});
    DragTo({130, 96});
    ASSERT_TRUE(doc.Undo()); // the view hears of it from the document
    DragTo({140, 96});
    Release({140, 96});
    ASSERT_EQ(ActiveFace().Objects().size(), 1u);
    EXPECT_EQ(ActiveFace().Objects()[0]->X(), 2000);
}

TEST_F(EditingTest, UndoDeletingTheResizedObjectTakesItFromTheTool) {
    Settle();
    CShape* a = AddShape(2000, -2000, 2000, -2000);
    Select({a});
    doc.CheckPoint(); // the step that created it
    doc.SetModifiedFlag(true);
    Hover({76, 76});
    ASSERT_EQ(view.DragMode(), 0);
    Press({76, 76});
    DragTo({60, 60});
    ASSERT_EQ(view.Selector().HoverObject(), a);
    ASSERT_TRUE(doc.Undo()); // back to the empty face: `a` is destroyed
    EXPECT_EQ(view.Selector().HoverObject(), nullptr);
    EXPECT_EQ(view.DragMode(), 9);
    DragTo({40, 40});
    Release({40, 40});
    EXPECT_TRUE(ActiveFace().Objects().empty());
}

} // namespace
