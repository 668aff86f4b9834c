#include "editing_fixture.h"
#include "support/command_id_printing.h"

#include "objects/cir_text.h"
#include "objects/picture_loading.h"
#include "objects/text.h"
#include "resources/icons.h"
#include "view/command_ids.h"
#include "view/tools/drag_create_tool.h"
#include "view/tools/tool_prompts.h"

#include <QContextMenuEvent>
#include <QScrollBar>
#include <QTemporaryDir>

namespace {

struct CreationCase {
    const char* name;
    CommandId command;
    ToolMode tool;
    int kind; // CShape kind, or -1 for text
};
void PrintTo(const CreationCase& c, std::ostream* os) {
    *os << c.name;
}

class CreationTest : public EditingTest, public ::testing::WithParamInterface<CreationCase> {};

// A drag from (40, 40) to (140, 100) pixels, in either direction, gives the
// rectangle 1058, -1058 to 3704, -2646 units.
TEST_P(CreationTest, DragCreatesOneSelectedObjectAndReturnsToSelect) {
    const CreationCase c = GetParam();
    CShape* old = AddShape(6000, -6000, 1000, -1000);
    Select({old});
    Settle();
    QSignalSpy toolChanges(&view, &CDiscwrightView::ToolChanged);
    ASSERT_TRUE(view.OnCommand(c.command));
    EXPECT_EQ(view.Tool(), c.tool);
    EXPECT_TRUE(view.IsToolCommandChecked(c.command));
    Drag({140, 100}, {40, 40});
    ASSERT_EQ(ActiveFace().Objects().size(), 2u);
    CBaseObject* created = ActiveFace().Objects().back().get();
    EXPECT_EQ((ObjectRect{created->X(), created->Y(), created->Width(), created->Height()}),
              (ObjectRect{1058, -1058, 3704 - 1058, -2646 + 1058}));
    if (c.kind >= 0) {
        auto* shape = dynamic_cast<CShape*>(created);
        ASSERT_NE(shape, nullptr);
        EXPECT_EQ(shape->Kind(), c.kind);
        EXPECT_EQ(shape->FillColour(), 0xC0C0C0u);
        EXPECT_EQ(shape->LineColour(), 0u);
    } else {
        auto* text = dynamic_cast<CText*>(created);
        ASSERT_NE(text, nullptr);
        EXPECT_EQ(text->Text(), QStringLiteral("your text here"));
        EXPECT_EQ(text->TextColour(), 0u);
    }
    EXPECT_EQ(Selection(), std::vector<CBaseObject*>{created});
    EXPECT_EQ(old->Selected(), 0);
    EXPECT_EQ(PropertyBarObject(), created);
    EXPECT_EQ(view.Tool(), ToolMode::kSelect);
    EXPECT_EQ(toolChanges.count(), 2);
    EXPECT_EQ(doc.UndoCount(), 2); // exactly one step
    EXPECT_EQ(view.DragMode(), 9);
}

TEST_P(CreationTest, ClickCreatesNothingAndKeepsTheTool) {
    const CreationCase c = GetParam();
    view.OnCommand(c.command);
    Click({200, 200});
    EXPECT_TRUE(ActiveFace().Objects().empty());
    EXPECT_EQ(view.Tool(), c.tool);
    EXPECT_EQ(doc.UndoCount(), 1);
}

INSTANTIATE_TEST_SUITE_P(
    Tools, CreationTest,
    ::testing::Values(
        CreationCase{"Rectangle", CommandId::kToolRectangle, ToolMode::kRectangle,
                     CShape::kRectangle},
        CreationCase{"RoundRectangle", CommandId::kToolRoundRectangle, ToolMode::kRoundRectangle,
                     CShape::kRoundRect},
        CreationCase{"Ellipse", CommandId::kToolEllipse, ToolMode::kEllipse, CShape::kEllipse},
        CreationCase{"Diamond", CommandId::kToolDiamond, ToolMode::kDiamond, CShape::kDiamond},
        CreationCase{"Text", CommandId::kToolText, ToolMode::kText, -1}),
    [](const auto& info) { return std::string(info.param.name); });

// At zoom 2 in a small scrolled window the same face rectangle as at zoom 1
// takes twice the pixels, wherever the page is scrolled; the band is drawn
// where the mouse is.
TEST_F(EditingTest, CreationDividesByTheZoomAndFollowsTheScrolling) {
    for (int i = 0; i < 5; ++i)
        view.ZoomIn();
    view.resize(300, 300);
    view.RecalcLayout();
    view.horizontalScrollBar()->setValue(50);
    view.verticalScrollBar()->setValue(40);
    ASSERT_EQ(view.ScrollPosition(), QPoint(50, 40));
    view.OnCommand(CommandId::kToolRectangle);
    // Odd pixels: the five zoom steps leave the zoom a hair off 2.0.
    const QPoint corner = view.Margin() + QPoint(281, 201); // back buffer: the whole page
    view.ComposeFrame();
    const QRgb plain = view.BackBuffer().pixel(corner) & 0xFFFFFF;
    Press({81, 81});
    DragTo({281, 201});
    view.ComposeFrame();
    EXPECT_EQ(view.BackBuffer().pixel(corner) & 0xFFFFFF, ~plain & 0xFFFFFF); // the band
    Release({281, 201});
    ASSERT_EQ(ActiveFace().Objects().size(), 1u);
    const CBaseObject* created = ActiveFace().Objects()[0].get();
    EXPECT_EQ((ObjectRect{created->X(), created->Y(), created->Width(), created->Height()}),
              (ObjectRect{1058, -1058, 3704 - 1058, -2646 + 1058}));
    // Clicking inside it selects it through the same mapping.
    Click({200, 150});
    EXPECT_EQ(Selection(), std::vector<CBaseObject*>{const_cast<CBaseObject*>(created)});
}

TEST_F(EditingTest, DragAlongOneAxisStillGivesAVisibleObject) {
    view.OnCommand(CommandId::kToolRectangle);
    Drag({40, 40}, {40, 100});
    ASSERT_EQ(ActiveFace().Objects().size(), 1u);
    EXPECT_GT(ActiveFace().Objects()[0]->Width(), 0);
}

TEST_F(EditingTest, ClickWithAShapeToolStillSelectsWhatItHits) {
    CShape* shape = AddShape(1000, -1000, 4000, -4000);
    Settle();
    view.OnCommand(CommandId::kToolEllipse);
    Click({80, 80});
    EXPECT_EQ(Selection(), std::vector<CBaseObject*>{shape});
    EXPECT_EQ(view.Tool(), ToolMode::kEllipse);
}

TEST_F(EditingTest, PictureThatCannotBeReadIsNamedAndNothingIsAdded) {
    chosenFile = QStringLiteral("/nowhere/holiday photo.png");
    view.OnCommand(CommandId::kToolImage);
    Drag({40, 40}, {140, 100});
    EXPECT_EQ(imageDialogs, 1);
    EXPECT_EQ(messages,
              QStringList{QStringLiteral("Can not open file /nowhere/holiday photo.png")});
    EXPECT_TRUE(ActiveFace().Objects().empty());
    EXPECT_EQ(view.Tool(), ToolMode::kSelect);
    EXPECT_EQ(doc.UndoCount(), 1);

    // A click asks too, and returns to the select tool even when cancelled.
    chosenFile.clear();
    view.OnCommand(CommandId::kToolImage);
    Click({60, 60});
    EXPECT_EQ(imageDialogs, 2);
    EXPECT_EQ(messages.size(), 1);
    EXPECT_EQ(view.Tool(), ToolMode::kSelect);
    EXPECT_TRUE(ActiveFace().Objects().empty());
}

// Placing a readable picture: at a click with its natural size, over a drag
// with the dragged size; either way selected alone, one undo step, and the
// select tool again.
TEST_F(EditingTest, PictureToolPlacesAReadablePicture) {
    QTemporaryDir folder;
    chosenFile = folder.filePath(QStringLiteral("dot.png"));
    QImage pixels(6, 4, QImage::Format_RGB32);
    pixels.fill(Qt::red);
    ASSERT_TRUE(pixels.save(chosenFile));
    ASSERT_NE(LoadPictureFile(chosenFile, 0, 0, 0, 0), nullptr);
    view.OnCommand(CommandId::kToolImage);
    Click({96, 96});
    ASSERT_EQ(ActiveFace().Objects().size(), 1u);
    CBaseObject* clicked = ActiveFace().Objects()[0].get();
    EXPECT_EQ(QPoint(clicked->X(), clicked->Y()), QPoint(2540, -2540));
    EXPECT_EQ(Selection(), std::vector<CBaseObject*>{clicked});
    EXPECT_EQ(view.Tool(), ToolMode::kSelect);
    EXPECT_EQ(doc.UndoCount(), 2);
    view.OnCommand(CommandId::kToolImage);
    Drag({40, 40}, {140, 100});
    ASSERT_EQ(ActiveFace().Objects().size(), 2u);
    CBaseObject* dragged = ActiveFace().Objects()[1].get();
    EXPECT_EQ((ObjectRect{dragged->X(), dragged->Y(), dragged->Width(), dragged->Height()}),
              (ObjectRect{1058, -1058, 3704 - 1058, -2646 + 1058}));
    EXPECT_EQ(Selection(), std::vector<CBaseObject*>{dragged});
    EXPECT_EQ(doc.UndoCount(), 3);
    EXPECT_TRUE(messages.isEmpty());

    // A photo larger than the face is fitted inside it, centred on the click.
    QImage photo(1600, 1200, QImage::Format_RGB32);
    photo.fill(Qt::blue);
    ASSERT_TRUE(photo.save(chosenFile));
    view.OnCommand(CommandId::kToolImage);
    Click({300, 200});
    ASSERT_EQ(ActiveFace().Objects().size(), 3u);
    const CBaseObject& fitted = *ActiveFace().Objects()[2];
    const int faceWidth = ActiveFace().Width(), faceHeight = ActiveFace().Height();
    EXPECT_TRUE(fitted.Width() == faceWidth || -fitted.Height() == faceHeight);
    EXPECT_NEAR(double(fitted.Width()) / -fitted.Height(), 4.0 / 3.0, 0.01);
    EXPECT_GE(fitted.X(), 0);
    EXPECT_LE(fitted.Y(), 0);
    EXPECT_LE(fitted.X() + fitted.Width(), faceWidth);
    EXPECT_GE(fitted.Y() + fitted.Height(), -faceHeight);
}

// A vector picture takes its natural size whatever box is dragged; a
// 200 x 100 mm drawing dragged on the 120 mm disc is fitted into the face,
// keeping its proportions, instead of reaching far over its edges.
TEST_F(EditingTest, DraggedVectorPictureLargerThanTheFaceIsFittedIntoIt) {
    QTemporaryDir folder;
    chosenFile = folder.filePath(QStringLiteral("wide.svg"));
    WriteTextFile(chosenFile, "<svg xmlns='http://www.w3.org/2000/svg' width='200mm' "
                              "height='100mm'><rect width='100%' height='100%' fill='red'/></svg>");
    view.OnCommand(CommandId::kToolImage);
    Drag({40, 40}, {140, 100});
    ASSERT_EQ(ActiveFace().Objects().size(), 1u);
    const CBaseObject& fitted = *ActiveFace().Objects()[0];
    const int faceWidth = ActiveFace().Width(), faceHeight = ActiveFace().Height();
    EXPECT_EQ(fitted.Width(), faceWidth);
    EXPECT_NEAR(double(fitted.Width()) / -fitted.Height(), 2.0, 0.01);
    EXPECT_GE(fitted.X(), 0);
    EXPECT_LE(fitted.Y(), 0);
    EXPECT_LE(fitted.X() + fitted.Width(), faceWidth);
    EXPECT_GE(fitted.Y() + fitted.Height(), -faceHeight);
    EXPECT_EQ(Selection(), std::vector<CBaseObject*>{ActiveFace().Objects()[0].get()});

    // One that fits keeps its natural size where the drag began.
    chosenFile = folder.filePath(QStringLiteral("small.svg"));
    WriteTextFile(chosenFile, "<svg xmlns='http://www.w3.org/2000/svg' width='40mm' "
                              "height='20mm'><rect width='100%' height='100%' fill='red'/></svg>");
    view.OnCommand(CommandId::kToolImage);
    Drag({40, 40}, {140, 100});
    ASSERT_EQ(ActiveFace().Objects().size(), 2u);
    const CBaseObject& small = *ActiveFace().Objects()[1];
    EXPECT_EQ(QPoint(small.X(), small.Y()), QPoint(1058, -1058));
    EXPECT_NEAR(small.Width(), 4000, 30);
    EXPECT_NEAR(-small.Height(), 2000, 30);
}

TEST_F(EditingTest, CircularTextCommandCentresANewTextOnTheFace) {
    CShape* shape = AddShape(1000, -1000, 1000, -1000);
    Select({shape});
    Settle();
    ASSERT_TRUE(view.OnCommand(CommandId::kCircularText));
    ASSERT_EQ(ActiveFace().Objects().size(), 2u);
    auto* text = dynamic_cast<CCirText*>(ActiveFace().Objects().back().get());
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->m_centreX, ActiveFace().Width() / 2);
    EXPECT_EQ(text->m_centreY, -ActiveFace().Height() / 2);
    EXPECT_EQ(text->m_radius, 5000.0);
    EXPECT_EQ(text->Text(), QStringLiteral("your text here"));
    EXPECT_EQ(Selection(), std::vector<CBaseObject*>{text});
    EXPECT_EQ(PropertyBarObject(), text);
    EXPECT_EQ(view.Tool(), ToolMode::kSelect);
    EXPECT_EQ(doc.UndoCount(), 2);
}

