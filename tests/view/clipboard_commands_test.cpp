#include "fake_editing_host.h"
#include "objects/image.h"
#include "objects/shape.h"
#include "objects/text.h"
#include "support/picture_test_access.h"
#include "view/clipboard_commands.h"
#include "view/command_ids.h"
#include "view/face_selection.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>

#include <cmath>

#include <gtest/gtest.h>

namespace {

QByteArray RecordOf(CBaseObject* object) {
    QByteArray bytes;
    Archive ar(&bytes);
    object->Serialize(ar);
    return bytes;
}

// The object's record as it would be if it were not selected.
QByteArray UnselectedRecordOf(CBaseObject* object) {
    const int selected = object->Selected();
    object->SetSelected(0);
    QByteArray bytes = RecordOf(object);
    object->SetSelected(selected);
    return bytes;
}

template <typename T> T* Add(FakeEditingHost& host, std::unique_ptr<T> object) {
    T* added = object.get();
    host.Document().AddObject(std::move(object));
    return added;
}

CShape* AddShape(FakeEditingHost& host, int x, int y) {
    return Add(host, std::make_unique<CShape>(x, y, x + 1500, y - 700, CShape::kRoundRect, 0x00FF00,
                                              0x0000FF));
}

CText* AddText(FakeEditingHost& host) {
    return Add(host,
               std::make_unique<CText>(100, -200, 3100, -1200, 0x123456,
                                       QStringLiteral("Side <albumtitle>"), UnitConversion{}));
}

QClipboard* Clipboard() {
    return QGuiApplication::clipboard();
}

void PutOnClipboard(const QString& format, const QByteArray& bytes, const QString& text = {}) {
    auto* data = new QMimeData;
    data->setData(format, bytes);
    if (!text.isNull())
        data->setText(text);
    Clipboard()->setMimeData(data);
}

class ClipboardTest : public ::testing::Test {
protected:
    void SetUp() override { Clipboard()->clear(); }
    void TearDown() override { Clipboard()->clear(); }

