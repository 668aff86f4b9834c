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
    int id;
    const char* file;      // our own drawing, under icons/
    const char* themeName; // the desktop theme's icon preferred to it, if any
};

// Standard commands take the desktop's icon when its theme has one, so they
// match the rest of the desktop; our own drawing stands in otherwise.
constexpr std::array kCommandIcons{
    CommandIconSource{kFileNew, "document-new", "document-new"},
    CommandIconSource{kFileOpen, "document-open", "document-open"},
    CommandIconSource{kFileSave, "document-save", "document-save"},
    CommandIconSource{kFilePrint, "document-print", "document-print"},
    CommandIconSource{kUndo, "edit-undo", "edit-undo"},
    CommandIconSource{kRedo, "edit-redo", "edit-redo"},
    CommandIconSource{kCut, "edit-cut", "edit-cut"},
    CommandIconSource{kCopy, "edit-copy", "edit-copy"},
    CommandIconSource{kPaste, "edit-paste", "edit-paste"},
    CommandIconSource{kDeleteSelection, "edit-delete", "edit-delete"},
    CommandIconSource{kIdZoomIn, "zoom-in", "zoom-in"},
    CommandIconSource{kIdZoomOut, "zoom-out", "zoom-out"},
    CommandIconSource{kIdZoom100, "zoom-original", "zoom-original"},
    CommandIconSource{kAppAbout, "help-about", "help-about"},
    CommandIconSource{kSettings, "preferences-system", "preferences-system"},

    CommandIconSource{kChangeLabelStock, "label-stock", nullptr},
    CommandIconSource{kEditTracksInformation, "tracks-information", nullptr},
    CommandIconSource{kExportAsLayouts, "export-layouts", nullptr},
    CommandIconSource{kExportCoverAsImages, "export-images", nullptr},
    CommandIconSource{kSetAsBackgroundImage, "background-image-set", nullptr},
    CommandIconSource{kRemoveBackgroundImage, "background-image-remove", nullptr},
    CommandIconSource{kSetBackgroundColor, "background-color", nullptr},
    CommandIconSource{kBringToFront, "bring-to-front", nullptr},
    CommandIconSource{kSendToBack, "send-to-back", nullptr},
    CommandIconSource{kMoveToNext, "move-to-next", nullptr},
    CommandIconSource{kMoveToPrevious, "move-to-previous", nullptr},
    CommandIconSource{kSelectNext, "select-next", nullptr},
    CommandIconSource{kLockUnlockObject, "lock", nullptr},

    CommandIconSource{kToolSelect, "tool-select", nullptr},
    CommandIconSource{kToolRectangle, "tool-rectangle", nullptr},
    CommandIconSource{kToolRoundRectangle, "tool-round-rectangle", nullptr},
    CommandIconSource{kToolEllipse, "tool-ellipse", nullptr},
    CommandIconSource{kToolDiamond, "tool-diamond", nullptr},
    CommandIconSource{kToolText, "tool-text", nullptr},
    CommandIconSource{kCircularText, "tool-circular-text", nullptr},
    CommandIconSource{kToolImage, "tool-image", nullptr},
    CommandIconSource{kImageBrowser, "image-browser", nullptr},

    CommandIconSource{kAlignLeft, "align-left", nullptr},
    CommandIconSource{kAlignRight, "align-right", nullptr},
    CommandIconSource{kAlignTop, "align-top", nullptr},
    CommandIconSource{kAlignBottom, "align-bottom", nullptr},
    CommandIconSource{kCenterVertical, "center-vertical", nullptr},
    CommandIconSource{kCenterHorizontal, "center-horizontal", nullptr},
    CommandIconSource{kMakeSameWidth, "same-width", nullptr},
    CommandIconSource{kMakeSameHeight, "same-height", nullptr},
    CommandIconSource{kMakeSameSize, "same-size", nullptr},
    CommandIconSource{kIdShowGrid, "grid", nullptr},
};

QIcon BuildCommandIcon(int id) {
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
    CursorSource{kToolModeRectangle, "cross-rectangle", kCrosshairHotSpot, Qt::CrossCursor},
    CursorSource{kToolModeRoundRectangle, "cross-round-rectangle", kCrosshairHotSpot,
                 Qt::CrossCursor},
    CursorSource{kToolModeEllipse, "cross-ellipse", kCrosshairHotSpot, Qt::CrossCursor},
    CursorSource{kToolModeDiamond, "cross-diamond", kCrosshairHotSpot, Qt::CrossCursor},
    CursorSource{kToolModeText, "cross-text", kCrosshairHotSpot, Qt::CrossCursor},
    CursorSource{kToolModeImage, "cross-picture", kCrosshairHotSpot, Qt::CrossCursor},
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

QIcon CommandIcon(int id) {
    EnsureResources();
    // Cheap to make: the theme lookup is cached by Qt and the rendered sizes
    // of our own drawings by the engine, so nothing is kept here.
    return BuildCommandIcon(id);
}

QCursor ToolCursor(int tool) {
    if (!HaveGuiApplication()) {
        return StandardCursor(kToolCursors, tool);
    }
    static const std::map<int, QCursor> cursors = BuildCursors(kToolCursors);
    const auto found = cursors.find(tool);
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
