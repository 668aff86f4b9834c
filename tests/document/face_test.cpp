#include "document/face.h"

#include <gtest/gtest.h>

#include <functional>
#include <set>

namespace {

template <typename T = CBaseObject>
T* Add(Face& face, bool selected = false, bool fromLayout = false) {
    auto object = std::make_unique<T>();
    object->SetSelected(selected ? 1 : 0);
    object->SetFromLayout(fromLayout ? 1 : 0);
    T* raw = object.get();
    face.AppendObject(std::move(object));
    return raw;
}

} // namespace

TEST(Face, SetBackgroundTakesThePictureOutOfTheListsOnce) {
    Face face;
    CBaseObject* below = Add(face, true);
    CImage* picture = Add<CImage>(face, true);
    face.RebuildSelection();
    ASSERT_EQ(face.Selection().size(), 2u);

    face.SetBackground(picture);
    EXPECT_EQ(face.Background(), picture);
    EXPECT_EQ(picture->IsBackground(), 1);
    EXPECT_EQ(picture->Selected(), 0);
    ASSERT_EQ(face.Objects().size(), 1u);
    EXPECT_EQ(face.Objects().front().get(), below);
    EXPECT_EQ(face.Selection(), std::vector<CBaseObject*>{below});

    face.SetBackground(picture); // already the background: nothing changes
    EXPECT_EQ(face.Background(), picture);
    EXPECT_EQ(face.Objects().size(), 1u);

    auto fresh = std::make_unique<CImage>();
    CImage* freshRaw = fresh.get();
    face.SetBackground(std::move(fresh)); // the old background is deleted
    EXPECT_EQ(face.Background(), freshRaw);
    face.RemoveBackground();
    EXPECT_EQ(face.Background(), nullptr);
}

TEST(Face, PictureOfAnotherFaceIsNotTaken) {
    Face a;
    Face b;
    CImage* picture = Add<CImage>(a);
    b.SetBackground(picture);
    EXPECT_EQ(b.Background(), nullptr);
    EXPECT_EQ(a.Objects().size(), 1u);
}

TEST(Face, DeleteLayoutObjectsKeepsTheUsersOwn) {
    Face face;
    Add(face, true, true);
    CBaseObject* own = Add(face, true, false);
    Add(face, false, true);
    face.RebuildSelection();
    face.DeleteLayoutObjects();
    ASSERT_EQ(face.Objects().size(), 1u);
    EXPECT_EQ(face.Objects().front().get(), own);
    EXPECT_EQ(face.Selection(), std::vector<CBaseObject*>{own});
}

TEST(Face, RebuildSelectionFollowsListOrder) {
    Face face;
    CBaseObject* first = Add(face, true);
    Add(face, false);
    CBaseObject* third = Add(face, true);
    face.RebuildSelection();
    EXPECT_EQ(face.Selection(), (std::vector<CBaseObject*>{first, third}));
}

namespace {

// Counts what a face tells, and checks on each removal that the objects are
// still on the face (told before, not after).
struct RecordingObserver : FaceObserver {
    void FaceSelectionChanged(const Face&) override { ++selectionChanges; }
    void FaceObjectsAboutToBeRemoved(const Face& face,
                                     const std::vector<CBaseObject*>& objects) override {
        for (CBaseObject* o : objects)
            EXPECT_TRUE(face.IndexOf(o) >= 0 || face.Background() == o);
        removed.insert(removed.end(), objects.begin(), objects.end());
    }
    int selectionChanges = 0;
    std::vector<CBaseObject*> removed;
};

// Every object's flag agrees with the list; the list holds objects of the face once each.
void ExpectConsistent(const Face& face) {
    const auto& selection = face.Selection();
    EXPECT_EQ(std::set<CBaseObject*>(selection.begin(), selection.end()).size(), selection.size());
    for (CBaseObject* o : selection)
        EXPECT_GE(face.IndexOf(o), 0);
    for (const auto& o : face.Objects()) {
        const bool listed =
            std::find(selection.begin(), selection.end(), o.get()) != selection.end();
        EXPECT_EQ(o->Selected() != 0, listed);
        EXPECT_EQ(face.IsSelected(o.get()), listed);
    }
}

struct SelectionCase {
    const char* name;
    // Acts on a face holding a, b, c (drawing order) and none selected;
    // `stranger` belongs to no face.
    std::function<void(Face&, CBaseObject* a, CBaseObject* b, CBaseObject* c,
                       CBaseObject* stranger)>
        act;
    // Expected selection, as indexes into {a, b, c}.
    std::vector<int> expected;
    int expectedSignals;
};

class FaceSelection : public ::testing::TestWithParam<SelectionCase> {};

} // namespace

