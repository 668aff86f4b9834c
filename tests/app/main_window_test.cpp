#include "main_window_fixture.h"
#include "support/command_id_printing.h"

#include "app/property_bar/position_fields.h"
#include "app/property_bar/property_bar.h"
#include "app/property_bar/shape_panel.h"
#include "app/window/bar_sizes.h"
#include "app/window/command_table.h"
#include "app/window/editing_commands.h"
#include "app/window/face_tab_bar.h"
#include "app/window/sizable_bar.h"
#include "app/window/status_panes.h"
#include "app/window/tip_of_the_day.h"
#include "objects/shape.h"
#include "platform/ini_document.h"
#include "view/arrange_commands.h"
#include "view/clipboard_commands.h"
#include "view/command_ids.h"
#include "view/discwright_view.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QScreen>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>

#include <map>

namespace {

// The texts of a menu's items, "-" for a separator, hidden items left out.
QStringList Texts(const QList<QAction*>& actions, bool iconTexts = false) {
    QStringList texts;
    for (QAction* action : actions) {
        if (!action->isVisible())
            continue;
        if (action->isSeparator())
            texts.append(QStringLiteral("-"));
        else
            texts.append(iconTexts ? action->iconText() : action->text());
    }
    return texts;
}

QMenu* MenuTitled(QMenuBar* bar, const QString& title) {
    for (QAction* action : bar->actions())
        if (action->text() == title)
            return action->menu();
    return nullptr;
}

} // namespace

TEST_F(MainWindowTest, MenusHoldTheirItemsInOrder) {
    QMenuBar* bar = frame->menuBar();
    EXPECT_EQ(Texts(bar->actions()),
              QStringList({"&File", "&Edit", "&View", "&Object", "&Align", "&Z-order", "&Help"}));

    QMenu* file = MenuTitled(bar, QStringLiteral("&File"));
    ASSERT_NE(file, nullptr);
    EXPECT_EQ(Texts(file->actions()),
              QStringList({"&New", "&Open...", "&Save", "Save &As...", "-", "&Print...",
                           "Print Pre&view...", "P&rint Setup...", "&Export to PDF...", "-",
                           "Recent File", "-", "E&xit"}));
    EXPECT_EQ(Action(CommandId::kFileNew)->shortcut(), QKeySequence(QStringLiteral("Ctrl+N")));
    EXPECT_EQ(Action(CommandId::kFilePrint)->shortcut(), QKeySequence(QStringLiteral("Ctrl+P")));

    QMenu* edit = MenuTitled(bar, QStringLiteral("&Edit"));
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(Texts(edit->actions()),
              QStringList({"&Undo", "Redo", "-", "Cu&t", "&Copy", "&Paste", "&Delete", "-",
                           "Change Label Stock...", "Edit Tracks Information...",
                           "Export Cover As Images...", "Export As Layouts...", "Settings...", "-",
                           "Set as Background Image", "Remove Background Image",
                           "Set Background Color"}));
    EXPECT_EQ(Action(CommandId::kCut)->shortcuts(),
              QList<QKeySequence>({QKeySequence(QStringLiteral("Ctrl+X")),
                                   QKeySequence(QStringLiteral("Shift+Del"))}));
    EXPECT_EQ(Action(CommandId::kRedo)->shortcut(), QKeySequence(QStringLiteral("Ctrl+Y")));

    QMenu* object = MenuTitled(bar, QStringLiteral("&Object"));
    ASSERT_NE(object, nullptr);
    EXPECT_EQ(Texts(object->actions()).first(8),
              QStringList({"&Select Object", "&Rectangle", "R&ound Rectangle", "&Ellipse",
                           "&Diamond", "&Text ", "&Circular Text", "&Image"}));
    EXPECT_EQ(Action(CommandId::kSelectAll)->shortcut(), QKeySequence(QStringLiteral("Ctrl+A")));
    // Tab stays the view's key and the focus chain's.
    EXPECT_TRUE(Action(CommandId::kSelectNext)->shortcuts().isEmpty());

    QMenu* order = MenuTitled(bar, QStringLiteral("&Z-order"));
    ASSERT_NE(order, nullptr);
    EXPECT_EQ(Texts(order->actions()),
              QStringList({"&Bring object to front", "&Send object to back",
                           "Move object to &next positon in z-order",
                           "Move object to &previous positon in z-order"}));

    QMenu* help = MenuTitled(bar, QStringLiteral("&Help"));
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(Texts(help->actions()),
              QStringList({"Ti&p of the Day...", "-", "&Contents", "&Tech Support", "&HomePage",
                           "-", "&About Lumvane..."}));
    EXPECT_EQ(Action(CommandId::kHelpContents)->shortcut(), QKeySequence(Qt::Key_F1));

    // Every item tells the status bar what it does.
    for (QMenu* menu : bar->findChildren<QMenu*>()) {
        for (QAction* action : menu->actions()) {
            if (!action->isSeparator() && action->menu() == nullptr) {
                EXPECT_FALSE(action->statusTip().isEmpty()) << action->text().toStdString();
            }
        }
    }
}

