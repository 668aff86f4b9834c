#include "main_window_fixture.h"
#include "support/command_id_printing.h"

#include "app/property_bar/picture_panel.h"
#include "app/property_bar/position_fields.h"
#include "app/property_bar/property_bar.h"
#include "app/track_info_dialog.h"
#include "app/window/drop_handler.h"
#include "app/window/start_folders.h"
#include "objects/picture_loading.h"
#include "objects/shape.h"
#include "objects/vector_image.h"
#include "support/small_filesystem.h"
#include "view/command_ids.h"
#include "view/discwright_view.h"

#include <QApplication>
#include <QDir>
#include <QDropEvent>
#include <QFileInfo>
#include <QImage>
#include <QLineEdit>
#include <QMimeData>
#include <QProcess>
#include <QSettings>
#include <QTest>
#include <QTimer>
#include <QUrl>

namespace {

// The rectangles of a face's objects, for comparing projects.
std::vector<QRect> Rects(const Face& face) {
    std::vector<QRect> rects;
    for (const auto& object : face.Objects())
        rects.emplace_back(object->X(), object->Y(), object->Width(), object->Height());
    return rects;
}

} // namespace

TEST_F(MainWindowTest, SaveAsNewAndOpenRoundTripTheProject) {
    AddRectangle(1000, -1000, 2000, 3000);
    AddRectangle(5000, -2000, 1500, 1500);
    doc->SetModifiedFlag();
    const std::vector<QRect> saved = Rects(doc->GetFace(kDiscFace));

    // The extension is added to a name without it.
    prompts.fileToSave = FilePath(QStringLiteral("cover"));
    Action(CommandId::kFileSaveAs)->trigger();
    const QString path = FilePath(QStringLiteral("cover.dwp"));
    ASSERT_TRUE(QFileInfo::exists(path)) << prompts.errors.join('\n').toStdString();
    EXPECT_EQ(doc->PathName(), path);
    EXPECT_FALSE(doc->IsModified());
    EXPECT_EQ(frame->windowTitle(), QStringLiteral("cover.dwp[*] - Lumvane"));

    Action(CommandId::kFileNew)->trigger();
    EXPECT_TRUE(prompts.questions.isEmpty()); // nothing to save
    EXPECT_TRUE(doc->GetFace(kDiscFace).Objects().empty());
    EXPECT_TRUE(doc->PathName().isEmpty());
    EXPECT_EQ(frame->windowTitle(), QStringLiteral("Untitled[*] - Lumvane"));

    prompts.fileToOpen = path;
    Action(CommandId::kFileOpen)->trigger();
    EXPECT_EQ(Rects(doc->GetFace(kDiscFace)), saved);
    EXPECT_EQ(doc->PathName(), path);
    EXPECT_TRUE(prompts.errors.isEmpty());

    // Save writes back to the same file.
    doc->GetFace(kDiscFace).Objects().front()->SetX(1500);
    doc->SetModifiedFlag();
    EXPECT_TRUE(frame->isWindowModified());
    Action(CommandId::kFileSave)->trigger();
    EXPECT_FALSE(doc->IsModified());
    Action(CommandId::kFileNew)->trigger();
    ASSERT_TRUE(frame->Files().OpenPath(path));
    EXPECT_EQ(doc->GetFace(kDiscFace).Objects().front()->X(), 1500);
}

