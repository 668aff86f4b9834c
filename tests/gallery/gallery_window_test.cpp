#include "gallery_fixtures.h"

#include "app/export/export_commands.h"
#include "app/gallery/art_gallery.h"
#include "app/gallery/image_browser.h"
#include "app/gallery/stamp_drop.h"
#include "app/gallery/thumbnail_list.h"
#include "app/main_window_fixture.h"
#include "document/layout_file.h"
#include "metafile/emf_recorder.h"
#include "objects/image.h"
#include "objects/shape.h"
#include "objects/vector_image.h"
#include "view/discwright_view.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <QWindow>

namespace {

// The gallery's folders follow LUMVANE_HOME; each test points it at its own
// program folder, and between tests at a folder that lives for the whole run.
class HomeEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        s_home = m_dir.path();
        Restore();
    }
    static void Restore() { qputenv("LUMVANE_HOME", s_home.toUtf8()); }

private:
    QTemporaryDir m_dir;

public:
    static inline QString s_home;
};

[[maybe_unused]] const auto* const kHome = [] {
    auto* env = new HomeEnvironment;
    ::testing::AddGlobalTestEnvironment(env);
    return env;
}();

class GalleryWindowTest : public MainWindowTest {
protected:
    GalleryWindowTest() {
        qputenv("LUMVANE_HOME", program.Path().toUtf8());
        // Only the pictures made here, not the shipped gallery.
        for (const char* folder : {"logo", "Backgrounds", "layouts/disk", "layouts/back"}) {
            QDir(program.File(QLatin1String(folder))).removeRecursively();
            QDir().mkpath(program.File(QLatin1String(folder)));
        }
        EXPECT_TRUE(MakePicture(program.File("logo/stamp.png"), 40, 20, QStringLiteral("red")));
        EXPECT_TRUE(
            MakePicture(program.File("Backgrounds/sky.png"), 50, 50, QStringLiteral("blue")));
        EXPECT_TRUE(
            MakePicture(program.File("layouts/disk/party.jpg"), 120, 120, QStringLiteral("green")));
        EXPECT_TRUE(
            MakePicture(program.File("layouts/back/spine.jpg"), 120, 60, QStringLiteral("green")));
        WriteTextFile(program.File("layouts/disk/party.lay"), "layout");
        MakeWindow();
        gallery = frame->Gallery();
        frame->resize(1000, 700);
        frame->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(frame.get()));
        WaitAll();
    }
    ~GalleryWindowTest() override {
        frame.reset();
        HomeEnvironment::Restore();
    }

    void WaitAll() {
        for (auto tab :
             {ArtGallery::kLayoutsTab, ArtGallery::kStampsTab, ArtGallery::kBackgroundsTab})
            ASSERT_TRUE(QTest::qWaitFor([&] { return !gallery->List(tab).IsLoading(); }, 30000));
    }
    QPoint ItemCentre(ThumbnailList& list, int row) {
        return list.visualItemRect(list.item(row)).center();
    }
    const Face& ActiveFace() { return doc->ActiveFace(); }

    ArtGallery* gallery = nullptr;
};

} // namespace

TEST_F(GalleryWindowTest, ListsShowTheirFoldersAndFollowTheActiveFace) {
    ASSERT_NE(gallery, nullptr);
    EXPECT_EQ(gallery->List(ArtGallery::kStampsTab).count(), 1);
    EXPECT_EQ(gallery->List(ArtGallery::kBackgroundsTab).count(), 1);
    ThumbnailList& layouts = gallery->List(ArtGallery::kLayoutsTab);
    ASSERT_EQ(layouts.count(), 1); // the .lay file is no picture and leaves no gap
    EXPECT_EQ(layouts.item(0)->text(), QStringLiteral("party"));
    EXPECT_TRUE(layouts.isVisible());
    EXPECT_FALSE(gallery->List(ArtGallery::kStampsTab).isVisible());

    doc->SetActiveFace(kBackFace);
    EXPECT_EQ(layouts.Folder(), program.File("layouts/back"));
    WaitAll();
    ASSERT_EQ(layouts.count(), 1);
    EXPECT_EQ(layouts.item(0)->text(), QStringLiteral("spine"));

    gallery->Tabs().setCurrentIndex(ArtGallery::kStampsTab);
    EXPECT_TRUE(gallery->List(ArtGallery::kStampsTab).isVisible());
    EXPECT_FALSE(layouts.isVisible());
}

