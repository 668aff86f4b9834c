#pragma once

#include "command_router.h"

#include <optional>

class CDiscwrightView;

// The commands that act on the project through the editing view: undo and
// redo, the tools, zoom and grid, the arrange, background and clipboard
// commands. Each runs through the view first, then through the command
// functions of the view layer, so whatever the view handles itself wins.

// Runs command `id`; false when it is none of these or did nothing.
bool RunEditingCommand(CDiscwrightView& view, int id);
// The state of command `id`, or nothing when it is none of these.
std::optional<CommandState> EditingCommandState(CDiscwrightView& view, int id);