TEST_F(MainWindowTest, AModifiedProjectIsOfferedForSavingFirst) {
    const QString path = FilePath(QStringLiteral("kept.dwp"));
    AddRectangle(1000, -1000, 2000, 2000);
    doc->SetModifiedFlag();

    // Cancel: nothing happens.
    prompts.answers = {SaveAnswer::kCancel};
    EXPECT_FALSE(frame->Files().New());
    EXPECT_EQ(prompts.questions, QStringList({"Untitled"}));
    EXPECT_EQ(doc->GetFace(kDiscFace).Objects().size(), 1u);
    EXPECT_TRUE(doc->IsModified());

    // Save on a project without a file asks for one, then goes on.
    prompts.answers = {SaveAnswer::kSave};
    prompts.fileToSave = path;
    EXPECT_TRUE(frame->Files().New());
    EXPECT_TRUE(QFileInfo::exists(path));
    EXPECT_TRUE(doc->GetFace(kDiscFace).Objects().empty());

    // Save whose file dialog is cancelled stops too.
    AddRectangle(1000, -1000, 2000, 2000);
    doc->SetModifiedFlag();
    prompts.answers = {SaveAnswer::kSave};
    prompts.fileToSave.clear();
    EXPECT_FALSE(frame->Files().OpenPath(path));
    EXPECT_EQ(doc->GetFace(kDiscFace).Objects().size(), 1u);

    // Discard goes on without saving.
    prompts.answers = {SaveAnswer::kDiscard};
    EXPECT_TRUE(frame->Files().OpenPath(path));
    EXPECT_EQ(doc->GetFace(kDiscFace).Objects().size(), 1u);
    EXPECT_EQ(doc->PathName(), path);
}

TEST_F(MainWindowTest, ClosingAModifiedProjectAsksAndCancelKeepsTheWindow) {
    AddRectangle(1000, -1000, 2000, 2000);
    doc->SetModifiedFlag();
    prompts.answers = {SaveAnswer::kCancel};
    EXPECT_FALSE(CloseWindow());
    EXPECT_TRUE(frame->isVisible());
    EXPECT_EQ(prompts.questions.size(), 1);

    prompts.answers = {SaveAnswer::kSave};
    prompts.fileToSave = FilePath(QStringLiteral("at close.dwp"));
    EXPECT_TRUE(CloseWindow());
    EXPECT_TRUE(QFileInfo::exists(FilePath(QStringLiteral("at close.dwp"))));
}

TEST_F(MainWindowTest, AFileThatCannotBeOpenedKeepsTheOpenProject) {
    const QString good = FilePath(QStringLiteral("good.dwp"));
    AddRectangle(1000, -1000, 2000, 2000);
    ASSERT_TRUE(doc->OnSaveDocument(good, nullptr));
    AddRectangle(3000, -1000, 2000, 2000); // unsaved work
    doc->SetModifiedFlag();
    const std::vector<QRect> before = Rects(doc->GetFace(kDiscFace));

    const QString bad = FilePath(QStringLiteral("bad.dwp"));
    WriteTextFile(bad, "this is no project");
    prompts.answers = {SaveAnswer::kDiscard};
    EXPECT_FALSE(frame->Files().OpenPath(bad));
    // Said in words; where reading stopped is the detail.
    ASSERT_EQ(prompts.errors.size(), 1);
    EXPECT_EQ(prompts.errors.front(),
              QStringLiteral("bad.dwp is not a Lumvane project, or it is damaged."));
    EXPECT_TRUE(prompts.errorDetails.front().contains(QStringLiteral(" at byte ")))
        << prompts.errorDetails.front().toStdString();
    EXPECT_EQ(Rects(doc->GetFace(kDiscFace)), before);
    EXPECT_EQ(doc->PathName(), good);
    EXPECT_TRUE(doc->IsModified());
    EXPECT_TRUE(frame->Files().Recent().Files().isEmpty() ||
                !frame->Files().Recent().Files().contains(bad));
}