TEST_P(FaceSelection, FlagsAndListAgree) {
    const SelectionCase& c = GetParam();
    Face face;
    RecordingObserver observer;
    face.Attach(kFrontFace, &observer);
    CBaseObject* objects[] = {Add(face), Add(face), Add(face)};
    CBaseObject stranger;
    c.act(face, objects[0], objects[1], objects[2], &stranger);
    ExpectConsistent(face);
    std::vector<CBaseObject*> expected;
    for (int i : c.expected)
        expected.push_back(objects[i]);
    EXPECT_EQ(face.Selection(), expected);
    EXPECT_EQ(observer.selectionChanges, c.expectedSignals);
    EXPECT_EQ(stranger.Selected(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Operations, FaceSelection,
    ::testing::Values(SelectionCase{"SelectAppends",
                                    [](Face& f, auto a, auto, auto c, auto) {
                                        f.Select(c);
                                        f.Select(a);
                                    },
                                    {2, 0},
                                    2},
                      SelectionCase{"SelectingTwiceChangesNothing",
                                    [](Face& f, auto a, auto, auto, auto) {
                                        f.Select(a);
                                        EXPECT_FALSE(f.Select(a));
                                    },
                                    {0},
                                    1},
                      SelectionCase{"ObjectOfNoFaceIsRefused",
                                    [](Face& f, auto, auto, auto, auto s) {
                                        EXPECT_FALSE(f.Select(s));
                                        EXPECT_FALSE(f.Select(nullptr));
                                    },
                                    {},
                                    0},
                      SelectionCase{"DeselectKeepsTheOthersInOrder",
                                    [](Face& f, auto a, auto b, auto c, auto) {
                                        f.Select(a);
                                        f.Select(b);
                                        f.Select(c);
                                        EXPECT_TRUE(f.Deselect(b));
                                        EXPECT_FALSE(f.Deselect(b));
                                    },
                                    {0, 2},
                                    4},
                      SelectionCase{"ClearDropsEveryFlag",
                                    [](Face& f, auto a, auto b, auto, auto) {
                                        f.Select(a);
                                        f.Select(b);
                                        f.ClearSelection();
                                        f.ClearSelection(); // nothing left to tell
                                    },
                                    {},
                                    3},
                      SelectionCase{"TakenObjectIsDeselected",
                                    [](Face& f, auto a, auto b, auto, auto) {
                                        f.Select(a);
                                        f.Select(b);
                                        std::unique_ptr<CBaseObject> taken = f.TakeObject(a);
                                        EXPECT_EQ(taken->Selected(), 0);
                                    },
                                    {1},
                                    3},
                      SelectionCase{"DeletedObjectsLeaveTheSelection",
                                    [](Face& f, auto a, auto b, auto c, auto s) {
                                        f.Select(a);
                                        f.Select(c);
                                        f.DeleteObjects({c, b, c, s});
                                        EXPECT_EQ(f.Objects().size(), 1u);
                                    },
                                    {0},
                                    3},
                      SelectionCase{"RebuildTopmostFirstFromFlags",
                                    [](Face& f, auto a, auto, auto c, auto) {
                                        f.Select(a);
                                        f.Select(c);
                                        f.RebuildSelection(Face::Order::kTopmostFirst);
                                    },
                                    {2, 0},
                                    3},
                      SelectionCase{"MovingKeepsTheSelection",
                                    [](Face& f, auto a, auto, auto, auto) {
                                        f.Select(a);
                                        EXPECT_TRUE(f.MoveObject(a, 99));
                                        EXPECT_EQ(f.IndexOf(a), 2);
                                    },
                                    {0},
                                    1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Face, RemovalIsToldBeforeTheObjectsGo) {
    Face face;
    RecordingObserver observer;
    face.Attach(kDiscFace, &observer);
    CBaseObject* a = Add(face);
    CBaseObject* b = Add(face);
    CImage* picture = Add<CImage>(face);
    face.SetBackground(picture); // leaves the object list
    EXPECT_EQ(observer.removed, std::vector<CBaseObject*>{picture});
    face.SetBackground(std::make_unique<CImage>()); // the old background goes
    EXPECT_EQ(observer.removed.size(), 2u);
    EXPECT_EQ(observer.removed.back(), picture);
    CImage* background = face.Background();
    face.Clear();
    EXPECT_EQ(observer.removed, (std::vector<CBaseObject*>{picture, picture, a, b, background}));
}

TEST(Face, MoveObjectReordersTheDrawingOrder) {
    Face face;
    CBaseObject* a = Add(face);
    CBaseObject* b = Add(face);
    CBaseObject* c = Add(face);
    auto order = [&face] {
        std::vector<CBaseObject*> list;
        for (const auto& o : face.Objects())
            list.push_back(o.get());
        return list;
    };
    face.MoveObject(c, 0);
    EXPECT_EQ(order(), (std::vector<CBaseObject*>{c, a, b}));
    face.MoveObject(c, 1);
    EXPECT_EQ(order(), (std::vector<CBaseObject*>{a, c, b}));
    face.MoveObject(a, -5);
    EXPECT_EQ(order(), (std::vector<CBaseObject*>{a, c, b}));
    CBaseObject stranger;
    EXPECT_FALSE(face.MoveObject(&stranger, 0));
}

TEST(Face, NamesAndIds) {
    EXPECT_EQ(FaceName(kInsideFace), QStringLiteral("inside"));
    EXPECT_EQ(FaceIdFromName(u"back"), kBackFace);
    EXPECT_EQ(FaceIdFromName(u"Back"), -1);
    EXPECT_EQ(FaceName(9), QString());
}