TEST_F(GalleryWindowTest, OneClickOnABackgroundCoversTheFace) {
    gallery->ShowTab(ArtGallery::kBackgroundsTab);
    ThumbnailList& list = gallery->List(ArtGallery::kBackgroundsTab);
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, ItemCentre(list, 0));
    const CImage* background = ActiveFace().Background();
    ASSERT_NE(background, nullptr);
    EXPECT_EQ(QRect(background->X(), background->Y(), background->Width(), background->Height()),
              QRect(0, 0, ActiveFace().Width(), -ActiveFace().Height()));
    EXPECT_TRUE(doc->CanUndo());

    // From the keyboard: Enter on the current background.
    doc->ActiveFace().RemoveBackground();
    list.setCurrentRow(0);
    QTest::keyClick(&list, Qt::Key_Return);
    EXPECT_NE(ActiveFace().Background(), nullptr);
}

TEST_F(GalleryWindowTest, DraggedStampLandsUnderThePointerOfAScrolledView) {
    CDiscwrightView& view = *frame->View();
    view.ZoomIn();
    view.ZoomIn();
    view.ZoomIn();
    ASSERT_GT(view.horizontalScrollBar()->maximum(), 0);
    ASSERT_GT(view.verticalScrollBar()->maximum(), 0);
    view.horizontalScrollBar()->setValue(view.horizontalScrollBar()->maximum() / 2);
    view.verticalScrollBar()->setValue(view.verticalScrollBar()->maximum() / 2);

    gallery->ShowTab(ArtGallery::kStampsTab);
    ThumbnailList& stamps = gallery->List(ArtGallery::kStampsTab);
    QWidget* from = stamps.viewport();
    const QPoint target(150, 120);
    const QPoint expected = view.WindowToFace(target);
    const QPoint over = from->mapFromGlobal(view.viewport()->mapToGlobal(target));

    // Released over the gallery itself: only the drag ends.
    const QPoint start = ItemCentre(stamps, 0);
    QTest::mousePress(from, Qt::LeftButton, {}, start);
    QTest::mouseMove(from, start + QPoint(30, 0));
    QTest::mouseRelease(from, Qt::LeftButton, {}, start + QPoint(30, 0));
    EXPECT_TRUE(ActiveFace().Objects().empty());

    QTest::mousePress(from, Qt::LeftButton, {}, start);
    QTest::mouseMove(from, start + QPoint(20, 0));
    QTest::mouseMove(from, over);
    QTest::mouseRelease(from, Qt::LeftButton, {}, over);
    ASSERT_EQ(ActiveFace().Objects().size(), 1u);
    const CBaseObject& stamp = *ActiveFace().Objects().front();
    EXPECT_EQ(QPoint(stamp.X(), stamp.Y()), expected);
    EXPECT_GT(stamp.Width(), 0);
    EXPECT_TRUE(stamp.Selected());
    EXPECT_TRUE(doc->CanUndo());
}

// A vector stamp larger than the face is cut to the face's size; one that
// then covers the face exactly goes to the face's corner.
TEST_F(GalleryWindowTest, VectorStampsAreCutToTheFace) {
    const Face& face = ActiveFace();
    const QPoint at(200, 150);
    const QPoint corner = frame->View()->WindowToFace(at);
    struct Case {
        QSize pixels; // at 96 dots per inch: 1000 pixels are 264.58 mm, beyond any face
        bool wide, high;
    } cases[] = {{{100, 50}, false, false}, {{1000, 100}, true, false}, {{1000, 1000}, true, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.pixels.width() << "x" << c.pixels.height());
        EmfRecordingDevice device(c.pixels);
        {
            QPainter painter(&device);
            painter.fillRect(QRect(QPoint(), c.pixels), Qt::darkGreen);
        }
        const QString path = FilePath(QStringLiteral("stamp.emf"));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(device.Metafile());
        file.close();

        ASSERT_TRUE(DropStamp(*frame->View(), path, at));
        const CBaseObject* stamp = face.Objects().back().get();
        ASSERT_NE(dynamic_cast<const CVectorImage*>(stamp), nullptr);
        if (c.wide)
            EXPECT_EQ(stamp->Width(), face.Width());
        else
            EXPECT_LT(stamp->Width(), face.Width());
        if (c.high)
            EXPECT_EQ(stamp->Height(), -face.Height());
        else
            EXPECT_GT(stamp->Height(), -face.Height());
        EXPECT_EQ(QPoint(stamp->X(), stamp->Y()), c.wide && c.high ? QPoint(0, 0) : corner);
    }
    // Not a picture: nothing is added.
    const size_t before = face.Objects().size();
    WriteTextFile(FilePath(QStringLiteral("notes.png")), "text");
    EXPECT_FALSE(DropStamp(*frame->View(), FilePath(QStringLiteral("notes.png")), at));
    EXPECT_EQ(face.Objects().size(), before);
}

