#include "document/discwright_doc.h"
#include "objects/image.h"
#include "objects/shape.h"
#include "support/picture_test_access.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

namespace {

class UndoTest : public ::testing::Test {
protected:
    UndoTest() : doc(program.DefaultStocks()) { doc.OnNewDocument(); }

    // An edit as the editor makes it: change, then checkpoint.
    CShape* AddShape(int x) {
        auto shape = std::make_unique<CShape>(x, 0, x + 100, -100, CShape::kRectangle, 0, 0);
        CShape* raw = shape.get();
        doc.AddObject(std::move(shape));
        EXPECT_TRUE(doc.CheckPoint());
        return raw;
    }

    std::vector<int> Xs(int faceId = kDiscFace) const {
        std::vector<int> xs;
        for (const auto& o : doc.GetFace(faceId).Objects())
            xs.push_back(o->X());
        return xs;
    }

    static std::unique_ptr<CImage> Picture(const char* encoded) {
        auto picture = std::make_unique<CImage>();
        picture->SetWidth(100);
        picture->SetHeight(-100);
        PictureTestAccess::SetRecord(*picture, encoded);
        return picture;
    }

    TempProgramFolder program;
    CDiscwrightDoc doc;
};

} // namespace

TEST_F(UndoTest, NewRecordsOneSnapshot) {
    EXPECT_EQ(doc.UndoCount(), 1);
    EXPECT_FALSE(doc.CanUndo());
    EXPECT_FALSE(doc.CanRedo());
    EXPECT_FALSE(doc.Undo());
    EXPECT_FALSE(doc.Redo());
}

TEST_F(UndoTest, UndoRestoresTheEmptyProjectAndRedoTheEdit) {
    AddShape(10);
    EXPECT_TRUE(doc.CanUndo());
    ASSERT_TRUE(doc.Undo());
    EXPECT_TRUE(doc.GetFace(kDiscFace).Objects().empty());
    EXPECT_FALSE(doc.CanUndo());
    EXPECT_TRUE(doc.CanRedo());
    ASSERT_TRUE(doc.Redo());
    EXPECT_EQ(Xs(), std::vector<int>{10});
    EXPECT_FALSE(doc.CanRedo());
}

TEST_F(UndoTest, TwentyLevels) {
    for (int i = 0; i < 25; ++i)
        AddShape(i);
    EXPECT_EQ(doc.UndoCount(), 21);
    int steps = 0;
    while (doc.CanUndo()) {
        ASSERT_TRUE(doc.Undo());
        ++steps;
    }
    EXPECT_EQ(steps, 20);
    EXPECT_EQ(Xs().size(), 5u); // the state after the fifth edit is the oldest kept
    EXPECT_EQ(doc.RedoCount(), 20);
    while (doc.CanRedo())
        ASSERT_TRUE(doc.Redo());
    EXPECT_EQ(Xs().size(), 25u);
    EXPECT_EQ(doc.UndoCount(), 21);
}

TEST_F(UndoTest, NewEditEmptiesRedo) {
    AddShape(1);
    AddShape(2);
    ASSERT_TRUE(doc.Undo());
    EXPECT_EQ(doc.RedoCount(), 1);
    AddShape(3);
    EXPECT_FALSE(doc.CanRedo());
    EXPECT_EQ(Xs(), (std::vector<int>{1, 3}));
}