TEST_F(EditingTest, RightButtonOnlyDropsTheTool) {
    CShape* shape = AddShape(1000, -1000, 4000, -4000);
    Select({shape});
    Settle();
    view.OnCommand(CommandId::kToolDiamond);
    Mouse(QEvent::MouseButtonPress, {300, 300}, Qt::RightButton, Qt::RightButton);
    Mouse(QEvent::MouseButtonRelease, {300, 300}, Qt::RightButton, Qt::NoButton);
    EXPECT_EQ(view.Tool(), ToolMode::kSelect);
    EXPECT_EQ(Selection(), std::vector<CBaseObject*>{shape});
    EXPECT_TRUE(ActiveFace().Objects().size() == 1u);
}

TEST_F(EditingTest, ContextMenuRequestsComeFromMouseOrKeyboard) {
    QSignalSpy requests(&view, &CDiscwrightView::ContextMenuRequested);
    const QPoint client(100, 120);
    QContextMenuEvent mouse(QContextMenuEvent::Mouse, client, view.viewport()->mapToGlobal(client));
    QApplication::sendEvent(view.viewport(), &mouse);
    QContextMenuEvent keyboard(QContextMenuEvent::Keyboard, {0, 0},
                               view.viewport()->mapToGlobal(QPoint(0, 0)));
    QApplication::sendEvent(view.viewport(), &keyboard);
    ASSERT_EQ(requests.count(), 2);
    EXPECT_EQ(requests[0][0].toPoint(), view.viewport()->mapToGlobal(client));
    EXPECT_EQ(requests[1][0].toPoint(), view.viewport()->mapToGlobal(QPoint(5, 5)));
}

