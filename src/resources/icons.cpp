#include "icons.h"

#include "svg_cursor.h"
#include "svg_icon_engine.h"
#include "view/command_ids.h"
#include "view/discwright_view.h"

#include <QGuiApplication>

#include <array>
#include <map>

// The pictures are compiled into lumvane_ui, a static library: naming the
// resource initialiser here makes the linker keep them in every program and
// test that asks for an icon or cursor.
static void InitLumvaneResources() {
    Q_INIT_RESOURCE(lumvane);
}

namespace {

void EnsureResources() {
    static const bool initialised = (InitLumvaneResources(), true);
    (void)initialised;
}

QString IconPath(const char* name) {
    return QStringLiteral(":/lumvane/icons/%1.svg").arg(QLatin1String(name));
}

QString CursorPath(const char* name) {
    return QStringLiteral(":/lumvane/cursors/%1.svg").arg(QLatin1String(name));
}

struct CommandIconSource {
    CommandId id;
    const char* file;      // our own drawing, under icons/
    const char* themeName; // the desktop theme's icon preferred to it, if any
};

// Standard commands take the desktop's icon when its theme has one, so they
// match the rest of the desktop; our own drawing stands in otherwise.
constexpr std::array kCommandIcons{
    CommandIconSource{CommandId::kFileNew, "document-new", "document-new"},
    CommandIconSource{CommandId::kFileOpen, "document-open", "document-open"},
    CommandIconSource{CommandId::kFileSave, "document-save", "document-save"},
    CommandIconSource{CommandId::kFilePrint, "document-print", "document-print"},
    CommandIconSource{CommandId::kUndo, "edit-undo", "edit-undo"},
    CommandIconSource{CommandId::kRedo, "edit-redo", "edit-redo"},
    CommandIconSource{CommandId::kCut, "edit-cut", "edit-cut"},
    CommandIconSource{CommandId::kCopy, "edit-copy", "edit-copy"},
    CommandIconSource{CommandId::kPaste, "edit-paste", "edit-paste"},
    CommandIconSource{CommandId::kDeleteSelection, "edit-delete", "edit-delete"},
    CommandIconSource{CommandId::kZoomIn, "zoom-in", "zoom-in"},
    CommandIconSource{CommandId::kZoomOut, "zoom-out", "zoom-out"},
    CommandIconSource{CommandId::kZoom100, "zoom-original", "zoom-original"},
    CommandIconSource{CommandId::kAppAbout, "help-about", "help-about"},
    CommandIconSource{CommandId::kSettings, "preferences-system", "preferences-system"},

    CommandIconSource{CommandId::kChangeLabelStock, "label-stock", nullptr},
    CommandIconSource{CommandId::kEditTracksInformation, "tracks-information", nullptr},
    CommandIconSource{CommandId::kExportAsLayouts, "export-layouts", nullptr},
    CommandIconSource{CommandId::kExportCoverAsImages, "export-images", nullptr},
    CommandIconSource{CommandId::kSetAsBackgroundImage, "background-image-set", nullptr},
    CommandIconSource{CommandId::kRemoveBackgroundImage, "background-image-remove", nullptr},
    CommandIconSource{CommandId::kSetBackgroundColor, "background-color", nullptr},
    CommandIconSource{CommandId::kBringToFront, "bring-to-front", nullptr},
    CommandIconSource{CommandId::kSendToBack, "send-to-back", nullptr},
    CommandIconSource{CommandId::kMoveToNext, "move-to-next", nullptr},
    CommandIconSource{CommandId::kMoveToPrevious, "move-to-previous", nullptr},
    CommandIconSource{CommandId::kSelectNext, "select-next", nullptr},
    CommandIconSource{CommandId::kLockUnlockObject, "lock", nullptr},

    CommandIconSource{CommandId::kToolSelect, "tool-select", nullptr},
    CommandIconSource{CommandId::kToolRectangle, "tool-rectangle", nullptr},
    CommandIconSource{CommandId::kToolRoundRectangle, "tool-round-rectangle", nullptr},
    CommandIconSource{CommandId::kToolEllipse, "tool-ellipse", nullptr},
    CommandIconSource{CommandId::kToolDiamond, "tool-diamond", nullptr},
    CommandIconSource{CommandId::kToolText, "tool-text", nullptr},
    CommandIconSource{CommandId::kCircularText, "tool-circular-text", nullptr},
    CommandIconSource{CommandId::kToolImage, "tool-image", nullptr},
    CommandIconSource{CommandId::kImageBrowser, "image-browser", nullptr},

    CommandIconSource{CommandId::kAlignLeft, "align-left", nullptr},
    CommandIconSource{CommandId::kAlignRight, "align-right", nullptr},
    CommandIconSource{CommandId::kAlignTop, "align-top", nullptr},
    CommandIconSource{CommandId::kAlignBottom, "align-bottom", nullptr},
    CommandIconSource{CommandId::kCenterVertical, "center-vertical", nullptr},
    CommandIconSource{CommandId::kCenterHorizontal, "center-horizontal", nullptr},
    CommandIconSource{CommandId::kMakeSameWidth, "same-width", nullptr},
    CommandIconSource{CommandId::kMakeSameHeight, "same-height", nullptr},
    CommandIconSource{CommandId::kMakeSameSize, "same-size", nullptr},
    CommandIconSource{CommandId::kShowGrid, "grid", nullptr},
};

QIcon BuildCommandIcon(CommandId id) {
    for (const CommandIconSource& source : kCommandIcons) {
        if (source.id != id) {
            continue;
        }
        QIcon own(new SvgIconEngine(IconPath(source.file)));
        if (source.themeName == nullptr) {
            return own;
        }
        return QIcon::fromTheme(QLatin1String(source.themeName), own);
    }
    return {};
}

struct CursorSource {
    int key;
    const char* file;
    QPoint hotSpot;
    Qt::CursorShape fallback;
};

// The drawing tools' crosshairs are centred on pixel (8, 8) of their image;
// the arrows on the middle of their 32 x 32 image. The rising diagonal
// passes through the centres of pixels (16, 15) and (15, 16), not (16, 16).
constexpr QPoint kCrosshairHotSpot(8, 8);
constexpr QPoint kCentreHotSpot(16, 16);
constexpr QPoint kRisingDiagonalHotSpot(16, 15);

constexpr std::array kToolCursors{
    CursorSource{ToolIndex(ToolMode::kRectangle), "cross-rectangle", kCrosshairHotSpot,
                 Qt::CrossCursor},
    CursorSource{ToolIndex(ToolMode::kRoundRectangle), "cross-round-rectangle", kCrosshairHotSpot,
                 Qt::CrossCursor},
    CursorSource{ToolIndex(ToolMode::kEllipse), "cross-ellipse", kCrosshairHotSpot,
                 Qt::CrossCursor},
    CursorSource{ToolIndex(ToolMode::kDiamond), "cross-diamond", kCrosshairHotSpot,
                 Qt::CrossCursor},
    CursorSource{ToolIndex(ToolMode::kText), "cross-text", kCrosshairHotSpot, Qt::CrossCursor},
    CursorSource{ToolIndex(ToolMode::kImage), "cross-picture", kCrosshairHotSpot, Qt::CrossCursor},
};

// Drag modes 0-7 are the handles clockwise from the top-left corner; opposite
// handles share a double arrow.
constexpr std::array kDragCursors{
    CursorSource{0, "size-fdiag", kCentreHotSpot, Qt::SizeFDiagCursor},
    CursorSource{1, "size-ver", kCentreHotSpot, Qt::SizeVerCursor},
    CursorSource{2, "size-bdiag", kRisingDiagonalHotSpot, Qt::SizeBDiagCursor},
    CursorSource{3, "size-hor", kCentreHotSpot, Qt::SizeHorCursor},
    CursorSource{4, "size-fdiag", kCentreHotSpot, Qt::SizeFDiagCursor},
    CursorSource{5, "size-ver", kCentreHotSpot, Qt::SizeVerCursor},
    CursorSource{6, "size-bdiag", kRisingDiagonalHotSpot, Qt::SizeBDiagCursor},
    CursorSource{7, "size-hor", kCentreHotSpot, Qt::SizeHorCursor},
    CursorSource{8, "corner-handle", kCentreHotSpot, Qt::SizeAllCursor},
    CursorSource{10, "move", kCentreHotSpot, Qt::SizeAllCursor},
};

template <std::size_t N>
std::map<int, QCursor> BuildCursors(const std::array<CursorSource, N>& sources) {
    EnsureResources();
    std::map<int, QCursor> cursors;
    for (const CursorSource& source : sources) {
        cursors.emplace(source.key,
                        SvgCursor(CursorPath(source.file), source.hotSpot, source.fallback));
    }
    return cursors;
}

// Pixmaps, and so picture cursors, need a GUI application; before there is
// one (or in a console program) only the standard shapes are available.
bool HaveGuiApplication() {
    return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr;
}

template <std::size_t N>
QCursor StandardCursor(const std::array<CursorSource, N>& sources, int key) {
    for (const CursorSource& source : sources) {
        if (source.key == key) {
            return QCursor(source.fallback);
        }
    }
    return QCursor(Qt::ArrowCursor);
}

} // namespace

