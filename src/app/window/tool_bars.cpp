#include "tool_bars.h"

#include "command_router.h"
#include "view/command_ids.h"
#include "view/discwright_view.h"

#include <QCoreApplication>
#include <QMainWindow>
#include <QToolBar>

namespace {

// Not a command: a separator in a list of ids.
constexpr CommandId kSeparator{0};

QToolBar* MakeBar(QMainWindow* window, CommandRouter& router, const QString& caption,
                  const QString& name, std::initializer_list<CommandId> ids) {
    auto* bar = new QToolBar(caption, window);
    bar->setObjectName(name);
    // Icons where the command has one; its short name where it has none yet.
    bar->setToolButtonStyle(Qt::ToolButtonFollowStyle);
    for (CommandId id : ids) {
        if (id == kSeparator)
            bar->addSeparator();
        else
            bar->addAction(router.Action(id));
    }
    return bar;
}

} // namespace

ToolBars BuildToolBars(QMainWindow* window, CommandRouter& router) {
    ToolBars bars;
    bars.main = MakeBar(window, router, QCoreApplication::translate("ToolBars", "Main toolbar"),
                        QStringLiteral("MainToolbar"),
                        {CommandId::kFileNew,
                         CommandId::kFileOpen,
                         CommandId::kFileSave,
                         kSeparator,
                         CommandId::kFilePrint,
                         kSeparator,
                         CommandId::kUndo,
                         CommandId::kRedo,
                         CommandId::kCut,
                         CommandId::kCopy,
                         CommandId::kPaste,
                         CommandId::kDeleteSelection,
                         kSeparator,
                         CommandId::kChangeLabelStock,
                         kSeparator,
                         CommandId::kEditTracksInformation,
                         CommandId::kExportAsLayouts,
                         CommandId::kSettings,
                         kSeparator,
                         CommandId::kSetAsBackgroundImage,
                         CommandId::kRemoveBackgroundImage,
                         CommandId::kSetBackgroundColor,
                         kSeparator,
                         CommandId::kBringToFront,
                         CommandId::kSendToBack,
                         CommandId::kMoveToNext,
                         CommandId::kMoveToPrevious,
                         CommandId::kSelectNext,
                         CommandId::kLockUnlockObject,
                         kSeparator,
                         CommandId::kAppAbout});
    bars.main->setAllowedAreas(Qt::TopToolBarArea);
    bars.align =
        MakeBar(window, router, QCoreApplication::translate("ToolBars", "Align toolbar"),
                QStringLiteral("AlignToolbar"),
                {CommandId::kAlignLeft, CommandId::kAlignRight, CommandId::kAlignTop,
                 CommandId::kAlignBottom, kSeparator, CommandId::kCenterVertical,
                 CommandId::kCenterHorizontal, kSeparator, CommandId::kMakeSameWidth,
                 CommandId::kMakeSameHeight, CommandId::kMakeSameSize, CommandId::kShowGrid,
                 CommandId::kZoomIn, CommandId::kZoomOut, CommandId::kZoom100});
    bars.object =
        MakeBar(window, router, QCoreApplication::translate("ToolBars", "Object toolbar"),
                QStringLiteral("ObjectToolbar"),
                {CommandId::kToolSelect, CommandId::kToolRectangle, CommandId::kToolRoundRectangle,
                 CommandId::kToolEllipse, CommandId::kToolDiamond, CommandId::kToolText,
                 CommandId::kCircularText, CommandId::kToolImage, CommandId::kImageBrowser});
    window->addToolBar(Qt::TopToolBarArea, bars.main);
    window->addToolBarBreak(Qt::TopToolBarArea);
    window->addToolBar(Qt::TopToolBarArea, bars.align);
    window->addToolBar(Qt::LeftToolBarArea, bars.object);
    return bars;
}
