#pragma once

#include <QHash>
#include <QList>
#include <QObject>

#include "view/command_rows.h"

#include <functional>
#include <optional>

class QAction;
class QMenu;
class QWidget;

// Connects the window's menu items and tool-bar buttons to the commands they
// stand for. Every command id has one main action (made from the command
// table, with the shortcuts) and possibly more with other texts (the context
// menu's); all of them run the command and show its state. Each module hands
// over its command table (AddRows); the window adds handlers of its own.
// After each command, whenever a menu is
// about to open and whenever the owner says the state may have changed, every
// action's enabled and checked state is read again.
class CommandRouter : public QObject {
    Q_OBJECT
public:
    using Handler = std::function<void()>;
    using StateQuery = std::function<CommandState()>;

    // Shortcuts of the main actions work anywhere in `window`.
    explicit CommandRouter(QWidget* window);

    // The main action of command `id`, made on first use.
    QAction* Action(CommandId id);
    // Another action for command `id` with its own text and no shortcut.
    QAction* AddAlias(CommandId id, const QString& text);

    // The command's own handler and state; without a state query the command
    // is always enabled and never checked.
    void SetHandler(CommandId id, Handler run, StateQuery state = {});
    // Registers every row of a module's table (a later row of an id wins).
    void AddRows(const CommandRows& rows);

    // Runs command `id` if it is enabled; true when something handled it.
    bool Run(CommandId id);
    CommandState State(CommandId id) const;
    // Reads every action's state again.
    void UpdateActions();
    // Updates the actions each time `menu` opens.
    void Watch(QMenu* menu);

Q_SIGNALS:
    // Command `id` has run.
    void CommandRan(CommandId id);

private:
    struct Entry {
        Handler run;
        StateQuery state;
    };

    QWidget* m_window;
    QHash<CommandId, QAction*> m_main;
    QHash<CommandId, QList<QAction*>> m_actions; // every action of each id
    QHash<CommandId, Entry> m_handlers;
    bool m_running = false;
};