    FakeEditingHost host;
};

TEST_F(ClipboardTest, CopyPutsTheSelectionArchiveUnderItsOwnFormat) {
    CShape* bottom = AddShape(host, 1000, -1000);
    AddText(host);
    CShape* top = AddShape(host, 4000, -3000);
    EXPECT_FALSE(IsClipboardCommandEnabled(host, CommandId::kCopy));
    EXPECT_FALSE(IsClipboardCommandEnabled(host, CommandId::kCut));
    SelectObject(host, top);
    SelectObject(host, bottom);
    ASSERT_TRUE(IsClipboardCommandEnabled(host, CommandId::kCopy));
    const int undoBefore = host.Document().UndoCount();

    ASSERT_TRUE(RunClipboardCommand(host, CommandId::kCopy, host.Prompts()));

    // One object list with an index table of its own: the count, the class
    // named once (index 1), then the second object referring back to it.
    QByteArray expected = QByteArray::fromHex("0200") + QByteArray::fromHex("ffff00000600") +
                          "CShape" + RecordOf(top) + QByteArray::fromHex("0180") + RecordOf(bottom);
    const QMimeData* data = Clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    ASSERT_TRUE(data->hasFormat(QStringLiteral("CF_DWP")));
    EXPECT_EQ(data->data(QStringLiteral("CF_DWP")), expected);
    EXPECT_EQ(SelectionArchive(host.ActiveFace()), expected);
    EXPECT_TRUE(host.messages.isEmpty());
    // Copying changes nothing in the project.
    EXPECT_EQ(host.Document().UndoCount(), undoBefore);
    EXPECT_FALSE(host.Document().IsModified());
    EXPECT_EQ(host.ActiveFace().Objects().size(), 3u);
}

TEST_F(ClipboardTest, CopyThenPasteLaysOneSelectedCopyExactlyOverTheOriginals) {
    CShape* a = AddShape(host, 1000, -1000);
    CText* b = AddText(host);
    CShape* c = AddShape(host, 4000, -3000);
    c->SetLocked(1);
    // As a rubber band leaves it: topmost first.
    SelectObject(host, c);
    SelectObject(host, b);
    SelectObject(host, a);
    ASSERT_TRUE(Copy(host, host.Prompts()));
    ASSERT_TRUE(IsClipboardCommandEnabled(host, CommandId::kPaste));
    const int undoBefore = host.Document().UndoCount();

    ASSERT_TRUE(RunClipboardCommand(host, CommandId::kPaste, host.Prompts()));

    const Face& face = host.ActiveFace();
    ASSERT_EQ(face.Objects().size(), 6u);
    // Copies stack in the originals' order, on top of them.
    for (size_t i = 0; i < 3; ++i) {
        CBaseObject* original = face.Objects()[i].get();
        CBaseObject* copy = face.Objects()[i + 3].get();
        EXPECT_NE(original, copy);
        EXPECT_EQ(&copy->Class(), &original->Class()) << i;
        EXPECT_EQ(UnselectedRecordOf(copy), UnselectedRecordOf(original)) << i;
    }
    // Only one copy is selected: the last entry of the copied list (a's copy).
    CBaseObject* selected = face.Objects()[3].get();
    EXPECT_EQ(face.Selection(), std::vector<CBaseObject*>{selected});
    EXPECT_EQ(host.PropertyObject(), selected);
    for (const auto& object : face.Objects())
        EXPECT_EQ(object->Selected(), object.get() == selected ? 1 : 0);
    EXPECT_EQ(host.Document().UndoCount(), undoBefore + 1);
    EXPECT_TRUE(host.Document().IsModified());
    EXPECT_EQ(host.canvasRefreshes, 1);
    EXPECT_EQ(host.repaints, 1);
    EXPECT_TRUE(host.messages.isEmpty());

    // The clipboard still holds the objects: a second paste adds three more.
    ASSERT_TRUE(Paste(host, host.Prompts()));
    EXPECT_EQ(face.Objects().size(), 9u);
    EXPECT_EQ(host.Document().UndoCount(), undoBefore + 2);
}

TEST_F(ClipboardTest, CutCopiesAndDeletesInOneStepAndPasteOnAnotherFaceBringsItBack) {
    CShape* a = AddShape(host, 1000, -1000);
    CShape* b = AddShape(host, 2000, -2000);
    SelectObject(host, b);
    const QByteArray record = RecordOf(b);
    const int undoBefore = host.Document().UndoCount();

    ASSERT_TRUE(RunClipboardCommand(host, CommandId::kCut, host.Prompts()));

    const Face& disc = host.ActiveFace();
    ASSERT_EQ(disc.Objects().size(), 1u);
    EXPECT_EQ(disc.Objects().front().get(), a);
    EXPECT_TRUE(disc.Selection().empty());
    EXPECT_EQ(host.Document().UndoCount(), undoBefore + 1);
    EXPECT_TRUE(Clipboard()->mimeData()->hasFormat(kClipboardFormat));

    host.Document().SetActiveFace(kBackFace);
    ASSERT_TRUE(Paste(host, host.Prompts()));
    const Face& back = host.Document().GetFace(kBackFace);
    ASSERT_EQ(back.Objects().size(), 1u);
    EXPECT_EQ(RecordOf(back.Objects().front().get()), record);
    EXPECT_EQ(disc.Objects().size(), 1u);
    EXPECT_EQ(host.Document().UndoCount(), undoBefore + 2);
}

bool Inside(const CBaseObject& o, const LogicalRect& area) {
    return o.X() >= area.left && o.X() + o.Width() <= area.right && o.Y() <= area.top &&
           o.Y() + o.Height() >= area.bottom;
}

// Every corner of the object on the disc of diameter `width`.
bool OnTheDisc(const CBaseObject& o, int width) {
    const double r = width / 2.0;
    for (int x : {o.X(), o.X() + o.Width()})
        for (int y : {o.Y(), o.Y() + o.Height()})
            if (std::hypot(x - r, y + r) > r)
                return false;
    return true;
}

TEST_F(ClipboardTest, TextBecomesATextBoxInsideTheVisiblePartOfTheFace) {
    Clipboard()->setText(QStringLiteral("Track list"));
    CShape* earlier = AddShape(host, 0, 0);
    SelectObject(host, earlier);
    ASSERT_TRUE(CanPaste());
    const int undoBefore = host.Document().UndoCount();

    ASSERT_TRUE(Paste(host, host.Prompts()));

    Face& disc = host.ActiveFace();
    ASSERT_EQ(disc.Objects().size(), 2u);
    auto* text = dynamic_cast<CText*>(disc.Objects().back().get());
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->Text(), QStringLiteral("Track list"));
    EXPECT_EQ(text->TextColour(), 0u);
    // 200 × 48 pixels at 96 per inch, on the round disc (its top-left
    // corner is off the disc).
    EXPECT_EQ(text->Width(), 5292);
    EXPECT_EQ(text->Height(), -1270);
    EXPECT_TRUE(OnTheDisc(*text, disc.Width()));
    EXPECT_EQ(disc.Selection(), std::vector<CBaseObject*>{text});
    EXPECT_EQ(earlier->Selected(), 0);
    EXPECT_EQ(host.PropertyObject(), text);
    EXPECT_EQ(host.Document().UndoCount(), undoBefore + 1);
    EXPECT_TRUE(host.Document().IsModified());