TEST_F(UndoTest, RestoresSelectionColoursTracksAndAlbum) {
    CShape* a = AddShape(1);
    AddShape(2);
    a->SetSelected(1);
    doc.GetFace(kDiscFace).RebuildSelection();
    doc.GetFace(kInsideFace).SetBackgroundColour(0x00FF00);
    doc.Album().tracks.push_back(
        {QStringLiteral("A"), QStringLiteral("T"), QStringLiteral("2:00")});
    doc.Album().title = QStringLiteral("Album");
    doc.CheckPoint();
    const AlbumData album = doc.Album();

    // Another edit changes all of it.
    for (const auto& o : doc.GetFace(kDiscFace).Objects())
        o->SetSelected(1);
    doc.GetFace(kDiscFace).RebuildSelection();
    doc.GetFace(kInsideFace).SetBackgroundColour(0xFF0000);
    doc.Album() = AlbumData::Defaults();
    doc.CheckPoint();

    ASSERT_TRUE(doc.Undo());
    const Face& disc = doc.GetFace(kDiscFace);
    ASSERT_EQ(disc.Selection().size(), 1u);
    EXPECT_EQ(disc.Selection()[0], disc.Objects()[0].get());
    EXPECT_EQ(doc.GetFace(kInsideFace).BackgroundColour(), 0x00FF00u);
    EXPECT_EQ(doc.Album(), album);

    ASSERT_TRUE(doc.Undo());
    EXPECT_TRUE(doc.GetFace(kDiscFace).Selection().empty());
    EXPECT_EQ(doc.GetFace(kInsideFace).BackgroundColour(), 0xFFFFFFu);
    EXPECT_EQ(doc.Album(), AlbumData::Defaults());
}

TEST_F(UndoTest, BackgroundsComeBackWithUndoAndRedo) {
    doc.SetActiveFace(kFrontFace);
    Face& front = doc.GetFace(kFrontFace);
    doc.SetBackground(Picture("first"));
    doc.CheckPoint();
    doc.SetBackground(Picture("second"));
    doc.CheckPoint();
    AddShape(5); // an edit that leaves the picture alone
    const CImage* second = front.Background();

    // Undoing an object edit keeps the very same picture: nothing is decoded again.
    ASSERT_TRUE(doc.Undo());
    EXPECT_EQ(front.Background(), second);
    ASSERT_TRUE(doc.Undo());
    ASSERT_NE(front.Background(), nullptr);
    EXPECT_EQ(front.Background()->EncodedRecord(), QByteArray("first"));
    EXPECT_EQ(front.Background()->IsBackground(), 1);
    ASSERT_TRUE(doc.Undo());
    EXPECT_EQ(front.Background(), nullptr);

    ASSERT_TRUE(doc.Redo());
    ASSERT_NE(front.Background(), nullptr);
    EXPECT_EQ(front.Background()->EncodedRecord(), QByteArray("first"));
    ASSERT_TRUE(doc.Redo());
    EXPECT_EQ(front.Background()->EncodedRecord(), QByteArray("second"));
    ASSERT_TRUE(doc.Redo());
    EXPECT_EQ(Xs(kFrontFace), std::vector<int>{5});
}

TEST_F(UndoTest, LargePictureRecordsRestoreThroughSharedPieces) {
    doc.SetActiveFace(kBackFace);
    const QByteArray big(200000, 'j');
    auto picture = Picture("");
    PictureTestAccess::SetRecord(*picture, big);
    doc.SetBackground(std::move(picture));
    AddShape(1);
    doc.SetBackground(Picture("other"));
    AddShape(2);
    ASSERT_TRUE(doc.Undo());
    ASSERT_NE(doc.GetFace(kBackFace).Background(), nullptr);
    EXPECT_EQ(doc.GetFace(kBackFace).Background()->EncodedRecord(), big);
    EXPECT_EQ(Xs(kBackFace), std::vector<int>{1});
    ASSERT_TRUE(doc.Redo());
    EXPECT_EQ(doc.GetFace(kBackFace).Background()->EncodedRecord(), QByteArray("other"));
}

TEST_F(UndoTest, AFailedRestoreChangesNothing) {
    Face& back = doc.GetFace(kBackFace);
    back.SetBackground(Picture("first"));
    doc.CheckPoint();
    back.SetBackground(Picture("second")); // "first" is deleted, not kept
    AddShape(7);
    // Going back needs "first" decoded, which this build cannot do.
    QString error;
    EXPECT_FALSE(doc.Undo(&error));
    EXPECT_TRUE(error.contains(QLatin1String("CImage"))) << error.toStdString();
    EXPECT_EQ(back.Background()->EncodedRecord(), QByteArray("second"));
    EXPECT_EQ(Xs(), std::vector<int>{7});
    EXPECT_EQ(doc.UndoCount(), 3);
    EXPECT_EQ(doc.RedoCount(), 0);
}

