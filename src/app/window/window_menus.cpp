#include "window_menus.h"

#include "command_router.h"
#include "recent_file_list.h"
#include "view/command_ids.h"
#include "view/discwright_view.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>

namespace {

QString Tr(const char* text) {
    return QCoreApplication::translate("WindowMenus", text);
}

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
        menu->addAction(router.AddAlias(id, Tr(text)));
}

} // namespace

void BuildMenuBar(QMenuBar* bar, CommandRouter& router) {
    bar->setObjectName(QStringLiteral("MenuBar"));
    AddMenu(bar, router, QCoreApplication::translate("WindowMenus", "&File"),
            {CommandId::kFileNew, CommandId::kFileOpen, CommandId::kFileSave,
             CommandId::kFileSaveAs, kSeparator, CommandId::kFilePrint,
             CommandId::kFilePrintPreview, CommandId::kFilePrintSetup, CommandId::kFileExportPdf,
             kSeparator, CommandId::kFileRecent1, CommandId::kFileRecent2, CommandId::kFileRecent3,
             CommandId::kFileRecent4, kSeparator, CommandId::kAppExit});
    AddMenu(bar, router, QCoreApplication::translate("WindowMenus", "&Edit"),
            {CommandId::kUndo, CommandId::kRedo, kSeparator, CommandId::kCut, CommandId::kCopy,
             CommandId::kPaste, CommandId::kDeleteSelection, kSeparator,
             CommandId::kChangeLabelStock, CommandId::kEditTracksInformation,
             CommandId::kExportCoverAsImages, CommandId::kExportAsLayouts, CommandId::kSettings,
             kSeparator, CommandId::kSetAsBackgroundImage, CommandId::kRemoveBackgroundImage,
             CommandId::kSetBackgroundColor});
    AddMenu(bar, router, QCoreApplication::translate("WindowMenus", "&View"),
            {CommandId::kViewMainToolbar, CommandId::kViewPropertyBar, CommandId::kViewObjectBar,
             CommandId::kViewTemplateWindow, CommandId::kViewAlignBar, CommandId::kViewStatusBar,
             kSeparator, CommandId::kZoomIn, CommandId::kZoomOut, CommandId::kZoom100, kSeparator,
             CommandId::kShowGrid});
    AddMenu(bar, router, QCoreApplication::translate("WindowMenus", "&Object"),
            {CommandId::kToolSelect, CommandId::kToolRectangle, CommandId::kToolRoundRectangle,
             CommandId::kToolEllipse, CommandId::kToolDiamond, CommandId::kToolText,
             CommandId::kCircularText, CommandId::kToolImage, kSeparator, CommandId::kImageBrowser,
             kSeparator, CommandId::kLockUnlockObject, CommandId::kSelectNext,
             CommandId::kSelectAll});
    AddMenu(bar, router, QCoreApplication::translate("WindowMenus", "&Align"),
            {CommandId::kAlignLeft, CommandId::kAlignRight, CommandId::kAlignTop,
             CommandId::kAlignBottom, kSeparator, CommandId::kCenterVertical,
             CommandId::kCenterHorizontal, kSeparator, CommandId::kMakeSameWidth,
             CommandId::kMakeSameHeight, CommandId::kMakeSameSize});
    AddMenu(bar, router, QCoreApplication::translate("WindowMenus", "&Z-order"),
            {CommandId::kBringToFront, CommandId::kSendToBack, CommandId::kMoveToNext,
             CommandId::kMoveToPrevious});
    AddMenu(bar, router, QCoreApplication::translate("WindowMenus", "&Help"),
            {CommandId::kHelpTipOfTheDay, kSeparator, CommandId::kHelpContents,
             CommandId::kHelpTechSupport, CommandId::kHelpHomePage, kSeparator,
             CommandId::kAppAbout});
}

void ShowRecentFiles(CommandRouter& router, const QStringList& files) {
    for (int i = 0; i < RecentFileList::kMaxFiles; ++i) {
        QAction* action = router.Action(RecentFileCommand(i));
        if (i < files.size()) {
            action->setText(RecentFileList::MenuText(i, files[i]));
            action->setStatusTip(
                QCoreApplication::translate("WindowMenus", "Open %1").arg(files[i]));
            action->setVisible(true);
        } else {
            action->setText(QCoreApplication::translate("WindowMenus", "Recent File"));
            action->setStatusTip(
                QCoreApplication::translate("WindowMenus", "Open a project used recently"));
            action->setVisible(i == 0 && files.isEmpty());
        }
    }
}

QMenu* BuildContextMenu(CommandRouter& router, QWidget* parent) {
    auto* menu = new QMenu(parent);
    menu->setObjectName(QStringLiteral("EditingContextMenu"));
    AddAliases(menu, router,
               {{CommandId::kCut, QT_TRANSLATE_NOOP("WindowMenus", "Cu&t")},
                {CommandId::kCopy, QT_TRANSLATE_NOOP("WindowMenus", "&Copy")},
                {CommandId::kPaste, QT_TRANSLATE_NOOP("WindowMenus", "&Paste")},
                {CommandId::kDeleteSelection, QT_TRANSLATE_NOOP("WindowMenus", "&Delete")}});
    QMenu* order = menu->addMenu(QCoreApplication::translate("WindowMenus", "Z-Order"));
    AddAliases(
        order, router,
        {{CommandId::kBringToFront, QT_TRANSLATE_NOOP("WindowMenus", "Bring to front")},
         {CommandId::kSendToBack, QT_TRANSLATE_NOOP("WindowMenus", "Send to back")},
         {CommandId::kMoveToNext, QT_TRANSLATE_NOOP("WindowMenus", "Move to next")},
         {CommandId::kMoveToPrevious, QT_TRANSLATE_NOOP("WindowMenus", "Move to previous")}});
    QMenu* align = menu->addMenu(QCoreApplication::translate("WindowMenus", "Align"));
    AddAliases(
        align, router,
        {{CommandId::kAlignLeft, QT_TRANSLATE_NOOP("WindowMenus", "Align Left")},
         {CommandId::kAlignRight, QT_TRANSLATE_NOOP("WindowMenus", "Align Right")},
         {CommandId::kAlignTop, QT_TRANSLATE_NOOP("WindowMenus", "Align Top")},
         {CommandId::kAlignBottom, QT_TRANSLATE_NOOP("WindowMenus", "Align Bottom")},
         {CommandId::kCenterVertical, QT_TRANSLATE_NOOP("WindowMenus", "Center Vertical")},
         {CommandId::kCenterHorizontal, QT_TRANSLATE_NOOP("WindowMenus", "Center Horizontal")},
         {CommandId::kMakeSameWidth, QT_TRANSLATE_NOOP("WindowMenus", "Make Same Width")},
         {CommandId::kMakeSameHeight, QT_TRANSLATE_NOOP("WindowMenus", "Make Same Height")},
         {CommandId::kMakeSameSize, QT_TRANSLATE_NOOP("WindowMenus", "Make Same Size")}});
    AddAliases(menu, router,
               {{CommandId::kLockUnlockObject, QT_TRANSLATE_NOOP("WindowMenus", "&Lock")},
                {CommandId::kSetAsBackgroundImage,
                 QT_TRANSLATE_NOOP("WindowMenus", "Set as &Background Image")}});
    router.Watch(menu);
    return menu;
}