TEST_F(MainWindowTest, ToolBarsHoldTheirButtonsInOrder) {
    const ToolBars& bars = frame->Bars();
    EXPECT_EQ(bars.main->windowTitle(), QStringLiteral("Main toolbar"));
    EXPECT_EQ(bars.object->windowTitle(), QStringLiteral("Object toolbar"));
    EXPECT_EQ(bars.align->windowTitle(), QStringLiteral("Align toolbar"));
    EXPECT_EQ(bars.main->allowedAreas(), Qt::TopToolBarArea);
    EXPECT_EQ(frame->toolBarArea(bars.main), Qt::TopToolBarArea);

    EXPECT_EQ(Texts(bars.main->actions(), true), QStringList({"New",
                                                              "Open",
                                                              "Save",
                                                              "-",
                                                              "Print",
                                                              "-",
                                                              "Undo",
                                                              "Redo",
                                                              "Cut",
                                                              "Copy",
                                                              "Paste",
                                                              "Delete",
                                                              "-",
                                                              "Change Label Stock",
                                                              "-",
                                                              "Edit Tracks Information",
                                                              "Export As Layouts",
                                                              "Settings",
                                                              "-",
                                                              "Set as Background Image",
                                                              "Remove Background Image",
                                                              "Set Background Color",
                                                              "-",
                                                              "Bring object to front",
                                                              "Send object to back",
                                                              "Move to next in z-order",
                                                              "Move to previous in z-order",
                                                              "Select next object",
                                                              "Lock/unlock Object",
                                                              "-",
                                                              "About"}));
    EXPECT_EQ(Texts(bars.object->actions(), true),
              QStringList({"Select", "Rectangle", "Round Rectangle", "Ellipse", "Diamond", "Text",
                           "Circular Text", "Image", "Image Browser"}));
    EXPECT_EQ(Texts(bars.align->actions(), true),
              QStringList({"Align Left", "Align Right", "Align Top", "Align Bottom", "-",
                           "Center Vertical", "Center Horizontal", "-", "Make Same Width",
                           "Make Same Height", "Make Same Size", "Show/Hide Grid", "Zoom In",
                           "Zoom Out", "Zoom 100%"}));
}

TEST_F(MainWindowTest, CommandsAreEnabledByTheSelection) {
    CShape* first = AddRectangle(1000, -1000, 2000, 2000);
    CShape* second = AddRectangle(4000, -1000, 2000, 2000);
    const CommandId needsTwo[] = {CommandId::kAlignLeft,     CommandId::kAlignRight,
                                  CommandId::kAlignTop,      CommandId::kAlignBottom,
                                  CommandId::kMakeSameWidth, CommandId::kMakeSameHeight,
                                  CommandId::kMakeSameSize};
    const CommandId needsOne[] = {CommandId::kCenterVertical, CommandId::kCenterHorizontal,
                                  CommandId::kDeleteSelection, CommandId::kCut, CommandId::kCopy};
    struct Case {
        std::initializer_list<CBaseObject*> selection;
        bool one;
        bool two;
    };
    for (const Case& c :
         {Case{{}, false, false}, Case{{first}, true, false}, Case{{first, second}, true, true}}) {
        Select(c.selection);
        frame->Router().UpdateActions();
        for (CommandId id : needsTwo)
            EXPECT_EQ(Action(id)->isEnabled(), c.two) << id << " with " << c.selection.size();
        for (CommandId id : needsOne)
            EXPECT_EQ(Action(id)->isEnabled(), c.one) << id << " with " << c.selection.size();
    }
    // Always available, or not yet available.
    for (CommandId id :
         {CommandId::kBringToFront, CommandId::kSetBackgroundColor, CommandId::kSelectAll,
          CommandId::kSelectNext, CommandId::kCircularText, CommandId::kFileNew,
          CommandId::kEditTracksInformation, CommandId::kFilePrint, CommandId::kChangeLabelStock,
          CommandId::kSettings, CommandId::kImageBrowser, CommandId::kExportCoverAsImages,
          CommandId::kExportAsLayouts})
        EXPECT_TRUE(Action(id)->isEnabled()) << id;
    EXPECT_FALSE(Action(CommandId::kRemoveBackgroundImage)->isEnabled());

    // The lock item: checked for one locked object; several show unchecked.
    first->SetLocked(1);
    Select({first});
    frame->Router().UpdateActions();
    EXPECT_TRUE(Action(CommandId::kLockUnlockObject)->isEnabled());
    EXPECT_TRUE(Action(CommandId::kLockUnlockObject)->isChecked());
    Select({first, second});
    frame->Router().UpdateActions();
    EXPECT_TRUE(Action(CommandId::kLockUnlockObject)->isEnabled());
    EXPECT_FALSE(Action(CommandId::kLockUnlockObject)->isChecked());

    // A triggered align runs on the selection.
    first->SetLocked(0);
    Action(CommandId::kAlignLeft)->trigger();
    EXPECT_EQ(second->X(), 1000);
}

