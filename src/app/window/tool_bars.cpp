#include "tool_bars.h"

#include "command_router.h"
#include "view/command_ids.h"
#include "view/discwright_view.h"

#include <QMainWindow>
#include <QToolBar>

namespace {

constexpr int kSeparator = 0;

QToolBar* MakeBar(QMainWindow* window, CommandRouter& router, const QString& caption,
                  const QString& name, std::initializer_list<int> ids) {
    auto* bar = new QToolBar(caption, window);
    bar->setObjectName(name);
    // Icons where the command has one; its short name where it has none yet.
    bar->setToolButtonStyle(Qt::ToolButtonFollowStyle);
    for (int id : ids) {
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
    bars.main =
        MakeBar(window, router, QStringLiteral("Main toolbar"), QStringLiteral("MainToolbar"),
                {kFileNew,
                 kFileOpen,
                 kFileSave,
                 kSeparator,
                 kFilePrint,
                 kSeparator,
                 kUndo,
                 kRedo,
                 kCut,
                 kCopy,
                 kPaste,
                 kDeleteSelection,
                 kSeparator,
                 kChangeLabelStock,
                 kSeparator,
                 kEditTracksInformation,
                 kExportAsLayouts,
                 kSettings,
                 kSeparator,
                 kSetAsBackgroundImage,
                 kRemoveBackgroundImage,
                 kSetBackgroundColor,
                 kSeparator,
                 kBringToFront,
                 kSendToBack,
                 kMoveToNext,
                 kMoveToPrevious,
                 kSelectNext,
                 kLockUnlockObject,
                 kSeparator,
                 kAppAbout});
    bars.main->setAllowedAreas(Qt::TopToolBarArea);
    bars.align =
        MakeBar(window, router, QStringLiteral("Align toolbar"), QStringLiteral("AlignToolbar"),
                {kAlignLeft, kAlignRight, kAlignTop, kAlignBottom, kSeparator, kCenterVertical,
                 kCenterHorizontal, kSeparator, kMakeSameWidth, kMakeSameHeight, kMakeSameSize,
                 kIdShowGrid, kIdZoomIn, kIdZoomOut, kIdZoom100});
    bars.object =
        MakeBar(window, router, QStringLiteral("Object toolbar"), QStringLiteral("ObjectToolbar"),
                {kToolSelect, kToolRectangle, kToolRoundRectangle, kToolEllipse, kToolDiamond,
                 kToolText, kCircularText, kToolImage, kImageBrowser});
    window->addToolBar(Qt::TopToolBarArea, bars.main);
    window->addToolBarBreak(Qt::TopToolBarArea);
    window->addToolBar(Qt::TopToolBarArea, bars.align);
    window->addToolBar(Qt::LeftToolBarArea, bars.object);
    return bars;
}
