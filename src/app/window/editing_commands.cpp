#include "editing_commands.h"

#include "document/discwright_doc.h"
#include "view/arrange_commands.h"
#include "view/clipboard_commands.h"
#include "view/command_ids.h"
#include "view/discwright_view.h"

#include <QMessageBox>

namespace {

bool IsClipboardCommand(int id) {
    return id == kCut || id == kCopy || id == kPaste;
}

// Undo and redo replace the whole project; the view follows the document's
// signal and shows it afresh.
bool StepHistory(CDiscwrightView& view, bool back) {
    CDiscwrightDoc& doc = view.Document();
    QString error;
    const bool done = back ? doc.Undo(&error) : doc.Redo(&error);
    if (!done && !error.isEmpty())
        QMessageBox::warning(view.window(), QStringLiteral("Lumvane"), error);
    return done;
}

} // namespace

bool RunEditingCommand(CDiscwrightView& view, int id) {
    if (id == kUndo || id == kRedo)
        return StepHistory(view, id == kUndo);
    if (view.OnCommand(id))
        return true;
    if (IsArrangeCommand(id))
        return RunArrangeCommand(view, id);
    if (IsClipboardCommand(id))
        return RunClipboardCommand(view, id);
    return false;
}

std::optional<CommandState> EditingCommandState(CDiscwrightView& view, int id) {
    CDiscwrightDoc& doc = view.Document();
    if (id == kUndo)
        return CommandState{doc.CanUndo(), false};
    if (id == kRedo)
        return CommandState{doc.CanRedo(), false};
    // Tools, zoom, grid, select and lock commands: the view knows their state.
    // Menu items have no third state, so several objects with mixed locks
    // show as enabled and unchecked.
    CommandState state;
    if (view.CommandState(id, &state.enabled, &state.checked))
        return state;
    if (IsArrangeCommand(id))
        return CommandState{IsArrangeCommandEnabled(view, id), false};
    if (IsClipboardCommand(id))
        return CommandState{IsClipboardCommandEnabled(view, id), false};
    return std::nullopt;
}
