#include "editing_commands.h"

#include "document/discwright_doc.h"
#include "view/command_ids.h"
#include "view/discwright_view.h"

#include <QMessageBox>

namespace {

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

CommandRows HistoryCommandRows(CDiscwrightView& view) {
    CDiscwrightView* v = &view;
    CDiscwrightDoc* doc = &view.Document();
    return {
        {CommandId::kUndo, [v] { return StepHistory(*v, true); },
         [doc] { return CommandState{doc->CanUndo()}; }},
        {CommandId::kRedo, [v] { return StepHistory(*v, false); },
         [doc] { return CommandState{doc->CanRedo()}; }},
    };
}