TEST_F(MainWindowTest, RecentFilesKeepTheFourNewestAndDropMissingOnes) {
    QStringList paths;
    for (int i = 1; i <= 5; ++i) {
        paths.append(FilePath(QStringLiteral("p%1.dwp").arg(i)));
        prompts.fileToSave = paths.back();
        ASSERT_TRUE(frame->Files().SaveAs());
    }
    const QStringList expected = {paths[4], paths[3], paths[2], paths[1]};
    EXPECT_EQ(frame->Files().Recent().Files(), expected);
    EXPECT_EQ(Action(CommandId::kFileRecent1)->text(), QStringLiteral("&1 ") + paths[4]);
    EXPECT_EQ(Action(CommandId::kFileRecent4)->text(), QStringLiteral("&4 ") + paths[1]);

    // Opening one moves it to the top; the list outlives the window.
    Action(CommandId::kFileRecent3)->trigger();
    EXPECT_EQ(doc->PathName(), paths[2]);
    ASSERT_TRUE(CloseWindow());
    MakeWindow();
    EXPECT_EQ(frame->Files().Recent().Files(),
              QStringList({paths[2], paths[4], paths[3], paths[1]}));

    // A file gone from the disk is taken off the list when chosen.
    QFile::remove(paths[4]);
    Action(CommandId::kFileRecent2)->trigger();
    EXPECT_EQ(prompts.errors.size(), 1);
    EXPECT_EQ(frame->Files().Recent().Files(), QStringList({paths[2], paths[3], paths[1]}));
    EXPECT_FALSE(Action(CommandId::kFileRecent4)->isVisible());
    EXPECT_TRUE(doc->PathName().isEmpty());
}

