#include "icons.h"

QIcon CommandIcon(int) {
    return {};
}

QCursor ToolCursor(int tool) {
    switch (tool) {
    case 1:
    case 2:
    case 3:
    case 4:
    case 7:
        return Qt::CrossCursor;
    case 5:
        return Qt::IBeamCursor;
    default:
        return Qt::ArrowCursor;
    }
}

QCursor DragModeCursor(int dragMode) {
    switch (dragMode) {
    case 0:
    case 4:
        return Qt::SizeFDiagCursor;
    case 1:
    case 5:
        return Qt::SizeVerCursor;
    case 2:
    case 6:
        return Qt::SizeBDiagCursor;
    case 3:
    case 7:
        return Qt::SizeHorCursor;
    case 8:
        return Qt::SizeAllCursor;
    case 10:
        return Qt::SizeAllCursor;
    default:
        return Qt::ArrowCursor;
    }
}
