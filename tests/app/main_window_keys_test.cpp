#include "main_window_fixture.h"
#include "support/command_id_printing.h"

#include "app/property_bar/position_fields.h"
#include "app/property_bar/property_bar.h"
#include "app/property_bar/shape_panel.h"
#include "objects/shape.h"
#include "view/command_ids.h"
#include "view/discwright_view.h"

#include <QLineEdit>
#include <QTest>

#include <map>

// One key, one command: a key two actions claim is ambiguous and does nothing.
TEST_F(MainWindowTest, NoTwoActionsOfTheWindowShareAKey) {
    std::map<QString, QString> owner;
    int keys = 0;
    for (QAction* action : frame->findChildren<QAction*>()) {
        for (const QKeySequence& key : action->shortcuts()) {
            ++keys;
            const auto [it, inserted] =
                owner.emplace(key.toString(QKeySequence::PortableText), action->text());
            EXPECT_TRUE(inserted) << key.toString().toStdString() << ": '"
                                  << it->second.toStdString() << "' and '"
                                  << action->text().toStdString() << "'";
        }
    }
    EXPECT_GE(keys, 20);
}

// The keys the desktop uses for the same commands everywhere, beside the ones
// the menus show first (Ctrl+Y for Redo, Shift+Del for Cut, F1 for Contents).
TEST_F(MainWindowTest, CommandsAnswerToTheDesktopsStandardKeys) {
    const std::pair<CommandId, QKeySequence::StandardKey> standard[] = {
        {CommandId::kFileNew, QKeySequence::New},
        {CommandId::kFileOpen, QKeySequence::Open},
        {CommandId::kFileSave, QKeySequence::Save},
        {CommandId::kFileSaveAs, QKeySequence::SaveAs},
        {CommandId::kFilePrint, QKeySequence::Print},
        {CommandId::kAppExit, QKeySequence::Quit},
        {CommandId::kUndo, QKeySequence::Undo},
        {CommandId::kRedo, QKeySequence::Redo},
        {CommandId::kCut, QKeySequence::Cut},
        {CommandId::kCopy, QKeySequence::Copy},
        {CommandId::kPaste, QKeySequence::Paste},
        {CommandId::kDeleteSelection, QKeySequence::Delete},
        {CommandId::kSelectAll, QKeySequence::SelectAll},
        {CommandId::kZoomIn, QKeySequence::ZoomIn},
        {CommandId::kZoomOut, QKeySequence::ZoomOut},
        {CommandId::kHelpContents, QKeySequence::HelpContents},
        {CommandId::kSettings, QKeySequence::Preferences},
    };
    for (const auto& [id, key] : standard) {
        const QList<QKeySequence> have = Action(id)->shortcuts();
        for (const QKeySequence& wanted : QKeySequence::keyBindings(key))
            EXPECT_TRUE(have.contains(wanted))
                << id << " lacks " << wanted.toString().toStdString();
    }
    const std::pair<CommandId, QKeySequence> shownFirst[] = {
        {CommandId::kUndo, QKeySequence(Qt::CTRL | Qt::Key_Z)},
        {CommandId::kRedo, QKeySequence(Qt::CTRL | Qt::Key_Y)},
        {CommandId::kCut, QKeySequence(Qt::CTRL | Qt::Key_X)},
        {CommandId::kCopy, QKeySequence(Qt::CTRL | Qt::Key_C)},
        {CommandId::kPaste, QKeySequence(Qt::CTRL | Qt::Key_V)},
        {CommandId::kSelectAll, QKeySequence(Qt::CTRL | Qt::Key_A)},
        {CommandId::kHelpContents, QKeySequence(Qt::Key_F1)},
    };
    for (const auto& [id, key] : shownFirst)
        EXPECT_EQ(Action(id)->shortcut(), key) << id;
    EXPECT_TRUE(
        Action(CommandId::kCut)->shortcuts().contains(QKeySequence(Qt::SHIFT | Qt::Key_Delete)));
    EXPECT_TRUE(
        Action(CommandId::kCopy)->shortcuts().contains(QKeySequence(Qt::CTRL | Qt::Key_Insert)));
    EXPECT_TRUE(
        Action(CommandId::kPaste)->shortcuts().contains(QKeySequence(Qt::SHIFT | Qt::Key_Insert)));
    // Keys that some desktops leave out of their standard set, there anyway.
    EXPECT_TRUE(Action(CommandId::kFileSaveAs)
                    ->shortcuts()
                    .contains(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)));
    EXPECT_FALSE(Action(CommandId::kSettings)->shortcuts().isEmpty());
}

// Delete is now a key of the window: it removes the selected object once,
// and a property field still gets it for its own text.
TEST_F(MainWindowTest, DeleteKeyRemovesTheSelectionButEditsAFocusedField) {
    CShape* first = AddRectangle(1000, -1000, 2000, 2000);
    AddRectangle(5000, -5000, 2000, 2000);
    frame->show();
    frame->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(frame.get()));
    Select({first});
    CDiscwrightView* view = frame->View();
    view->setFocus();
    QTest::keyClick(view, Qt::Key_Delete);
    ASSERT_EQ(doc->ActiveFace().Objects().size(), 1u);

    CShape* second = dynamic_cast<CShape*>(doc->ActiveFace().Objects().back().get());
    ASSERT_NE(second, nullptr);
    Select({second});
    QLineEdit* x = frame->PropertyBar()->m_shapePanel->m_position->m_x;
    QWidget* bar = frame->PropertyBar()->window();
    bar->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(bar));
    x->setFocus();
    x->setCursorPosition(0);
    const QString before = x->text();
    QTest::keyClick(x, Qt::Key_Delete);
    EXPECT_EQ(x->text(), before.mid(1));
    EXPECT_EQ(doc->ActiveFace().Objects().size(), 1u);
}