TEST_F(MainWindowTest, EachCommandHasOneRowInOneModulesTable) {
    CDiscwrightView& view = *frame->View();
    const CommandRows tables[] = {view.ViewCommandRows(), ArrangeCommandRows(view),
                                  ClipboardCommandRows(view), HistoryCommandRows(view)};
    std::map<CommandId, int> rowsOfId;
    for (const CommandRows& table : tables) {
        for (const CommandRow& row : table) {
            ++rowsOfId[row.id];
            EXPECT_TRUE(row.run) << row.id;
            // Every row is a command the menus and tool bars can show.
            EXPECT_NE(FindCommand(row.id), nullptr) << row.id;
        }
    }
    for (const auto& [id, count] : rowsOfId)
        EXPECT_EQ(count, 1) << id;
    // The lock command runs and shows its state from the one row.
    CShape* shape = AddRectangle(1000, -1000, 1000, -1000);
    Select({shape});
    frame->Router().UpdateActions();
    EXPECT_TRUE(Action(CommandId::kLockUnlockObject)->isEnabled());
    EXPECT_FALSE(Action(CommandId::kLockUnlockObject)->isChecked());
    Action(CommandId::kLockUnlockObject)->trigger();
    EXPECT_EQ(shape->Locked(), 1);
    EXPECT_TRUE(Action(CommandId::kLockUnlockObject)->isChecked());
}

TEST_F(MainWindowTest, ToolItemsAreCheckedForTheViewsTool) {
    CDiscwrightView& view = *frame->View();
    EXPECT_TRUE(Action(CommandId::kToolSelect)->isChecked());
    view.SetTool(ToolMode::kEllipse);
    EXPECT_TRUE(Action(CommandId::kToolEllipse)->isChecked());
    EXPECT_FALSE(Action(CommandId::kToolSelect)->isChecked());

    Action(CommandId::kToolRectangle)->trigger();
    EXPECT_EQ(view.Tool(), ToolMode::kRectangle);
    EXPECT_TRUE(Action(CommandId::kToolRectangle)->isChecked());
    EXPECT_FALSE(Action(CommandId::kToolEllipse)->isChecked());
    EXPECT_FALSE(Action(CommandId::kCircularText)->isCheckable());

    // The grid item follows the grid.
    Action(CommandId::kShowGrid)->trigger();
    EXPECT_EQ(doc->m_gridVisible, 1);
    EXPECT_TRUE(Action(CommandId::kShowGrid)->isChecked());
}

