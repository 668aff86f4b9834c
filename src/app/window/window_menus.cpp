#include "window_menus.h"

#include "command_router.h"
#include "recent_file_list.h"
#include "view/command_ids.h"
#include "view/discwright_view.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace {

// Not a command: a separator in a list of ids.
constexpr CommandId kSeparator{0};

QMenu* AddMenu(QMenuBar* bar, CommandRouter& router, const QString& title,
               std::initializer_list<CommandId> ids) {
    QMenu* menu = bar->addMenu(title);
    for (CommandId id : ids) {
        if (id == kSeparator)
            menu->addSeparator();
        else
            menu->addAction(router.Action(id));
    }
    router.Watch(menu);
    return menu;
}

void AddAliases(QMenu* menu, CommandRouter& router,
                std::initializer_list<std::pair<CommandId, const char*>> items) {
    for (const auto& [id, text] : items)
        menu->addAction(router.AddAlias(id, QString::fromUtf8(text)));
}

} // namespace

void BuildMenuBar(QMenuBar* bar, CommandRouter& router) {
    bar->setObjectName(QStringLiteral("MenuBar"));
    AddMenu(bar, router, QStringLiteral("&File"),
            {CommandId::kFileNew, CommandId::kFileOpen, CommandId::kFileSave,
             CommandId::kFileSaveAs, kSeparator, CommandId::kFilePrint,
             CommandId::kFilePrintPreview, CommandId::kFilePrintSetup, CommandId::kFileExportPdf,
             kSeparator, CommandId::kFileRecent1, CommandId::kFileRecent2, CommandId::kFileRecent3,
             CommandId::kFileRecent4, kSeparator, CommandId::kAppExit});
    AddMenu(bar, router, QStringLiteral("&Edit"),
            {CommandId::kUndo, CommandId::kRedo, kSeparator, CommandId::kCut, CommandId::kCopy,
             CommandId::kPaste, CommandId::kDeleteSelection, kSeparator,
             CommandId::kChangeLabelStock, CommandId::kEditTracksInformation,
             CommandId::kExportCoverAsImages, CommandId::kExportAsLayouts, CommandId::kSettings,
             kSeparator, CommandId::kSetAsBackgroundImage, CommandId::kRemoveBackgroundImage,
             CommandId::kSetBackgroundColor});
    AddMenu(bar, router, QStringLiteral("&View"),
            {CommandId::kViewMainToolbar, CommandId::kViewPropertyBar, CommandId::kViewObjectBar,
             CommandId::kViewTemplateWindow, CommandId::kViewAlignBar, CommandId::kViewStatusBar,
             kSeparator, CommandId::kZoomIn, CommandId::kZoomOut, CommandId::kZoom100, kSeparator,
             CommandId::kShowGrid});
    AddMenu(bar, router, QStringLiteral("&Object"),
            {CommandId::kToolSelect, CommandId::kToolRectangle, CommandId::kToolRoundRectangle,
             CommandId::kToolEllipse, CommandId::kToolDiamond, CommandId::kToolText,
             CommandId::kCircularText, CommandId::kToolImage, kSeparator, CommandId::kImageBrowser,
             kSeparator, CommandId::kLockUnlockObject, CommandId::kSelectNext,
             CommandId::kSelectAll});
    AddMenu(bar, router, QStringLiteral("&Align"),
            {CommandId::kAlignLeft, CommandId::kAlignRight, CommandId::kAlignTop,
             CommandId::kAlignBottom, kSeparator, CommandId::kCenterVertical,
             CommandId::kCenterHorizontal, kSeparator, CommandId::kMakeSameWidth,
             CommandId::kMakeSameHeight, CommandId::kMakeSameSize});
    AddMenu(bar, router, QStringLiteral("&Z-order"),
            {CommandId::kBringToFront, CommandId::kSendToBack, CommandId::kMoveToNext,
             CommandId::kMoveToPrevious});
    AddMenu(bar, router, QStringLiteral("&Help"),
            {CommandId::kHelpTipOfTheDay, kSeparator, CommandId::kHelpContents,
             CommandId::kHelpTechSupport, CommandId::kHelpHomePage, kSeparator,
             CommandId::kAppAbout});
}

void ShowRecentFiles(CommandRouter& router, const QStringList& files) {
    for (int i = 0; i < RecentFileList::kMaxFiles; ++i) {
        QAction* action = router.Action(RecentFileCommand(i));
        if (i < files.size()) {
            action->setText(RecentFileList::MenuText(i, files[i]));
            action->setStatusTip(QStringLiteral("Open %1").arg(files[i]));
            action->setVisible(true);
        } else {
            action->setText(QStringLiteral("Recent File"));
            action->setStatusTip(QStringLiteral("Open a project used recently"));
            action->setVisible(i == 0 && files.isEmpty());
        }
    }
}

QMenu* BuildContextMenu(CommandRouter& router, QWidget* parent) {
    auto* menu = new QMenu(parent);
    menu->setObjectName(QStringLiteral("EditingContextMenu"));
    AddAliases(menu, router,
               {{CommandId::kCut, "Cu&t"},
                {CommandId::kCopy, "&Copy"},
                {CommandId::kPaste, "&Paste"},
                {CommandId::kDeleteSelection, "&Delete"}});
    QMenu* order = menu->addMenu(QStringLiteral("Z-Order"));
    AddAliases(order, router,
               {{CommandId::kBringToFront, "Bring to front"},
                {CommandId::kSendToBack, "Send to back"},
                {CommandId::kMoveToNext, "Move to next"},
                {CommandId::kMoveToPrevious, "Move to previous"}});
    QMenu* align = menu->addMenu(QStringLiteral("Align"));
    AddAliases(align, router,
               {{CommandId::kAlignLeft, "Align Left"},
                {CommandId::kAlignRight, "Align Right"},
                {CommandId::kAlignTop, "Align Top"},
                {CommandId::kAlignBottom, "Align Bottom"},
                {CommandId::kCenterVertical, "Center Vertical"},
                {CommandId::kCenterHorizontal, "Center Horizontal"},
                {CommandId::kMakeSameWidth, "Make Same Width"},
                {CommandId::kMakeSameHeight, "Make Same Height"},
                {CommandId::kMakeSameSize, "Make Same Size"}});
    AddAliases(menu, router,
               {{CommandId::kLockUnlockObject, "&Lock"},
                {CommandId::kSetAsBackgroundImage, "Set as &Background Image"}});
    router.Watch(menu);
    return menu;
}