TEST_F(MainWindowTest, DroppingAProjectFileOpensIt) {
    const QString path = FilePath(QStringLiteral("dropped.dwp"));
    AddRectangle(1000, -1000, 2000, 2000);
    ASSERT_TRUE(doc->OnSaveDocument(path, nullptr));
    frame->Files().New();
    ASSERT_TRUE(doc->GetFace(kDiscFace).Objects().empty());

    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(path)});
    // As a drag from a file manager arrives: it enters, then drops.
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(frame.get(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(frame.get(), &drop);
    EXPECT_TRUE(drop.isAccepted());
    // The file opens once the drop has finished.
    for (int i = 0; i < 20 && doc->PathName() != path; ++i)
        QApplication::processEvents();
    EXPECT_EQ(doc->PathName(), path);
    EXPECT_EQ(doc->GetFace(kDiscFace).Objects().size(), 1u);
}

TEST_F(MainWindowTest, DroppingAFileThatIsNoPictureSaysSo) {
    const QString path = FilePath(QStringLiteral("notes.txt"));
    WriteTextFile(path, "not a picture");
    EXPECT_FALSE(frame->Drops().DropFile(path, true, QPoint(50, 50)));
    ASSERT_EQ(prompts.errors.size(), 1);
    EXPECT_EQ(prompts.errors.front(), QStringLiteral("Can not open file ") + path);
    EXPECT_TRUE(doc->GetFace(kDiscFace).Objects().empty());
    EXPECT_EQ(doc->UndoCount(), 1);
    // Off the view, only project files are taken.
    EXPECT_FALSE(frame->Drops().DropFile(path, false, QPoint(50, 50)));
    EXPECT_EQ(prompts.errors.size(), 1);
}

TEST_F(MainWindowTest, DroppingAPictureOnTheViewPlacesItThere) {
    const QString path = FilePath(QStringLiteral("dot.png"));
    QImage image(30, 20, QImage::Format_RGB32);
    image.fill(Qt::red);
    ASSERT_TRUE(image.save(path));
    ASSERT_TRUE(LoadPictureFile(path, 0, 0, 0, 0));

    CDiscwrightView& view = *frame->View();
    const QPoint at(60, 70);
    const QPoint corner = view.WindowToFace(at);
    const int steps = doc->UndoCount();
    ASSERT_TRUE(frame->Drops().DropFile(path, true, at));
    const Face& face = doc->ActiveFace();
    ASSERT_EQ(face.Objects().size(), 1u);
    const CBaseObject& picture = *face.Objects().back();
    EXPECT_EQ(QPoint(picture.X(), picture.Y()), corner);
    EXPECT_GT(picture.Width(), 0);
    ASSERT_EQ(face.Selection().size(), 1u);
    EXPECT_EQ(face.Selection().front(), &picture);
    EXPECT_EQ(doc->UndoCount(), steps + 1);
    EXPECT_TRUE(doc->IsModified());
    // The size the picture took when placed shows in the property bar.
    const PositionFields& fields = *frame->PropertyBar()->m_picturePanel->m_position;
    EXPECT_EQ(fields.m_w->text(), MillimetreNumber(picture.Width()) + QStringLiteral(" mm"));

    // A photo larger than the face is fitted inside it.
    QImage photo(1600, 1200, QImage::Format_RGB32);
    photo.fill(Qt::blue);
    const QString big = FilePath(QStringLiteral("photo.png"));
    ASSERT_TRUE(photo.save(big));
    ASSERT_TRUE(frame->Drops().DropFile(big, true, at));
    const CBaseObject& fitted = *face.Objects().back();
    EXPECT_EQ(fitted.Width(), face.Width());
    EXPECT_NEAR(-fitted.Height(), face.Width() * 3 / 4, 1);
    EXPECT_EQ(fitted.X(), 0);
}

TEST_F(MainWindowTest, UndoAndRedoStepThroughAnEdit) {
    frame->Router().UpdateActions();
    EXPECT_FALSE(Action(CommandId::kUndo)->isEnabled());
    EXPECT_FALSE(Action(CommandId::kRedo)->isEnabled());

    AddRectangle(1000, -1000, 2000, 2000);
    doc->CheckPoint();
    doc->SetModifiedFlag(true);
    frame->Router().UpdateActions();
    ASSERT_TRUE(Action(CommandId::kUndo)->isEnabled());
    Action(CommandId::kUndo)->trigger();
    EXPECT_TRUE(doc->GetFace(kDiscFace).Objects().empty());
    EXPECT_FALSE(Action(CommandId::kUndo)->isEnabled());
    EXPECT_TRUE(Action(CommandId::kRedo)->isEnabled());

    Action(CommandId::kRedo)->trigger();
    EXPECT_EQ(doc->GetFace(kDiscFace).Objects().size(), 1u);
    EXPECT_FALSE(Action(CommandId::kRedo)->isEnabled());
}

TEST_F(MainWindowTest, UndoFollowsTheHistoryWithoutAnyOtherSignal) {
    // Already modified, so the new step changes no modified mark: the
    // history's own signal must bring the Undo button up.
    doc->SetModifiedFlag();
    frame->Router().UpdateActions();
    ASSERT_FALSE(Action(CommandId::kUndo)->isEnabled());
    AddRectangle(1000, -1000, 2000, 2000);
    doc->CheckPoint();
    EXPECT_TRUE(Action(CommandId::kUndo)->isEnabled());
}

TEST_F(MainWindowTest, TracksInformationAcceptedIsOneUndoStep) {
    const int steps = doc->UndoCount();
    // Cancelled: nothing changes.
    QTimer::singleShot(0, [] { QApplication::activeModalWidget()->close(); });
    Action(CommandId::kEditTracksInformation)->trigger();
    EXPECT_EQ(doc->UndoCount(), steps);
    EXPECT_FALSE(doc->IsModified());

    QTimer::singleShot(0, [] {
        auto* dialog = qobject_cast<CTrackInfoDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        dialog->accept();
    });
    Action(CommandId::kEditTracksInformation)->trigger();
    EXPECT_EQ(doc->UndoCount(), steps + 1);
    EXPECT_TRUE(doc->IsModified());
}

TEST(MainWindowProgram, AnotherStartHandsOverAProjectThatOpensLikeFileOpen) {
    // The real program in its own program folder and user profile, off screen.
    TempProgramFolder program;
    QTemporaryDir profile;
    QProcessEnvironment env = LumvaneEnvironment(program.Path());
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), profile.path());

    // Two saved projects to open.
    const QString first = program.File(QStringLiteral("first.dwp"));
    const QString second = program.File(QStringLiteral("second.dwp"));
    {
        AppSettings settings(program.Path());
        CDiscwrightDoc doc(settings.ForDocument());
        doc.OnNewDocument();
        ASSERT_TRUE(doc.OnSaveDocument(first, nullptr));
        ASSERT_TRUE(doc.OnSaveDocument(second, nullptr));
    }
    // Opened files go to the top of the recent files at once, which shows
    // from outside the running program.
    const QString recent = profile.filePath(QStringLiteral("Lumvane/Lumvane.conf"));
    auto waitForTopRecentFile = [&](const QString& path) {
        for (int i = 0; i < 200; ++i) {
            if (QSettings(recent, QSettings::IniFormat)
                    .value(QStringLiteral("Recent File List/File1"))
                    .toString() == path)
                return true;
            QTest::qWait(50);
        }
        return false;
    };

    QProcess running;
    running.setProcessEnvironment(env);
    running.start(QStringLiteral(LUMVANE_EXECUTABLE), {first});
    ASSERT_TRUE(running.waitForStarted(10000));
    EXPECT_TRUE(waitForTopRecentFile(first));

    QProcess later;
    later.setProcessEnvironment(env);
    later.start(QStringLiteral(LUMVANE_EXECUTABLE), {second});
    ASSERT_TRUE(later.waitForFinished(10000));
    EXPECT_EQ(later.exitCode(), 0);
    EXPECT_TRUE(waitForTopRecentFile(second));
    EXPECT_EQ(running.state(), QProcess::Running);

    running.terminate();
    running.waitForFinished(10000);
}

