#pragma once

#include <QCursor>
#include <QIcon>

// Lumvane's own pictures for commands and cursors, in one place so that the
// window and the editing tools share them. The callers name the picture: the
// command table its icons, the tools their cursors.

// Lumvane's own icon for its windows: the desktop theme's, where the program
// is installed, else the drawing compiled into the program.
QIcon ApplicationIcon();

// Our own drawing icons/NAME.svg as an icon. With a `themeName` the desktop
// theme's icon of that name is preferred where the theme has one, so that
// standard commands match the rest of the desktop.
QIcon NamedIcon(const char* name, const char* themeName = nullptr);

// The crosshair cursor cursors/NAME.svg of a drawing tool; the standard
// crosshair before there is a GUI application.
QCursor CrosshairCursor(const char* name);
// The cursor of the select tool for a drag mode: 0-7 the resize arrows of the
// handles, 8 the round-rectangle corner, 10 moving, otherwise the arrow.
QCursor DragModeCursor(int dragMode);
