#include "icons.h"

#include "svg_cursor.h"
#include "svg_icon_engine.h"

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

QIcon NamedIcon(const char* name, const char* themeName) {
    EnsureResources();
    // Cheap to make: the theme lookup is cached by Qt and the rendered sizes
    // of our own drawings by the engine, so nothing is kept here.
    QIcon own(new SvgIconEngine(IconPath(name)));
    if (themeName == nullptr) {
        return own;
    }
    return QIcon::fromTheme(QLatin1String(themeName), own);
}

QCursor CrosshairCursor(const char* name) {
    if (!HaveGuiApplication()) {
        return QCursor(Qt::CrossCursor);
    }
    EnsureResources();
    // Made once per picture: a cursor is asked for on every mouse move.
    static std::map<QString, QCursor> cursors;
    const QString path = CursorPath(name);
    auto found = cursors.find(path);
    if (found == cursors.end()) {
        found = cursors.emplace(path, SvgCursor(path, kCrosshairHotSpot, Qt::CrossCursor)).first;
    }
    return found->second;
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