TEST_F(MainWindowTest, FileDialogsStartInTheProjectFolderElseTheLastOneElseDocuments) {
    QTemporaryDir home;
    const QByteArray oldHome = qgetenv("HOME");
    qputenv("HOME", home.path().toUtf8());
    const QString documents = home.filePath(QStringLiteral("Documents"));
    const QString pictures = home.filePath(QStringLiteral("Pictures"));
    QDir().mkpath(documents);
    QDir().mkpath(pictures);
    QSettings().remove(QStringLiteral("Folders"));

    // Nothing remembered and no project file: Documents, and Pictures for pictures.
    frame->Files().Open();
    frame->Files().SaveAs();
    EXPECT_EQ(prompts.openFolders.value(0), documents);
    EXPECT_EQ(prompts.saveSuggestions.value(0), documents + QStringLiteral("/Untitled.dwp"));
    EXPECT_EQ(DialogStartFolder(DialogKind::kPicture, QString()), pictures);

    // A saved project: its folder, and after New the folder last used.
    const QString saved = FilePath(QStringLiteral("covers/a.dwp"));
    QDir().mkpath(QFileInfo(saved).absolutePath());
    prompts.fileToSave = saved;
    ASSERT_TRUE(frame->Files().SaveAs());
    frame->Files().Open();
    EXPECT_EQ(prompts.openFolders.value(1), QFileInfo(saved).absolutePath());
    ASSERT_TRUE(frame->Files().New());
    frame->Files().Open();
    EXPECT_EQ(prompts.openFolders.value(2), QFileInfo(saved).absolutePath());

    // Pictures remember their own folder, and the project's folder comes first.
    const QString album = FilePath(QStringLiteral("album"));
    QDir().mkpath(album);
    RememberDialogFolder(DialogKind::kPicture, album + QStringLiteral("/front.png"));
    EXPECT_EQ(DialogStartFolder(DialogKind::kPicture, QString()), album);
    EXPECT_EQ(DialogStartFolder(DialogKind::kPicture, saved), QFileInfo(saved).absolutePath());
    // A remembered folder that is gone is skipped.
    QDir(album).removeRecursively();
    EXPECT_EQ(DialogStartFolder(DialogKind::kPicture, QString()), pictures);

    qputenv("HOME", oldHome);
}

// Every kind of file the loaders read is offered, metafiles and SVG among
// them, each on its own and all together first.
TEST(PictureFileFilters, AllPicturesComeFirstAndEveryReadableKindIsOffered) {
    const QStringList filters = PictureFileFilters();
    ASSERT_GE(filters.size(), 3);
    EXPECT_TRUE(filters.front().startsWith(QStringLiteral("All pictures (*.jpg *.jpeg *.gif")));
    for (const char* pattern : {"*.bmp", "*.png", "*.tif", "*.tiff", "*.ico", "*.tga", "*.pcx",
                                "*.wmf", "*.emf", "*.svg"})
        EXPECT_TRUE(filters.front().contains(QLatin1String(pattern))) << pattern;
    EXPECT_TRUE(filters.contains(QStringLiteral("JPEG files (*.jpg *.jpeg)")));
    EXPECT_TRUE(filters.contains(QStringLiteral("EMF files (*.emf)")));
    EXPECT_TRUE(filters.contains(QStringLiteral("SVG files (*.svg)")));
    EXPECT_EQ(filters.back(), QStringLiteral("All files (*)"));
}