TEST_F(UndoTest, SuspendedCheckpointsAreNotRecorded) {
    doc.m_suspended = 1;
    EXPECT_FALSE(doc.CheckPoint());
    EXPECT_EQ(doc.UndoCount(), 1);
    doc.m_suspended = 0;
    AddShape(2);
    EXPECT_EQ(doc.UndoCount(), 2);
}

TEST_F(UndoTest, OpenAndNewStartAFreshHistory) {
    AddShape(1);
    AddShape(2);
    ASSERT_TRUE(doc.Undo());
    const QString path = program.File(QStringLiteral("p.dwp"));
    QString error;
    ASSERT_TRUE(doc.OnSaveDocument(path, &error));
    ASSERT_TRUE(doc.OnOpenDocument(path, &error));
    EXPECT_EQ(doc.UndoCount(), 1);
    EXPECT_EQ(doc.RedoCount(), 0);
    EXPECT_EQ(Xs(), std::vector<int>{1});
    AddShape(3);
    // A failed open leaves the history as it was.
    EXPECT_FALSE(doc.OnOpenDocument(program.File(QStringLiteral("none.dwp")), &error));
    EXPECT_EQ(doc.UndoCount(), 2);
    ASSERT_TRUE(doc.OnNewDocument());
    EXPECT_EQ(doc.UndoCount(), 1);
}

namespace {

// A history over one number whose snapshots can be made to fail, as a
// picture that cannot be encoded or a full memory would.
class NumberHistory : public UndoHistory {
public:
    int value = 0;
    bool failWriting = false;
    QStringList failures;

protected:
    void StoreOrLoadRecord(Archive& ar, UndoRecord&) override {
        if (!ar.IsStoring()) {
            value = int(ar.ReadDword());
            return;
        }
        if (failWriting)
            throw ArchiveError(QStringLiteral("cannot write"), 0);
        ar.WriteDword(quint32(value));
    }
    void CheckPointFailed(const QString& why) override { failures.append(why); }
};

// Sets the number and records the edit, as the editor does.
bool Edit(NumberHistory& history, int value) {
    history.value = value;
    return history.CheckPoint();
}

} // namespace

TEST(UndoCheckPoint, AnEditWhoseCheckPointFailedIsUndoneNotSkipped) {
    NumberHistory history;
    history.ResetHistory();
    ASSERT_TRUE(Edit(history, 1));
    history.failWriting = true;
    EXPECT_FALSE(Edit(history, 2));
    EXPECT_EQ(history.failures, QStringList{QStringLiteral("cannot write")});

    // Still failing: Undo goes back to the state just before the edit (1),
    // not past it (0), and the next Undo goes on from there.
    ASSERT_TRUE(history.CanUndo());
    EXPECT_TRUE(history.Undo());
    EXPECT_EQ(history.value, 1);
    EXPECT_FALSE(history.CanRedo());
    EXPECT_TRUE(history.Undo());
    EXPECT_EQ(history.value, 0);
    EXPECT_FALSE(history.CanUndo());
}

TEST(UndoCheckPoint, AnEditRecordedLateCanBeRedone) {
    NumberHistory history;
    history.ResetHistory();
    ASSERT_TRUE(Edit(history, 1));
    ASSERT_TRUE(history.Undo());
    ASSERT_TRUE(history.CanRedo());
    history.failWriting = true;
    EXPECT_FALSE(Edit(history, 5));
    // The failed edit replaced what could be redone.
    EXPECT_FALSE(history.CanRedo());

    // Writing works again by the time of the Undo: the edit is recorded then.
    history.failWriting = false;
    EXPECT_TRUE(history.Undo());
    EXPECT_EQ(history.value, 0);
    EXPECT_TRUE(history.Redo());
    EXPECT_EQ(history.value, 5);
}