TEST_F(GalleryWindowTest, DoubleClickedLayoutIsInserted) {
    QStringList inserted;
    gallery->SetLayoutInserter([&](const QString& path) { inserted << path; });
    ThumbnailList& layouts = gallery->List(ArtGallery::kLayoutsTab);
    // A real double click: a click, then the second press that the system
    // reports as a double click.
    QTest::mouseClick(layouts.viewport(), Qt::LeftButton, {}, ItemCentre(layouts, 0));
    QTest::mouseDClick(layouts.viewport(), Qt::LeftButton, {}, ItemCentre(layouts, 0));
    EXPECT_EQ(inserted, QStringList{program.File("layouts/disk/party.lay")});
    layouts.setCurrentRow(0);
    gallery->InsertSelectedLayout();
    EXPECT_EQ(inserted.size(), 2);
}

TEST_F(GalleryWindowTest, DeleteLayoutAsksThenRemovesBothFiles) {
    ThumbnailList& layouts = gallery->List(ArtGallery::kLayoutsTab);
    for (const bool yes : {false, true}) {
        SCOPED_TRACE(yes);
        QStringList asked;
        gallery->SetQuestion([&](const QString& text, const QString& title) {
            asked << title + u':' + text;
            return yes;
        });
        layouts.setCurrentRow(0);
        gallery->DeleteSelectedLayout();
        EXPECT_EQ(asked, QStringList{"Warn:Delete selected layout?"});
        WaitAll();
        EXPECT_EQ(QFile::exists(program.File("layouts/disk/party.jpg")), !yes);
        EXPECT_EQ(QFile::exists(program.File("layouts/disk/party.lay")), !yes);
        EXPECT_EQ(layouts.count(), yes ? 0 : 1);
    }
}

TEST_F(GalleryWindowTest, ImageBrowserSetsBackgroundsInsertsPicturesAndHides) {
    ASSERT_TRUE(frame->Router().Run(CommandId::kImageBrowser));
    ImageBrowser* browser = frame->Browser();
    ASSERT_NE(browser, nullptr);
    EXPECT_TRUE(browser->isVisible());
    const QString folder = program.File("Backgrounds");
    browser->SelectFolder(folder);
    EXPECT_EQ(browser->windowTitle(), folder);
    ThumbnailList& list = browser->List();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !list.IsLoading(); }, 30000));
    ASSERT_EQ(list.count(), 1);
    list.item(0)->setSelected(true);

    browser->findChild<QPushButton*>(QStringLiteral("SetAsBackground"))->click();
    EXPECT_NE(ActiveFace().Background(), nullptr);

    browser->findChild<QPushButton*>(QStringLiteral("InsertImage"))->click();
    ASSERT_EQ(ActiveFace().Objects().size(), 1u);
    const CBaseObject& picture = *ActiveFace().Objects().front();
    const QPoint margin = frame->View()->Margin();
    EXPECT_EQ(QPoint(picture.X(), picture.Y()),
              frame->View()->Context().canvas.DeviceToLogical(margin + QPoint(0, 20)));

    // Closing only hides; opening again shows the same folder's pictures.
    browser->close();
    EXPECT_FALSE(browser->isVisible());
    EXPECT_EQ(list.count(), 0);
    ASSERT_TRUE(frame->Router().Run(CommandId::kImageBrowser));
    EXPECT_EQ(frame->Browser(), browser);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !list.IsLoading(); }, 30000));
    EXPECT_EQ(list.count(), 1);
}

