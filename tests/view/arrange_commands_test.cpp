#include "fake_editing_host.h"
#include "objects/cir_text.h"
#include "objects/shape.h"
#include "support/command_id_printing.h"
#include "support/picture_test_access.h"
#include "view/arrange_commands.h"
#include "view/command_ids.h"
#include "view/face_selection.h"

#include <gtest/gtest.h>

#include <map>

namespace {

struct Rect {
    int x, y, width, height;
    bool operator==(const Rect&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Rect& r) {
    return os << "(" << r.x << ", " << r.y << ", " << r.width << ", " << r.height << ")";
}

Rect RectOf(const CBaseObject* o) {
    return {o->X(), o->Y(), o->Width(), o->Height()};
}

CBaseObject* AddShape(FakeEditingHost& host, Rect r) {
    auto shape = std::make_unique<CShape>(r.x, r.y, r.x + r.width, r.y + r.height,
                                          CShape::kRectangle, 0xFF, 0);
    CBaseObject* added = shape.get();
    host.Document().AddObject(std::move(shape));
    return added;
}

CBaseObject* AddCircularText(FakeEditingHost& host) {
    auto text = std::make_unique<CCirText>();
    text->SetX(777);
    text->SetY(-888);
    text->SetWidth(99);
    text->SetHeight(-11);
    text->SetText(QStringLiteral("round"));
    CBaseObject* added = text.get();
    host.Document().AddObject(std::move(text));
    return added;
}

void SelectAll(FakeEditingHost& host, std::initializer_list<CBaseObject*> objects) {
    ClearSelection(host);
    for (CBaseObject* o : objects)
        SelectObject(host, o);
}

std::vector<CBaseObject*> ObjectsOf(const Face& face) {
    std::vector<CBaseObject*> objects;
    for (const auto& o : face.Objects())
        objects.push_back(o.get());
    return objects;
}

struct ArrangeCase {
    const char* name;
    CommandId command;
    Rect a, b;
    Rect wantA, wantB;
};

void PrintTo(const ArrangeCase& c, std::ostream* os) {
    *os << c.name;
}

// The disc face is 12000 by 12000 units.
const ArrangeCase kArrangeCases[] = {
    {"AlignLeft",
     CommandId::kAlignLeft,
     {1000, -500, 2000, -1000},
     {3000, -900, 1500, -800},
     {1000, -500, 2000, -1000},
     {1000, -900, 1500, -800}},
    {"AlignRight",
     CommandId::kAlignRight,
     {1000, -500, 2000, -1000},
     {3000, -900, 4000, -800},
     {5000, -500, 2000, -1000},
     {3000, -900, 4000, -800}},
    // Tops go to the lower top edge (y grows upwards).
    {"AlignTop",
     CommandId::kAlignTop,
     {100, -1000, 2000, -1000},
     {200, -4000, 2000, -1000},
     {100, -4000, 2000, -1000},
     {200, -4000, 2000, -1000}},
    // Bottoms go to the higher bottom edge: -1000 - 2000 = -3000.
    {"AlignBottom",
     CommandId::kAlignBottom,
     {100, -1000, 2000, -2000},
     {200, -4000, 2000, -3000},
     {100, -1000, 2000, -2000},
     {200, 0, 2000, -3000}},
    {"SameWidth",
     CommandId::kMakeSameWidth,
     {100, -100, 2000, -2000},
     {200, -200, 3000, -3000},
     {100, -100, 3000, -2000},
     {200, -200, 3000, -3000}},
    // The largest height value of negative heights is the shortest object.
    {"SameHeight",
     CommandId::kMakeSameHeight,
     {100, -100, 2000, -2000},
     {200, -200, 3000, -3000},
     {100, -100, 2000, -2000},
     {200, -200, 3000, -2000}},
    {"SameSize",
     CommandId::kMakeSameSize,
     {100, -100, 2000, -2000},
     {200, -200, 3000, -3000},
     {100, -100, 3000, -2000},
     {200, -200, 3000, -2000}},
    // x := 12000/2 - width/2, halves truncated toward zero.
    {"CentreHorizontal",
     CommandId::kCenterHorizontal,
     {100, -100, 2001, -2000},
     {200, -200, 3000, -3000},
     {5000, -100, 2001, -2000},
     {4500, -200, 3000, -3000}},
    // y := -12000/2 - height/2: -3001/2 is -1500, not -1501.
    {"CentreVertical",
     CommandId::kCenterVertical,
     {100, -100, 2000, -3001},
     {200, -200, 3000, -3000},
     {100, -4500, 2000, -3001},
     {200, -4500, 3000, -3000}},
};

class ArrangeTable : public ::testing::TestWithParam<ArrangeCase> {};

TEST_P(ArrangeTable, MovesTheSelectionLeavesCircularTextAndTakesOneUndoStep) {
    const ArrangeCase& c = GetParam();
    FakeEditingHost host;
    CBaseObject* a = AddShape(host, c.a);
    CBaseObject* round = AddCircularText(host);
    CBaseObject* b = AddShape(host, c.b);
    const Rect roundBefore = RectOf(round);
    SelectAll(host, {a, round, b});
    host.Settle();
    ASSERT_TRUE(IsArrangeCommandEnabled(host, c.command));
    const int undoBefore = host.Document().UndoCount();

    ASSERT_TRUE(RunArrangeCommand(host, c.command, host.Prompts()));

    EXPECT_EQ(RectOf(a), c.wantA);
    EXPECT_EQ(RectOf(b), c.wantB);
    EXPECT_EQ(RectOf(round), roundBefore);
    EXPECT_EQ(host.Document().UndoCount(), undoBefore + 1);
    EXPECT_TRUE(host.Document().IsModified());
    EXPECT_GE(host.canvasRefreshes, 1);
    EXPECT_GE(host.repaints, 1);
    EXPECT_GE(host.propertyRefreshes, 1);

    // The step is a real one: undo brings the old rectangles back.
    ASSERT_TRUE(host.Document().Undo());
    const std::vector<CBaseObject*> restored = ObjectsOf(host.ActiveFace());
    ASSERT_EQ(restored.size(), 3u);
    EXPECT_EQ(RectOf(restored[0]), c.a);
    EXPECT_EQ(RectOf(restored[2]), c.b);
}

INSTANTIATE_TEST_SUITE_P(Arrange, ArrangeTable, ::testing::ValuesIn(kArrangeCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Arrange, EnablingFollowsTheSelectionSize) {
    FakeEditingHost host;
    CBaseObject* a = AddShape(host, {0, 0, 100, -100});
    CBaseObject* b = AddShape(host, {0, 0, 100, -100});
    const CommandId alignIds[] = {CommandId::kAlignLeft,     CommandId::kAlignRight,
                                  CommandId::kAlignTop,      CommandId::kAlignBottom,
                                  CommandId::kMakeSameWidth, CommandId::kMakeSameHeight,
                                  CommandId::kMakeSameSize};
    for (CommandId id : alignIds)
        EXPECT_FALSE(IsArrangeCommandEnabled(host, id)) << id;
    EXPECT_FALSE(IsArrangeCommandEnabled(host, CommandId::kCenterVertical));
    EXPECT_FALSE(IsArrangeCommandEnabled(host, CommandId::kDeleteSelection));
    for (CommandId id : {CommandId::kBringToFront, CommandId::kSendToBack, CommandId::kMoveToNext,
                         CommandId::kMoveToPrevious, CommandId::kSetBackgroundColor})
        EXPECT_TRUE(IsArrangeCommandEnabled(host, id)) << id;

    SelectAll(host, {a});
    for (CommandId id : alignIds)
        EXPECT_FALSE(IsArrangeCommandEnabled(host, id)) << id;
    EXPECT_TRUE(IsArrangeCommandEnabled(host, CommandId::kCenterHorizontal));
    EXPECT_TRUE(IsArrangeCommandEnabled(host, CommandId::kDeleteSelection));
    // A disabled command run anyway changes nothing and takes no step.
    const int undoBefore = host.Document().UndoCount();
    EXPECT_FALSE(RunArrangeCommand(host, CommandId::kAlignLeft, host.Prompts()));
    EXPECT_EQ(host.Document().UndoCount(), undoBefore);

    SelectAll(host, {a, b});
    for (CommandId id : alignIds)
        EXPECT_TRUE(IsArrangeCommandEnabled(host, id)) << id;
    EXPECT_FALSE(IsArrangeCommandEnabled(host, CommandId{12345}));
    EXPECT_FALSE(RunArrangeCommand(host, CommandId{12345}, host.Prompts()));
}

TEST(Arrange, OnlyCircularTextsSelectedIsLeftAloneWithoutAStep) {
    FakeEditingHost host;
    CBaseObject* first = AddCircularText(host);
    CBaseObject* second = AddCircularText(host);
    second->SetX(5);
    SelectAll(host, {first, second});
    const int undoBefore = host.Document().UndoCount();
    for (CommandId id : {CommandId::kAlignLeft, CommandId::kMakeSameSize,
                         CommandId::kCenterHorizontal, CommandId::kCenterVertical})
        EXPECT_FALSE(RunArrangeCommand(host, id, host.Prompts())) << id;
    EXPECT_EQ(first->X(), 777);
    EXPECT_EQ(second->X(), 5);
    EXPECT_EQ(host.Document().UndoCount(), undoBefore);
    EXPECT_FALSE(host.Document().IsModified());
}

struct StackCase {
    const char* name;
    CommandId command;
    int target; // index of the property bar's object in "ABC", or -1 for none
    const char* wantOrder;
};

void PrintTo(const StackCase& c, std::ostream* os) {
    *os << c.name;
}

const StackCase kStackCases[] = {
    {"FrontOfTopStays", CommandId::kBringToFront, 2, "ABC"},
    {"BackOfBottomStays", CommandId::kSendToBack, 0, "ABC"},
    {"FrontFromBottom", CommandId::kBringToFront, 0, "BCA"},
    {"BackFromTop", CommandId::kSendToBack, 2, "CAB"},
    {"NextFromMiddle", CommandId::kMoveToNext, 1, "ACB"},
    {"PreviousFromMiddle", CommandId::kMoveToPrevious, 1, "BAC"},
    {"NextOfTopStays", CommandId::kMoveToNext, 2, "ABC"},
    {"PreviousOfBottomStays", CommandId::kMoveToPrevious, 0, "ABC"},
    {"NoPropertyObject", CommandId::kBringToFront, -1, "ABC"},
};

class StackTable : public ::testing::TestWithParam<StackCase> {};

TEST_P(StackTable, ReordersThePropertyObjectAndAlwaysTakesOneStep) {
    const StackCase& c = GetParam();
    FakeEditingHost host;
    std::map<CBaseObject*, char> names;
    std::vector<CBaseObject*> objects;
    for (char name : {'A', 'B', 'C'}) {
        objects.push_back(AddShape(host, {100, -100, 100, -100}));
        names[objects.back()] = name;
    }
    if (c.target >= 0) {
        SelectAll(host, {objects[size_t(c.target)]});
        ASSERT_EQ(host.PropertyObject(), objects[size_t(c.target)]);
    } else {
        SelectAll(host, {objects[0], objects[2]}); // several: the property bar is empty
        ASSERT_EQ(host.PropertyObject(), nullptr);
    }
    const int undoBefore = host.Document().UndoCount();

    ASSERT_TRUE(RunArrangeCommand(host, c.command, host.Prompts()));

    std::string order;
    for (CBaseObject* o : ObjectsOf(host.ActiveFace()))
        order += names[o];
    EXPECT_EQ(order, c.wantOrder);
    EXPECT_EQ(host.Document().UndoCount(), undoBefore + 1);
    EXPECT_TRUE(host.Document().IsModified());
    EXPECT_EQ(host.canvasRefreshes, 1);
    EXPECT_EQ(host.repaints, 1);
}

INSTANTIATE_TEST_SUITE_P(Arrange, StackTable, ::testing::ValuesIn(kStackCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Arrange, StackingNeverMovesTheBackgroundPicture) {
    FakeEditingHost host;
    AddShape(host, {0, 0, 10, -10});
    auto picture = std::make_unique<CImage>();
    PictureTestAccess::SetRecord(*picture, QByteArray(8, '\0')); // lets snapshots write it
    CImage* background = picture.get();
    host.Document().SetBackground(std::move(picture));
    host.ShowInPropertyBar(background); // nothing selected: the bar shows the background
    ChangeStackOrder(host, StackMove::kToFront);
    EXPECT_EQ(host.ActiveFace().Background(), background);
    EXPECT_EQ(host.ActiveFace().Objects().size(), 1u);
}

TEST(Arrange, DeleteRemovesTheSelectionInOneStep) {
    FakeEditingHost host;
    CBaseObject* a = AddShape(host, {0, 0, 10, -10});
    CBaseObject* b = AddShape(host, {20, 0, 10, -10});
    CBaseObject* c = AddShape(host, {40, 0, 10, -10});
    SelectAll(host, {c, a});
    host.Settle();
    const int undoBefore = host.Document().UndoCount();

    ASSERT_TRUE(RunArrangeCommand(host, CommandId::kDeleteSelection, host.Prompts()));

    EXPECT_EQ(ObjectsOf(host.ActiveFace()), std::vector<CBaseObject*>{b});
    EXPECT_TRUE(host.ActiveFace().Selection().empty());
    EXPECT_EQ(host.PropertyObject(), nullptr);
    EXPECT_EQ(host.Document().UndoCount(), undoBefore + 1);
    EXPECT_TRUE(host.Document().IsModified());
    EXPECT_EQ(host.canvasRefreshes, 1);

    // Nothing selected: nothing to delete, no step.
    EXPECT_FALSE(DeleteSelection(host));
    EXPECT_EQ(host.Document().UndoCount(), undoBefore + 1);

    ASSERT_TRUE(host.Document().Undo());
    EXPECT_EQ(host.ActiveFace().Objects().size(), 3u);
    EXPECT_EQ(host.ActiveFace().Selection().size(), 2u);
}

TEST(Arrange, LockStateAndToggle) {
    FakeEditingHost host;
    CBaseObject* a = AddShape(host, {0, 0, 10, -10});
    CBaseObject* b = AddShape(host, {20, 0, 10, -10});
    EXPECT_EQ(LockMenuState(host), LockState::kDisabled);
    EXPECT_FALSE(IsArrangeCommandEnabled(host, CommandId::kLockUnlockObject));

    SelectAll(host, {a});
    EXPECT_EQ(LockMenuState(host), LockState::kUnlocked);
    const int undoBefore = host.Document().UndoCount();
    ASSERT_TRUE(RunArrangeCommand(host, CommandId::kLockUnlockObject, host.Prompts()));
    EXPECT_EQ(a->Locked(), 1);
    EXPECT_EQ(LockMenuState(host), LockState::kLocked);
    EXPECT_EQ(host.Document().UndoCount(), undoBefore + 1);
    EXPECT_TRUE(host.Document().IsModified());

    // Each selected object flips on its own.
    SelectAll(host, {a, b});
    EXPECT_EQ(LockMenuState(host), LockState::kMixed);
    ASSERT_TRUE(ToggleLock(host));
    EXPECT_EQ(a->Locked(), 0);
    EXPECT_EQ(b->Locked(), 1);
    EXPECT_EQ(host.Document().UndoCount(), undoBefore + 2);
}

} // namespace
