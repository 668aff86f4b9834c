#include "document/face.h"

#include <gtest/gtest.h>

namespace {

template <typename T = CBaseObject>
T* Add(Face& face, bool selected = false, bool fromLayout = false) {
    auto object = std::make_unique<T>();
    object->m_selected = selected ? 1 : 0;
    object->m_fromLayout = fromLayout ? 1 : 0;
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
    EXPECT_EQ(picture->m_isBackground, 1);
    EXPECT_EQ(picture->m_selected, 0);
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

TEST(Face, NamesAndIds) {
    EXPECT_EQ(FaceName(kInsideFace), QStringLiteral("inside"));
    EXPECT_EQ(FaceIdFromName(u"back"), kBackFace);
    EXPECT_EQ(FaceIdFromName(u"Back"), -1);
    EXPECT_EQ(FaceName(9), QString());
}