namespace {

// The installed layout: the user's layouts in $XDG_DATA_HOME/lumvane, the
// shipped ones in an $XDG_DATA_DIRS entry.
class InstalledGalleryTest : public MainWindowTest {
protected:
    InstalledGalleryTest()
        : m_env{{"LUMVANE_HOME", QString()},
                {"XDG_DATA_HOME", m_dirs.filePath(QStringLiteral("user"))},
                {"XDG_DATA_DIRS", m_dirs.filePath(QStringLiteral("shipped"))}} {
        for (const char* folder : {"user/lumvane/layouts/disk", "shipped/lumvane/layouts/disk"})
            QDir().mkpath(m_dirs.filePath(QLatin1String(folder)));
        EXPECT_TRUE(MakePicture(User("layouts/disk/party.jpg"), 120, 120, QStringLiteral("red")));
        WriteTextFile(User("layouts/disk/party.lay"), "mine");
        for (const char* name : {"party", "ship"}) {
            const QString base = Shipped("layouts/disk/") + QLatin1String(name);
            EXPECT_TRUE(
                MakePicture(base + QStringLiteral(".jpg"), 120, 120, QStringLiteral("blue")));
            WriteTextFile(base + QStringLiteral(".lay"), "shipped");
        }
        MakeWindow();
        ThumbnailList& layouts = frame->Gallery()->List(ArtGallery::kLayoutsTab);
        EXPECT_TRUE(QTest::qWaitFor([&] { return !layouts.IsLoading(); }, 30000));
    }
    QString User(const char* relative) const {
        return m_dirs.filePath(QStringLiteral("user/lumvane/") + QLatin1String(relative));
    }
    QString Shipped(const char* relative) const {
        return m_dirs.filePath(QStringLiteral("shipped/lumvane/") + QLatin1String(relative));
    }

    QTemporaryDir m_dirs;
    ScopedEnvironment m_env;
};

} // namespace

TEST_F(InstalledGalleryTest, UserAndShippedLayoutsAreListedTogetherAndOnlyTheUsersDeleted) {
    ArtGallery& gallery = *frame->Gallery();
    ThumbnailList& layouts = gallery.List(ArtGallery::kLayoutsTab);
    ASSERT_EQ(layouts.count(), 2);
    // The user's "party" hides the shipped one of the same name.
    EXPECT_EQ(ThumbnailList::ItemPath(layouts.item(0)), User("layouts/disk/party.jpg"));
    EXPECT_EQ(ThumbnailList::ItemPath(layouts.item(1)), Shipped("layouts/disk/ship.jpg"));
    EXPECT_TRUE(ArtGallery::IsDeletableLayout(ThumbnailList::ItemPath(layouts.item(0))));
    EXPECT_FALSE(ArtGallery::IsDeletableLayout(ThumbnailList::ItemPath(layouts.item(1))));

    int asked = 0;
    gallery.SetQuestion([&](const QString&, const QString&) { return ++asked, true; });
    layouts.setCurrentRow(1);
    gallery.DeleteSelectedLayout();
    EXPECT_EQ(asked, 0);
    EXPECT_TRUE(QFile::exists(Shipped("layouts/disk/ship.lay")));

    layouts.setCurrentRow(0);
    gallery.DeleteSelectedLayout();
    EXPECT_EQ(asked, 1);
    EXPECT_FALSE(QFile::exists(User("layouts/disk/party.lay")));
    // The shipped layout of that name shows again.
    ASSERT_TRUE(QTest::qWaitFor([&] { return !layouts.IsLoading(); }, 30000));
    ASSERT_EQ(layouts.count(), 2);
    EXPECT_EQ(ThumbnailList::ItemPath(layouts.item(0)), Shipped("layouts/disk/party.jpg"));

    // New layouts go to the user's folder.
    EXPECT_EQ(LayoutFilePath(kDiscFace, QStringLiteral("new")), User("layouts/disk/new.lay"));
}