TEST_F(MainWindowTest, FaceTabsSwitchFacesAndTheStatusBarFollows) {
    CFaceTabBar* tabs = frame->FaceTabs();
    ASSERT_EQ(tabs->count(), 4);
    EXPECT_EQ(QStringList({tabs->tabText(0), tabs->tabText(1), tabs->tabText(2), tabs->tabText(3)}),
              QStringList({"Disk", "Front", "Inside", "Back"}));
    auto* pane = frame->findChild<QLabel*>(QStringLiteral("FaceInformationPane"));
    ASSERT_NE(pane, nullptr);

    // Made-up stock names tell the stocks apart.
    doc->DiscStock().name = QStringLiteral("Disc stock");
    doc->FrontStock().name = QStringLiteral("Front stock");
    doc->BackStock().name = QStringLiteral("Back stock");
    const struct {
        int tab;
        const char* stock;
    } cases[] = {{1, "Front stock"}, {2, "Front stock"}, {3, "Back stock"}, {0, "Disc stock"}};
    for (const auto& c : cases) {
        tabs->setCurrentIndex(c.tab);
        EXPECT_EQ(doc->ActiveFaceId(), c.tab);
        EXPECT_TRUE(pane->text().startsWith(QString::fromLatin1(c.stock))) << c.tab;
    }
    EXPECT_EQ(doc->StockOfFace(kFrontFace).labelWidth, 12000);
    tabs->setCurrentIndex(1);
    EXPECT_EQ(pane->text(), QStringLiteral("Front stock - (120,120)mm"));

    // The tabs follow a face change made elsewhere.
    doc->SetActiveFace(kBackFace);
    EXPECT_EQ(tabs->currentIndex(), kBackFace);
}

