#pragma once

#include <QCursor>
#include <QIcon>

// Lumvane's own pictures for commands and cursors, in one place so that the
// window and the editing tools share them.

// The tool-bar and menu icon of command `id` (CommandId or ViewCommand); a
// null icon when the command has none.
QIcon CommandIcon(int id);

// The cursor of a drawing tool (ToolMode 1-5 and 7); the arrow for others.
QCursor ToolCursor(int tool);
// The cursor of the select tool for a drag mode: 0-7 the resize arrows of the
// handles, 8 the round-rectangle corner, 10 moving, otherwise the arrow.
QCursor DragModeCursor(int dragMode);
