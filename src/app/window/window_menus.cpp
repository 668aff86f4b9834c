#include "window_menus.h"

#include "command_router.h"
#include "recent_file_list.h"
#include "view/command_ids.h"
#include "view/discwright_view.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace {

constexpr int kSeparator = 0;

QMenu* AddMenu(QMenuBar* bar, CommandRouter& router, const QString& title,
               std::initializer_list<int> ids) {
    QMenu* menu = bar->addMenu(title);
    for (int id : ids) {
        if (id == kSeparator)
            menu->addSeparator();
        else
            menu->addAction(router.Action(id));
    }
    router.Watch(menu);
    return menu;
}

void AddAliases(QMenu* menu, CommandRouter& router,
                std::initializer_list<std::pair<int, const char*>> items) {
    for (const auto& [id, text] : items)
        menu->addAction(router.AddAlias(id, QString::fromUtf8(text)));
}

} // namespace

void BuildMenuBar(QMenuBar* bar, CommandRouter& router) {
    bar->setObjectName(QStringLiteral("MenuBar"));
    AddMenu(bar, router, QStringLiteral("&File"),
            {kFileNew, kFileOpen, kFileSave, kFileSaveAs, kSeparator, kFilePrint, kFilePrintPreview,
             kFilePrintSetup, kFileExportPdf, kSeparator, kFileRecent1, kFileRecent1 + 1,
             kFileRecent1 + 2, kFileRecent4, kSeparator, kAppExit});
    AddMenu(bar, router, QStringLiteral("&Edit"),
            {kUndo, kRedo, kSeparator, kCut, kCopy, kPaste, kDeleteSelection, kSeparator,
             kChangeLabelStock, kEditTracksInformation, kExportCoverAsImages, kExportAsLayouts,
             kSettings, kSeparator, kSetAsBackgroundImage, kRemoveBackgroundImage,
             kSetBackgroundColor});
    AddMenu(bar, router, QStringLiteral("&View"),
            {kViewMainToolbar, kViewPropertyBar, kViewObjectBar, kViewTemplateWindow, kViewAlignBar,
             kViewStatusBar, kSeparator, kIdZoomIn, kIdZoomOut, kIdZoom100, kSeparator,
             kIdShowGrid});
    AddMenu(bar, router, QStringLiteral("&Object"),
            {kToolSelect, kToolRectangle, kToolRoundRectangle, kToolEllipse, kToolDiamond,
             kToolText, kCircularText, kToolImage, kSeparator, kImageBrowser, kSeparator,
             kLockUnlockObject, kSelectNext, kSelectAll});
    AddMenu(bar, router, QStringLiteral("&Align"),
            {kAlignLeft, kAlignRight, kAlignTop, kAlignBottom, kSeparator, kCenterVertical,
             kCenterHorizontal, kSeparator, kMakeSameWidth, kMakeSameHeight, kMakeSameSize});
    AddMenu(bar, router, QStringLiteral("&Z-order"),
            {kBringToFront, kSendToBack, kMoveToNext, kMoveToPrevious});
    AddMenu(bar, router, QStringLiteral("&Help"), {kHelpTipOfTheDay, kSeparator, kAppAbout});
}

void ShowRecentFiles(CommandRouter& router, const QStringList& files) {
    for (int i = 0; i < RecentFileList::kMaxFiles; ++i) {
        QAction* action = router.Action(kFileRecent1 + i);
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
    AddAliases(
        menu, router,
        {{kCut, "Cu&t"}, {kCopy, "&Copy"}, {kPaste, "&Paste"}, {kDeleteSelection, "&Delete"}});
    QMenu* order = menu->addMenu(QStringLiteral("Z-Order"));
    AddAliases(order, router,
               {{kBringToFront, "Bring to front"},
                {kSendToBack, "Send to back"},
                {kMoveToNext, "Move to next"},
                {kMoveToPrevious, "Move to previous"}});
    QMenu* align = menu->addMenu(QStringLiteral("Align"));
    AddAliases(align, router,
               {{kAlignLeft, "Align Left"},
                {kAlignRight, "Align Right"},
                {kAlignTop, "Align Top"},
                {kAlignBottom, "Align Bottom"},
                {kCenterVertical, "Center Vertical"},
                {kCenterHorizontal, "Center Horizontal"},
                {kMakeSameWidth, "Make Same Width"},
                {kMakeSameHeight, "Make Same Height"},
                {kMakeSameSize, "Make Same Size"}});
    AddAliases(menu, router,
               {{kLockUnlockObject, "&Lock"}, {kSetAsBackgroundImage, "Set as &Background Image"}});
    router.Watch(menu);
    return menu;
}
