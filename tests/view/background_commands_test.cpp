#include "fake_editing_host.h"
#include "imaging/raster_image.h"
#include "objects/image.h"
#include "objects/shape.h"
#include "support/picture_test_access.h"
#include "view/arrange_commands.h"
#include "view/background_commands.h"
#include "view/command_ids.h"
#include "view/face_selection.h"

#include <gtest/gtest.h>

namespace {

// Pictures cannot decode yet; a picture that knows its record can still be
// written into undo snapshots.
std::unique_ptr<CImage> MakePicture() {
    auto picture = std::make_unique<CImage>();
    picture->SetX(300);
    picture->SetY(-400);
    picture->SetWidth(1000);
    picture->SetHeight(-800);
    PictureTestAccess::SetRecord(*picture, QByteArray(16, '\x5A'));
    return picture;
}

template <typename T> T* Add(FakeEditingHost& host, std::unique_ptr<T> object) {
    T* added = object.get();
    host.Document().AddObject(std::move(object));
    return added;
}

std::unique_ptr<CShape> MakeShape() {
    return std::make_unique<CShape>(0, 0, 100, -100, CShape::kEllipse, 0, 0);
}

TEST(Background, SelectedPictureBecomesTheBackgroundOverTheWholeFace) {
    FakeEditingHost host;
    host.Document().SetActiveFace(kBackFace);
    CImage* old = host.ActiveFace().Background();
    ASSERT_EQ(old, nullptr);
    CShape* shape = Add(host, MakeShape());
    CImage* picture = Add(host, MakePicture());

    SelectObject(host, shape);
    SelectObject(host, picture);
    EXPECT_FALSE(
        IsArrangeCommandEnabled(host, CommandId::kSetAsBackgroundImage)); // a shape is first
    ClearSelection(host);
    SelectObject(host, picture);
    SelectObject(host, shape);
    ASSERT_TRUE(IsArrangeCommandEnabled(host, CommandId::kSetAsBackgroundImage));
    const int undoBefore = host.Document().UndoCount();

    ASSERT_TRUE(RunArrangeCommand(host, CommandId::kSetAsBackgroundImage, host.Prompts()));

    const Face& face = host.ActiveFace();
    ASSERT_EQ(face.Background(), picture);
    EXPECT_EQ(picture->IsBackground(), 1);
    EXPECT_EQ(picture->Selected(), 0);
    EXPECT_EQ(picture->X(), 0);
    EXPECT_EQ(picture->Y(), 0);
    EXPECT_EQ(picture->Width(), face.Width());
    EXPECT_EQ(picture->Height(), -face.Height());
    ASSERT_EQ(face.Objects().size(), 1u);
    EXPECT_EQ(face.Objects().front().get(), shape);
    EXPECT_EQ(shape->Selected(), 0);
    EXPECT_TRUE(face.Selection().empty());
    EXPECT_EQ(host.PropertyObject(), nullptr);
    EXPECT_EQ(host.Document().UndoCount(), undoBefore + 1);
    EXPECT_TRUE(host.Document().IsModified());
    EXPECT_EQ(host.canvasRefreshes, 1);

    // A second picture replaces it.
    CImage* next = Add(host, MakePicture());
    SelectObject(host, next);
    ASSERT_TRUE(SetSelectionAsBackground(host));
    EXPECT_EQ(face.Background(), next);
    EXPECT_EQ(face.Objects().size(), 1u);
    EXPECT_EQ(host.Document().UndoCount(), undoBefore + 2);
}

TEST(Background, RemoveLetsThePropertyBarGoAndTakesOneStep) {
    FakeEditingHost host;
    EXPECT_FALSE(IsArrangeCommandEnabled(host, CommandId::kRemoveBackgroundImage));
    EXPECT_FALSE(RemoveBackgroundPicture(host));
    host.Document().SetBackground(MakePicture());
    host.ShowInPropertyBar(host.ActiveFace().Background());
    ASSERT_TRUE(IsArrangeCommandEnabled(host, CommandId::kRemoveBackgroundImage));
    const int undoBefore = host.Document().UndoCount();

    ASSERT_TRUE(RunArrangeCommand(host, CommandId::kRemoveBackgroundImage, host.Prompts()));

    EXPECT_EQ(host.ActiveFace().Background(), nullptr);
    EXPECT_EQ(host.PropertyObject(), nullptr);
    EXPECT_EQ(host.Document().UndoCount(), undoBefore + 1);
    EXPECT_TRUE(host.Document().IsModified());
    EXPECT_EQ(host.repaints, 1);
}

TEST(Background, ColourFromTheDialogStartingOnTheFacesColour) {
    FakeEditingHost host;
    host.Document().SetActiveFace(kFrontFace);
    host.colourAnswer = QColor(0x12, 0x34, 0x56);
    const int undoBefore = host.Document().UndoCount();

    ASSERT_TRUE(RunArrangeCommand(host, CommandId::kSetBackgroundColor, host.Prompts()));

    EXPECT_EQ(host.colourDialogInitial, QColor(Qt::white));
    EXPECT_EQ(host.ActiveFace().BackgroundColour(), 0x563412u); // 0x00BBGGRR
    EXPECT_EQ(host.Document().GetFace(kDiscFace).BackgroundColour(), 0xFFFFFFu);
    EXPECT_EQ(host.Document().UndoCount(), undoBefore + 1);
    EXPECT_TRUE(host.Document().IsModified());
    EXPECT_EQ(host.canvasRefreshes, 1);

    // The next time the dialog starts on the colour chosen.
    host.colourAnswer.reset();
    EXPECT_FALSE(RunArrangeCommand(host, CommandId::kSetBackgroundColor, host.Prompts()));
    EXPECT_EQ(host.colourDialogInitial, QColor(0x12, 0x34, 0x56));

    ASSERT_TRUE(host.Document().Undo());
    EXPECT_EQ(host.ActiveFace().BackgroundColour(), 0xFFFFFFu);
}

TEST(Background, CancelledColourDialogChangesNothing) {
    FakeEditingHost host;
    host.colourAnswer.reset();
    const int undoBefore = host.Document().UndoCount();
    EXPECT_FALSE(SetBackgroundColour(host, host.Prompts()));
    EXPECT_EQ(host.ActiveFace().BackgroundColour(), 0xFFFFFFu);
    EXPECT_EQ(host.Document().UndoCount(), undoBefore);
    EXPECT_FALSE(host.Document().IsModified());
    EXPECT_EQ(host.repaints, 0);
}

TEST(Background, FromFileReplacesTheBackgroundOrSaysTheFormatIsInvalid) {
    FakeEditingHost host;
    CShape* shape = Add(host, MakeShape());
    SelectObject(host, shape);
    const int undoBefore = host.Document().UndoCount();

    const QString images = QStringLiteral(LUMVANE_TEST_DATA_DIR "/images/");
    for (const char* unreadable : {"no_such.png", "make_fixtures.sh", "../empty_project.dwp"}) {
        EXPECT_FALSE(
            SetBackgroundFromFile(host, images + QLatin1String(unreadable), host.Prompts()));
        EXPECT_EQ(host.messages.takeLast(), QStringLiteral("Invalid image format!"));
    }
    EXPECT_EQ(host.ActiveFace().Background(), nullptr);
    EXPECT_EQ(host.ActiveFace().Selection().size(), 1u);
    EXPECT_EQ(host.Document().UndoCount(), undoBefore);

    // The picture object's own loader reads the file.
    ASSERT_TRUE(
        SetBackgroundFromFile(host, images + QStringLiteral("png_rgba.png"), host.Prompts()));
    const Face& face = host.ActiveFace();
    ASSERT_NE(face.Background(), nullptr);
    EXPECT_TRUE(face.Background()->Image().HasAlpha());
    EXPECT_EQ(face.Background()->IsBackground(), 1);
    EXPECT_EQ(face.Background()->X(), 0);
    EXPECT_EQ(face.Background()->Y(), 0);
    EXPECT_EQ(face.Background()->Width(), face.Width());
    EXPECT_EQ(face.Background()->Height(), -face.Height());
    EXPECT_TRUE(face.Selection().empty());
    EXPECT_EQ(shape->Selected(), 0);
    EXPECT_EQ(host.Document().UndoCount(), undoBefore + 1);
    EXPECT_TRUE(host.Document().IsModified());
    EXPECT_TRUE(host.messages.isEmpty());
}

} // namespace