QIcon CommandIcon(CommandId id) {
    EnsureResources();
    // Cheap to make: the theme lookup is cached by Qt and the rendered sizes
    // of our own drawings by the engine, so nothing is kept here.
    return BuildCommandIcon(id);
}

QCursor ToolCursor(ToolMode tool) {
    if (!HaveGuiApplication()) {
        return StandardCursor(kToolCursors, ToolIndex(tool));
    }
    static const std::map<int, QCursor> cursors = BuildCursors(kToolCursors);
    const auto found = cursors.find(ToolIndex(tool));
    return found != cursors.end() ? found->second : QCursor(Qt::ArrowCursor);
}

QCursor DragModeCursor(int dragMode) {
    if (!HaveGuiApplication()) {
        return StandardCursor(kDragCursors, dragMode);
    }
    static const std::map<int, QCursor> cursors = BuildCursors(kDragCursors);
    const auto found = cursors.find(dragMode);
    return found != cursors.end() ? found->second : QCursor(Qt::ArrowCursor);
}

QIcon ApplicationIcon() {
    EnsureResources();
    return QIcon::fromTheme(
        QStringLiteral("org.lumvane.Lumvane"),
        QIcon(new SvgIconEngine(QStringLiteral(":/lumvane/app/org.lumvane.Lumvane.svg"))));
}