bool SameCursor(const QCursor& a, const QCursor& b) {
    if (a.shape() != b.shape())
        return false;
    return a.shape() != Qt::BitmapCursor || a.pixmap().toImage() == b.pixmap().toImage();
}

TEST_F(EditingTest, CursorsFollowTheToolAndTheHoveredHandle) {
    CShape* shape = AddShape(1000, -1000, 4000, -4000);
    Select({shape});
    Settle();
    view.OnCommand(CommandId::kToolText);
    EXPECT_TRUE(SameCursor(view.viewport()->cursor(), ToolCursor(ToolMode::kText)));
    view.OnCommand(CommandId::kToolSelect);
    // Handle 4 (bottom-right) lies at the rectangle's corner: (189, 189) pixels.
    Hover({189, 189});
    EXPECT_EQ(view.DragMode(), 4);
    EXPECT_TRUE(SameCursor(view.viewport()->cursor(), DragModeCursor(4)));
    Hover({100, 100});
    EXPECT_EQ(view.DragMode(), 10);
    EXPECT_TRUE(SameCursor(view.viewport()->cursor(), DragModeCursor(10)));
    Hover({300, 300});
    EXPECT_EQ(view.DragMode(), 9);
    EXPECT_TRUE(SameCursor(view.viewport()->cursor(), DragModeCursor(9)));
}