// Exporting under the name of a shipped layout keeps the shipped one and
// saves beside it under a free name; the user's own layout is replaced only
// after a question; the message names free names and empty faces.
TEST_F(GalleryWindowTest, ExportAsLayoutsNeverReplacesShippedLayoutsAndAsksForTheUsers) {
    const QString shipped = program.File("layouts/front/Berry Band.lay");
    const QByteArray shippedBytes = ReadWholeFile(shipped);
    ASSERT_FALSE(shippedBytes.isEmpty());
    doc->GetFace(kFrontFace)
        .AppendObject(std::make_unique<CShape>(0, 0, 2000, -2000, CShape::kRectangle, 0xFF, 0));
    QStringList asked, told;
    bool answer = false;
    const LayoutExportPrompts prompts{[&](const QString& text) {
                                          asked << text;
                                          return answer;
                                      },
                                      [&](const QString& text) { told << text; }};
    const int faces[] = {kFrontFace, kInsideFace};
    const QString name = QStringLiteral("Berry Band");
    ASSERT_TRUE(ExportLayouts(frame.get(), *frame->View(), gallery, name, faces, prompts));
    EXPECT_TRUE(asked.isEmpty());
    EXPECT_EQ(ReadWholeFile(shipped), shippedBytes);
    ObjectList objects;
    QString error;
    ASSERT_TRUE(ReadLayoutFile(program.File("layouts/front/Berry Band 2.lay"), objects, &error));
    EXPECT_EQ(objects.size(), 1u);
    EXPECT_TRUE(QFile::exists(program.File("layouts/front/Berry Band 2.jpg")));
    ASSERT_TRUE(ReadLayoutFile(program.File("layouts/inside/Berry Band.lay"), objects, &error));
    EXPECT_TRUE(objects.empty());
    ASSERT_EQ(told.size(), 1);
    EXPECT_EQ(told[0], QStringLiteral("\"Berry Band\" is a layout that comes with Lumvane and "
                                      "stays as it is. Your layout was saved beside it as:\n"
                                      "CD Jewel Case Front: Berry Band 2\n\n"
                                      "These faces hold no objects, so their layouts are empty "
                                      "and show blank thumbnails:\nCD Jewel Case Inside"));

    // Now the inside's "Berry Band" is the user's: asked before it goes.
    doc->GetFace(kInsideFace)
        .AppendObject(std::make_unique<CShape>(0, 0, 2000, -2000, CShape::kEllipse, 0xFF, 0));
    const int inside[] = {kInsideFace};
    const QString path = program.File("layouts/inside/Berry Band.lay");
    const QByteArray before = ReadWholeFile(path);
    EXPECT_FALSE(ExportLayouts(frame.get(), *frame->View(), gallery, name, inside, prompts));
    EXPECT_EQ(asked, QStringList{"Replace the layout Berry Band?"});
    EXPECT_EQ(ReadWholeFile(path), before);
    answer = true;
    EXPECT_TRUE(ExportLayouts(frame.get(), *frame->View(), gallery, name, inside, prompts));
    EXPECT_EQ(asked.size(), 2);
    ASSERT_TRUE(ReadLayoutFile(path, objects, &error));
    EXPECT_EQ(objects.size(), 1u);
    WaitAll();
}

// The Layouts list's menu opens from the keyboard too (Menu key and
// Shift+F10), at the list's top-left corner.
TEST_F(GalleryWindowTest, LayoutMenuOpensFromTheKeyboard) {
    ThumbnailList& layouts = gallery->List(ArtGallery::kLayoutsTab);
    layouts.setCurrentRow(0);
    layouts.setFocus();
    ASSERT_TRUE(QTest::qWaitFor([&] { return layouts.hasFocus(); }));
    // The desktop turns the Menu key into a keyboard menu request for the
    // focused list; Shift+F10 arrives as a key.
    for (const bool menuKey : {true, false}) {
        QStringList shown;
        QPoint at;
        QTimer::singleShot(200, [&] {
            if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
                for (QAction* action : menu->actions())
                    shown << action->text();
                at = menu->pos();
                menu->close();
            }
        });
        if (menuKey) {
            QContextMenuEvent request(QContextMenuEvent::Keyboard, QPoint(0, 0), QPoint(0, 0));
            QApplication::sendEvent(&layouts, &request);
        } else {
            QTest::keyClick(layouts.window()->windowHandle(), Qt::Key_F10, Qt::ShiftModifier);
        }
        QTest::qWait(400);
        EXPECT_EQ(shown, QStringList({"Insert Layout", "Delete Layout"})) << menuKey;
        EXPECT_EQ(at, layouts.viewport()->mapToGlobal(QPoint(5, 5))) << menuKey;
    }
}

// SVG stamps are listed with their thumbnails.
TEST_F(GalleryWindowTest, SvgStampsShowInTheStampsList) {
    WriteTextFile(program.File("logo/star.svg"),
                  "<svg xmlns='http://www.w3.org/2000/svg' width='20mm' height='20mm'>"
                  "<circle cx='10mm' cy='10mm' r='9mm' fill='gold'/></svg>");
    ThumbnailList& stamps = gallery->List(ArtGallery::kStampsTab);
    stamps.Reload();
    WaitAll();
    QStringList paths;
    for (int row = 0; row < stamps.count(); ++row)
        paths << ThumbnailList::ItemPath(stamps.item(row));
    EXPECT_EQ(paths, QStringList({program.File("logo/stamp.png"), program.File("logo/star.svg")}));
}