// Save onto a full disk: the window says why, the project stays modified and
// the file on disk keeps its previous contents.
TEST_F(MainWindowTest, SaveOntoAFullDiskKeepsTheOldFileAndTheModifiedProject) {
    SmallFilesystem fs(256 * 1024);
    if (!fs.Mounted())
        GTEST_SKIP() << SmallFilesystem::SkipReason();
    const QString path = fs.File(QStringLiteral("cover.dwp"));
    AddRectangle(1000, -1000, 2000, 2000);
    prompts.fileToSave = path;
    ASSERT_TRUE(frame->Files().SaveAs());
    const QByteArray old = ReadWholeFile(path);
    for (int i = 0; i < 300; ++i)
        AddRectangle(100 * i, -1000, 2000, 2000);
    doc->SetModifiedFlag();
    fs.Fill(0);
    Action(CommandId::kFileSave)->trigger();
    ASSERT_EQ(prompts.errors.size(), 1);
    EXPECT_TRUE(prompts.errors.front().contains(QStringLiteral("No space left on device")))
        << prompts.errors.front().toStdString();
    EXPECT_TRUE(doc->IsModified());
    EXPECT_EQ(ReadWholeFile(path), old);
    EXPECT_EQ(fs.Entries(), QStringList{QStringLiteral("cover.dwp")});
}

// A vector picture whose metafile lost its enhanced-metafile header costs
// only itself: the project opens, the picture is empty, and one message
// names the fault once with how often it occurred.
TEST_F(MainWindowTest, AVectorPictureWithoutMetafileHeaderOpensEmptyAndIsSaidOnce) {
    const QByteArray emf = ReadWholeFile(QStringLiteral(LUMVANE_TEST_DATA_DIR) +
                                         QStringLiteral("/metafiles/chart_gnuplot.emf"));
    for (int i = 0; i < 2; ++i) {
        auto picture = std::make_unique<CVectorImage>(0, 0, 0, 0);
        ASSERT_TRUE(picture->LoadMetafileBytes(emf));
        doc->GetFace(kFrontFace).AppendObject(std::move(picture));
    }
    AddRectangle(1000, -1000, 2000, 2000);
    const QString path = FilePath(QStringLiteral("pictures.dwp"));
    ASSERT_TRUE(doc->OnSaveDocument(path, nullptr));
    // Break the header record's type of both stored metafiles (the type is
    // 40 bytes before the " EMF" signature).
    QByteArray bytes = ReadWholeFile(path);
    int broken = 0;
    for (qsizetype at = bytes.indexOf(" EMF"); at >= 40; at = bytes.indexOf(" EMF", at + 4)) {
        bytes[at - 40] = 0x7F;
        ++broken;
    }
    ASSERT_EQ(broken, 2);
    WriteTextFile(path, bytes);

    doc->SetModifiedFlag(false);
    ASSERT_TRUE(frame->Files().OpenPath(path));
    EXPECT_EQ(doc->PathName(), path);
    const auto& front = doc->GetFace(kFrontFace).Objects();
    ASSERT_EQ(front.size(), 2u);
    for (const auto& object : front) {
        const auto* vector = dynamic_cast<const CVectorImage*>(object.get());
        ASSERT_NE(vector, nullptr);
        EXPECT_FALSE(vector->HasMetafile());
    }
    EXPECT_EQ(doc->GetFace(kDiscFace).Objects().size(), 1u);
    ASSERT_EQ(prompts.errors.size(), 1);
    EXPECT_EQ(prompts.errors.front(), QStringLiteral("pictures.dwp was opened, but parts of it "
                                                     "could not be read and are left empty."));
    EXPECT_EQ(prompts.errorDetails.front(),
              QStringLiteral("a vector picture holds no enhanced metafile and is left empty "
                             "(2 times)"));
}
