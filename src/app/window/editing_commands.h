#pragma once

#include "view/command_rows.h"

class CDiscwrightView;

// The window's command table of Undo and Redo over the view's document. A
// failed step says why in a message box; the view follows the document's
// signal either way.
CommandRows HistoryCommandRows(CDiscwrightView& view);