TEST_F(MainWindowTest, TheStatusBarShowsTheZoomAndWhereThePointerIs) {
    auto* zoom = frame->findChild<QLabel*>(QStringLiteral("ZoomPane"));
    auto* pointer = frame->findChild<QLabel*>(QStringLiteral("PointerPane"));
    ASSERT_NE(zoom, nullptr);
    ASSERT_NE(pointer, nullptr);
    EXPECT_EQ(zoom->text(), QStringLiteral("100%"));
    Action(CommandId::kZoomIn)->trigger();
    EXPECT_EQ(zoom->text(), QStringLiteral("120%"));
    for (int i = 0; i < 10; ++i)
        Action(CommandId::kZoomOut)->trigger();
    EXPECT_EQ(zoom->text(), QStringLiteral("40%"));

    // The face point under the pointer, y counted down from the top edge.
    CDiscwrightView* view = frame->View();
    const QPoint at = view->FaceToWindow(QPoint(1250, -5000));
    QMouseEvent move(QEvent::MouseMove, QPointF(at), QPointF(view->viewport()->mapToGlobal(at)),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(view->viewport(), &move);
    const QPoint face = view->WindowToFace(at);
    EXPECT_EQ(pointer->text(), StatusPanes::PointerText(face));
    EXPECT_NEAR(face.x(), 1250, 250); // a pixel at 40% is 0.66 mm
    EXPECT_EQ(StatusPanes::PointerText(QPoint(1250, -5000)), QStringLiteral("12.50, 50.00 mm"));
    EXPECT_EQ(StatusPanes::PointerText(QPoint(-5, 7)), QStringLiteral("-0.05, -0.07 mm"));
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(view->viewport(), &leave);
    EXPECT_TRUE(pointer->text().isEmpty());
}

TEST_F(MainWindowTest, BarTogglesAreCheckedWhileTheBarIsShown) {
    const struct {
        CommandId id;
        QWidget* bar;
    } cases[] = {{CommandId::kViewMainToolbar, frame->Bars().main},
                 {CommandId::kViewObjectBar, frame->Bars().object},
                 {CommandId::kViewAlignBar, frame->Bars().align},
                 {CommandId::kViewPropertyBar, frame->PropertiesBar()},
                 {CommandId::kViewTemplateWindow, frame->GalleryBar()},
                 {CommandId::kViewStatusBar, frame->statusBar()}};
    for (const auto& c : cases) {
        EXPECT_TRUE(Action(c.id)->isChecked()) << c.id;
        Action(c.id)->trigger();
        EXPECT_TRUE(c.bar->isHidden()) << c.id;
        EXPECT_FALSE(Action(c.id)->isChecked()) << c.id;
        Action(c.id)->trigger();
        EXPECT_FALSE(c.bar->isHidden()) << c.id;
        EXPECT_TRUE(Action(c.id)->isChecked()) << c.id;
    }
}

TEST_F(MainWindowTest, DockBarsStartWhereTheyBelong) {
    CSizableBar* gallery = frame->GalleryBar();
    EXPECT_EQ(gallery->windowTitle(), QStringLiteral("Art Gallery"));
    EXPECT_EQ(frame->dockWidgetArea(gallery), Qt::LeftDockWidgetArea);
    CSizableBar* properties = frame->PropertiesBar();
    EXPECT_EQ(properties->windowTitle(), QStringLiteral("Object Properties"));
    EXPECT_EQ(properties->widget(), frame->PropertyBar());
    // At first start it floats clear of the window when the screen has room
    // under or beside it (the test screen is too small for either).
    EXPECT_TRUE(properties->isFloating());
    EXPECT_EQ(properties->allowedAreas(), Qt::NoDockWidgetArea);
    const QRect screen = frame->screen()->availableGeometry();
    const QSize bar = properties->frameGeometry().size();
    const QRect window = frame->frameGeometry();
    const bool room = screen.contains(QRect(QPoint(window.left(), window.bottom() + 40), bar)) ||
                      screen.contains(QRect(QPoint(window.right() + 40, window.top()), bar));
    if (room) {
        EXPECT_FALSE(properties->frameGeometry().intersects(window));
    }

    // The property bar shows what the view hands it.
    CShape* shape = AddRectangle(1000, -1000, 2000, 2000);
    Select({shape});
    EXPECT_EQ(frame->PropertyBar()->Object(), shape);
}

TEST(BarSizes, MissingFileGivesDefaultsAndWritingRoundTrips) {
    QTemporaryDir dir;
    const QString ini = dir.filePath(QStringLiteral("setup.ini"));
    EXPECT_EQ(ReadBarSizes(ini, kArtGalleryBarId), BarSizes());
    EXPECT_EQ(BarSizes().horizontal, QSize(435, 60));
    EXPECT_EQ(BarSizes().vertical, QSize(250, 500));
    EXPECT_EQ(BarSizes().floating, QSize(500, 200));

    WriteTextFile(ini, "[General]\nUser=me\n[SCBar-121]\nsizeVertCX=300\n");
    BarSizes read = ReadBarSizes(ini, kArtGalleryBarId);
    EXPECT_EQ(read.vertical, QSize(300, 500));
    EXPECT_EQ(read.horizontal, QSize(435, 60));

    const BarSizes sizes{{400, 70}, {260, 480}, {510, 210}};
    ASSERT_TRUE(WriteBarSizes(ini, kObjectPropertiesBarId, sizes));
    EXPECT_EQ(ReadBarSizes(ini, kObjectPropertiesBarId), sizes);
    const IniDocument doc = IniDocument::Load(ini);
    EXPECT_EQ(doc.Value(u"SCBar-125", u"sizeFloatCY"), QStringLiteral("210"));
    EXPECT_EQ(doc.Value(u"General", u"User"), QStringLiteral("me"));
}

TEST_F(MainWindowTest, ClosingStoresTheWindowAndBarSizesForTheNextStart) {
    const QString ini = program.File(kSettingsFileName);
    frame->setGeometry(60, 70, 700, 520);
    ASSERT_TRUE(CloseWindow());
    const IniDocument written = IniDocument::Load(ini);
    for (const char* section : {"SCBar-121", "SCBar-125"})
        for (const char* key :
             {"sizeHorzCX", "sizeHorzCY", "sizeVertCX", "sizeVertCY", "sizeFloatCX", "sizeFloatCY"})
            EXPECT_TRUE(written.Value(QString::fromLatin1(section), QString::fromLatin1(key)))
                << section << " " << key;
    // The floating size of the gallery was never used, so it stays as it was.
    EXPECT_EQ(ReadBarSizes(ini, kArtGalleryBarId).floating, QSize(500, 200));

    // Sizes found in the file are the bars' sizes at the next start.
    BarSizes stored = ReadBarSizes(ini, kArtGalleryBarId);
    stored.floating = QSize(333, 222);
    ASSERT_TRUE(WriteBarSizes(ini, kArtGalleryBarId, stored));
    MakeWindow();
    EXPECT_EQ(frame->GalleryBar()->Sizes(), stored);
    EXPECT_EQ(frame->geometry(), QRect(60, 70, 700, 520));
    EXPECT_TRUE(CloseWindow());
    EXPECT_EQ(ReadBarSizes(ini, kArtGalleryBarId).floating, QSize(333, 222));
}

TEST_F(MainWindowTest, HiddenBarsStayHiddenAtTheNextStart) {
    Action(CommandId::kViewAlignBar)->trigger();
    Action(CommandId::kViewTemplateWindow)->trigger();
    ASSERT_TRUE(CloseWindow());
    MakeWindow();
    EXPECT_TRUE(frame->Bars().align->isHidden());
    EXPECT_TRUE(frame->GalleryBar()->isHidden());
    EXPECT_FALSE(frame->Bars().main->isHidden());
    EXPECT_FALSE(Action(CommandId::kViewAlignBar)->isChecked());
}

TEST_F(MainWindowTest, TheContextMenuRunsTheSameCommands) {
    CShape* first = AddRectangle(1000, -1000, 2000, 2000);
    CShape* second = AddRectangle(4000, -3000, 2000, 2000);
    Select({first, second});
    Q_EMIT frame->View()->ContextMenuRequested(frame->mapToGlobal(QPoint(100, 100)));
    QMenu* menu = frame->ContextMenu();
    ASSERT_TRUE(menu->isVisible());
    EXPECT_EQ(Texts(menu->actions()), QStringList({"Cu&t", "&Copy", "&Paste", "&Delete", "Z-Order",
                                                   "Align", "&Lock", "Set as &Background Image"}));
    QMenu* align = menu->actions().at(5)->menu();
    ASSERT_NE(align, nullptr);
    EXPECT_EQ(align->actions().size(), 9);
    QAction* alignTop = align->actions().at(2);
    EXPECT_EQ(alignTop->text(), QStringLiteral("Align Top"));
    EXPECT_TRUE(alignTop->isEnabled());
    alignTop->trigger();
    EXPECT_EQ(first->Y(), -3000);
    menu->hide();

    // With nothing selected the same items are greyed.
    Select({});
    frame->Router().UpdateActions();
    EXPECT_FALSE(menu->actions().at(0)->isEnabled());
    EXPECT_FALSE(alignTop->isEnabled());
}

TEST_F(MainWindowTest, TipOfTheDayStepsThroughTheTipsAndRemembersTheChoice) {
    ASSERT_TRUE(CTipOfTheDay::ShowAtStartup());
    const QStringList& tips = CTipOfTheDay::Tips();
    {
        CTipOfTheDay dialog(frame.get());
        EXPECT_EQ(dialog.ShownTip(), tips.first());
        for (int i = 1; i < tips.size(); ++i)
            dialog.NextTip();
        EXPECT_EQ(dialog.ShownTip(), tips.last());
        dialog.StartupBox()->setChecked(false);
    }
    EXPECT_FALSE(CTipOfTheDay::ShowAtStartup());
    // After the last tip the next opening begins again with the first.
    CTipOfTheDay again(frame.get());
    EXPECT_EQ(again.ShownTip(), tips.first());
    EXPECT_FALSE(again.StartupBox()->isChecked());
}

// Ctrl+Z pressed in a field of the Object Properties bar after the field's
// edit took effect undoes that edit in the project; while the field holds
// typing of its own, Ctrl+Z takes the typing back instead.
TEST_F(MainWindowTest, UndoInAPropertyFieldReachesTheProject) {
    CShape* shape = AddRectangle(1000, -1000, 2000, 2000);
    doc->CheckPoint(); // the step Undo goes back to
    Select({shape});
    frame->show();
    QLineEdit* x = frame->PropertyBar()->m_shapePanel->m_position->m_x;
    QWidget* bar = frame->PropertyBar()->window();
    ASSERT_NE(bar, frame.get()) << "the bar floats in a window of its own";
    bar->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(bar));
    x->setFocus();
    x->selectAll();
    QTest::keyClicks(x, QStringLiteral("30"));
    QTest::keyClick(x, Qt::Key_Z, Qt::ControlModifier); // the field's own typing
    EXPECT_EQ(shape->X(), 1000);
    QTest::keyClicks(x, QStringLiteral("30"));
    QTest::keyClick(x, Qt::Key_Return);
    ASSERT_EQ(shape->X(), 3000);

    QTest::keyClick(x, Qt::Key_Z, Qt::ControlModifier);
    shape = dynamic_cast<CShape*>(doc->ActiveFace().Objects().back().get());
    ASSERT_NE(shape, nullptr);
    EXPECT_EQ(shape->X(), 1000);

    // A field the bar does not write again after the edit behaves the same.
    Select({shape});
    QLineEdit* lineWidth = frame->PropertyBar()->m_shapePanel->m_lineWidth;
    lineWidth->setFocus();
    lineWidth->selectAll();
    QTest::keyClicks(lineWidth, QStringLiteral("6"));
    QTest::keyClick(lineWidth, Qt::Key_Return);
    ASSERT_EQ(shape->LineWidth(), 6);
    QTest::keyClick(lineWidth, Qt::Key_Z, Qt::ControlModifier);
    shape = dynamic_cast<CShape*>(doc->ActiveFace().Objects().back().get());
    ASSERT_NE(shape, nullptr);
    EXPECT_EQ(shape->LineWidth(), 1);
}