    // Zoomed in and scrolled: inside what is in sight.
    host.Document().SetActiveFace(kBackFace);
    const LogicalRect seen{9000, -4000, 17000, -9000};
    host.visibleArea = seen;
    ASSERT_TRUE(Paste(host, host.Prompts()));
    EXPECT_TRUE(Inside(*host.ActiveFace().Objects().back(), seen));
}

TEST_F(ClipboardTest, OwnFormatComesBeforeTextAndDamagedDataIsPassedOver) {
    CShape* shape = AddShape(host, 1000, -1000);
    SelectObject(host, shape);
    PutOnClipboard(kClipboardFormat, SelectionArchive(host.ActiveFace()), QStringLiteral("plain"));
    ASSERT_TRUE(Paste(host, host.Prompts()));
    EXPECT_NE(dynamic_cast<CShape*>(host.ActiveFace().Objects().back().get()), nullptr);

    // A cut-off archive is not pasted; the text beside it is.
    const QByteArray whole = SelectionArchive(host.ActiveFace());
    PutOnClipboard(kClipboardFormat, whole.left(whole.size() - 3), QStringLiteral("plain"));
    ASSERT_TRUE(Paste(host, host.Prompts()));
    auto* text = dynamic_cast<CText*>(host.ActiveFace().Objects().back().get());
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->Text(), QStringLiteral("plain"));
    EXPECT_EQ(host.ActiveFace().Objects().size(), 3u);
    EXPECT_TRUE(host.messages.isEmpty());
}

TEST_F(ClipboardTest, NothingUsableSaysSoAndChangesNothing) {
    struct Case {
        const char* name;
        std::function<void()> fill;
    };
    const Case cases[] = {
        {"empty", [] {}},
        {"other format", [] { PutOnClipboard(QStringLiteral("application/x-other"), "xyz"); }},
        {"damaged own format",
         [] { PutOnClipboard(kClipboardFormat, QByteArray::fromHex("0200ff")); }},
        {"empty object list", [] { PutOnClipboard(kClipboardFormat, QByteArray(2, '\0')); }},
    };
    AddShape(host, 0, 0);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Clipboard()->clear();
        c.fill();
        host.messages.clear();
        const int undoBefore = host.Document().UndoCount();
        EXPECT_FALSE(Paste(host, host.Prompts()));
        EXPECT_EQ(host.messages, QStringList{QStringLiteral("Failed to get Clipboard data!")});
        EXPECT_EQ(host.ActiveFace().Objects().size(), 1u);
        EXPECT_EQ(host.Document().UndoCount(), undoBefore);
        EXPECT_FALSE(host.Document().IsModified());
    }
    Clipboard()->clear();
    EXPECT_FALSE(IsClipboardCommandEnabled(host, CommandId::kPaste));
    PutOnClipboard(QStringLiteral("application/x-other"), "xyz");
    EXPECT_FALSE(CanPaste());
}

TEST_F(ClipboardTest, ImageBecomesAPictureFittedInsideTheVisiblePartOfTheFace) {
    const QImage image(8, 4, QImage::Format_RGB32);
    Clipboard()->setImage(image);
    ASSERT_TRUE(CanPaste());
    QSize given;
    int width = 300, depth = 150;
    const auto factory = [&](const QImage& from) {
        given = from.size();
        auto picture = std::make_unique<CImage>();
        picture->SetWidth(width);
        picture->SetHeight(-depth);
        PictureTestAccess::SetRecord(*picture, QByteArray(4, '\x01'));
        return picture;
    };
    host.Document().SetActiveFace(kBackFace);
    const Face& face = host.ActiveFace();
    const int undoBefore = host.Document().UndoCount();

    ASSERT_TRUE(Paste(host, host.Prompts(), factory));

    EXPECT_EQ(given, QSize(8, 4));
    ASSERT_EQ(face.Objects().size(), 1u);
    CBaseObject* picture = face.Objects().front().get();
    EXPECT_NE(dynamic_cast<CImage*>(picture), nullptr);
    // Centred on the face at its own size.
    EXPECT_EQ(picture->X(), face.Width() / 2 - 150);
    EXPECT_EQ(picture->Y(), -face.Height() / 2 + 75);
    EXPECT_EQ(picture->Width(), 300);
    EXPECT_EQ(face.Selection(), std::vector<CBaseObject*>{picture});
    EXPECT_EQ(host.Document().UndoCount(), undoBefore + 1);

    // Larger than what is in sight: scaled down, in proportion, to fit it.
    width = 60000;
    depth = 30000;
    const LogicalRect seen{5000, -2000, 15000, -12000};
    host.visibleArea = seen;
    ASSERT_TRUE(Paste(host, host.Prompts(), factory));
    const CBaseObject& big = *face.Objects().back();
    EXPECT_TRUE(Inside(big, seen));
    EXPECT_NEAR(double(big.Width()) / -big.Height(), 2.0, 0.01);
    EXPECT_GT(big.Width(), 9000);
}

} // namespace