TEST_F(EditingTest, CommandStatesForMenus) {
    bool enabled = false, checked = false, mixed = false;
    ASSERT_TRUE(view.CommandState(CommandId::kToolSelect, &enabled, &checked));
    EXPECT_TRUE(enabled && checked);
    ASSERT_TRUE(view.CommandState(CommandId::kSelectAll, &enabled, &checked));
    EXPECT_FALSE(enabled); // an empty face
    // The image browser belongs to the window, not to the view.
    EXPECT_FALSE(view.CommandState(CommandId::kImageBrowser, &enabled, &checked));
    CShape* a = AddShape(1000, -1000, 1000, -1000);
    CShape* b = AddShape(3000, -1000, 1000, -1000);
    ASSERT_TRUE(view.CommandState(CommandId::kLockUnlockObject, &enabled, &checked, &mixed));
    EXPECT_FALSE(enabled);
    Select({a});
    a->SetLocked(1);
    view.CommandState(CommandId::kLockUnlockObject, &enabled, &checked, &mixed);
    EXPECT_TRUE(enabled && checked && !mixed);
    Select({b});
    view.CommandState(CommandId::kLockUnlockObject, &enabled, &checked, &mixed);
    EXPECT_TRUE(enabled && mixed);
    EXPECT_TRUE(view.OnCommand(CommandId::kLockUnlockObject));
    EXPECT_EQ(a->Locked(), 0);
    EXPECT_EQ(b->Locked(), 1);
    EXPECT_FALSE(view.CommandState(CommandId::kCopy, &enabled, &checked));
}

} // namespace
