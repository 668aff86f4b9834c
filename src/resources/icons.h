#pragma once

#include "view/command_ids.h"
#include "view/tools/tool_mode.h"

#include <QCursor>
#include <QIcon>

// Lumvane's own pictures for commands and cursors, in one place so that the
// window and the editing tools share them.

// Lumvane's own icon for its windows: the desktop theme's, where the program
// is installed, else the drawing compiled into the program.
QIcon ApplicationIcon();

// The tool-bar and menu icon of command `id`; a null icon when the command
// has none.
QIcon CommandIcon(CommandId id);

// The cursor of a drawing tool; the arrow for the select tool.
QCursor ToolCursor(ToolMode tool);
// The cursor of the select tool for a drag mode: 0-7 the resize arrows of the
// handles, 8 the round-rectangle corner, 10 moving, otherwise the arrow.
QCursor DragModeCursor(int dragMode);
