#pragma once

#include <QCursor>
#include <QPoint>
#include <QString>

// A cursor drawn from an SVG file at the screen's device pixel ratio, with
// its hot spot in the file's own (logical) coordinates. `fallback` is used
// when the file cannot be read.
QCursor SvgCursor(const QString& path, QPoint hotSpot, Qt::CursorShape fallback);
