#pragma once

#include "view/command_ids.h"

#include <functional>
#include <utility>
#include <vector>

// Whether a command can run now, whether its menu item shows a check mark,
// and whether its tool-bar button shows the third, mixed state.
struct CommandState {
    CommandState(bool isEnabled = true, bool isChecked = false, bool isIndeterminate = false)
        : enabled(isEnabled), checked(isChecked), indeterminate(isIndeterminate) {}
    bool enabled;
    bool checked;
    bool indeterminate;
};

// One row of a module's command table: the command's id, how it runs and what its menu item shows.
// Each module that has commands (the view, the arrange, clipboard and history commands) makes its
// own table; the window registers every row with its command router, and tests run a module's rows
// directly. A row captures what it acts on, which must outlive it.
struct CommandRow {
    CommandRow(CommandId commandId, std::function<bool()> runIt,
               std::function<CommandState()> stateOf = {})
        : id(commandId), run(std::move(runIt)), state(std::move(stateOf)) {}
    CommandId id;
    // Runs the command; false when it did nothing.
    std::function<bool()> run;
    // Empty: always enabled, never checked.
    std::function<CommandState()> state;
};
using CommandRows = std::vector<CommandRow>;

// The row of `id` in `rows`, or null.
inline const CommandRow* FindRow(const CommandRows& rows, CommandId id) {
    for (const CommandRow& row : rows) {
        if (row.id == id)
            return &row;
    }
    return nullptr;
}
