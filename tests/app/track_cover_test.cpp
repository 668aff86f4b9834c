#include "main_window_fixture.h"

#include "app/cover_choice.h"
#include "app/track_info_dialog.h"
#include "document/face_export.h"
#include "objects/image.h"
#include "view/command_ids.h"

#include <QApplication>
#include <QBuffer>
#include <QCheckBox>
#include <QImage>
#include <QLineEdit>
#include <QTimer>

namespace {

QByteArray PictureFile(QColor colour, const char* format) {
    QImage image(40, 40, QImage::Format_RGB32);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

// The colour in the middle of the front face as drawn with its background.
QColor FrontCentre(CDiscwrightDoc& doc) {
    const QImage face = RenderFramedFace(doc, kFrontFace, 0.25, true);
    return face.pixelColor(face.width() / 2, face.height() / 2);
}

bool Near(QColor a, QColor b) {
    return qAbs(a.red() - b.red()) < 24 && qAbs(a.green() - b.green()) < 24 &&
           qAbs(a.blue() - b.blue()) < 24;
}

} // namespace

TEST_F(MainWindowTest, ChosenCoverAndTracksAreOneUndoStep) {
    // The front face has a picture of its own, so the cover is not preselected.
    auto old = std::make_unique<CImage>(0, 0);
    ASSERT_TRUE(old->LoadFileBytes(PictureFile(Qt::blue, "PNG")));
    old->SetWidth(doc->GetFace(kFrontFace).Width());
    old->SetHeight(-doc->GetFace(kFrontFace).Height());
    doc->SetFaceBackground(kFrontFace, std::move(old));
    doc->CheckPoint();
    const AlbumData before = doc->Album();
    const int steps = doc->UndoCount();
    ASSERT_TRUE(Near(FrontCentre(*doc), Qt::blue));

    bool preselected = true;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<CTrackInfoDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        static_cast<QLineEdit*>(dialog->Control(CTrackInfoDialog::kAlbumTitleEdit))
            ->setText(QStringLiteral("Red Album"));
        dialog->OnAdd();
        ASSERT_TRUE(dialog->SetCoverCandidate(PictureFile(Qt::red, "JPEG"), "Embedded in a.flac"));
        preselected = dialog->Cover()->UseCheck()->isChecked();
        dialog->Cover()->UseCheck()->setChecked(true);
        dialog->accept();
    });
    Action(CommandId::kEditTracksInformation)->trigger();
    EXPECT_FALSE(preselected);
    EXPECT_EQ(doc->UndoCount(), steps + 1);
    EXPECT_EQ(doc->Album().title, "Red Album");
    EXPECT_EQ(doc->Album().tracks.size(), before.tracks.size() + 1);
    EXPECT_TRUE(Near(FrontCentre(*doc), Qt::red)) << FrontCentre(*doc).name().toStdString();

    Action(CommandId::kUndo)->trigger();
    EXPECT_EQ(doc->Album(), before);
    EXPECT_TRUE(Near(FrontCentre(*doc), Qt::blue)) << FrontCentre(*doc).name().toStdString();
    Action(CommandId::kRedo)->trigger();
    EXPECT_EQ(doc->Album().title, "Red Album");
    EXPECT_TRUE(Near(FrontCentre(*doc), Qt::red));
}

TEST_F(MainWindowTest, CoverLeftUncheckedOrUndecodableChangesNoBackground) {
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<CTrackInfoDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        EXPECT_FALSE(dialog->Cover()->isVisibleTo(dialog));
        EXPECT_FALSE(dialog->SetCoverCandidate("\xFF\xD8\xFF not really a JPEG", "x"));
        EXPECT_FALSE(dialog->SetCoverCandidate(QByteArray(), "x"));
        EXPECT_FALSE(dialog->Cover()->HasCandidate());
        // A face without a picture takes the cover unless the user says no.
        ASSERT_TRUE(dialog->SetCoverCandidate(PictureFile(Qt::red, "PNG"), "Cover Art"));
        EXPECT_TRUE(dialog->Cover()->isVisibleTo(dialog));
        EXPECT_TRUE(dialog->Cover()->UseCheck()->isChecked());
        dialog->Cover()->UseCheck()->setChecked(false);
        dialog->accept();
    });
    Action(CommandId::kEditTracksInformation)->trigger();
    EXPECT_EQ(doc->GetFace(kFrontFace).Background(), nullptr);
}
