#include "command_router.h"

#include "command_table.h"

#include <QAction>
#include <QMenu>
#include <QWidget>

CommandRouter::CommandRouter(QWidget* window) : QObject(window), m_window(window) {
}

QAction* CommandRouter::Action(CommandId id) {
    if (QAction* existing = m_main.value(id))
        return existing;
    auto* action = new QAction(m_window);
    action->setObjectName(QStringLiteral("Command%1").arg(static_cast<int>(id)));
    action->setData(static_cast<int>(id));
    action->setIcon(CommandIcon(id));
    if (const CommandInfo* info = FindCommand(id)) {
        action->setText(info->menuText);
        if (!info->buttonText.isEmpty())
            action->setIconText(info->buttonText);
        action->setShortcuts(info->shortcuts);
        action->setStatusTip(info->prompt);
        action->setCheckable(info->checkable);
    }
    // The shortcuts work wherever the focus is in the window, menus open or not.
    m_window->addAction(action);
    connect(action, &QAction::triggered, this, [this, id] { Run(id); });
    m_main.insert(id, action);
    m_actions[id].append(action);
    return action;
}

QAction* CommandRouter::AddAlias(CommandId id, const QString& text) {
    QAction* main = Action(id);
    auto* action = new QAction(text, m_window);
    action->setData(static_cast<int>(id));
    action->setIcon(main->icon());
    action->setStatusTip(main->statusTip());
    action->setCheckable(main->isCheckable());
    connect(action, &QAction::triggered, this, [this, id] { Run(id); });
    m_actions[id].append(action);
    return action;
}

void CommandRouter::SetHandler(CommandId id, Handler run, StateQuery state) {
    m_handlers.insert(id, Entry{std::move(run), std::move(state)});
}

void CommandRouter::AddRows(const CommandRows& rows) {
    for (const CommandRow& row : rows) {
        std::function<bool()> run = row.run;
        SetHandler(
            row.id, [run] { run(); }, row.state);
    }
}

bool CommandRouter::Run(CommandId id) {
    // A command that opens a dialog may be asked for again from inside it
    // (a shortcut while the dialog runs); one at a time.
    if (m_running || !State(id).enabled) {
        UpdateActions();
        return false;
    }
    m_running = true;
    bool handled = false;
    if (auto it = m_handlers.constFind(id); it != m_handlers.cend() && it->run) {
        it->run();
        handled = true;
    }
    m_running = false;
    UpdateActions();
    Q_EMIT CommandRan(id);
    return handled;
}

CommandState CommandRouter::State(CommandId id) const {
    if (auto it = m_handlers.constFind(id); it != m_handlers.cend())
        return it->state ? it->state() : CommandState{};
    // Nobody runs it: shown, but greyed.
    return CommandState{false, false};
}

void CommandRouter::UpdateActions() {
    for (auto it = m_actions.cbegin(); it != m_actions.cend(); ++it) {
        const CommandState state = State(it.key());
        for (QAction* action : it.value()) {
            action->setEnabled(state.enabled);
            if (action->isCheckable())
                action->setChecked(state.checked);
        }
    }
}

void CommandRouter::Watch(QMenu* menu) {
    connect(menu, &QMenu::aboutToShow, this, &CommandRouter::UpdateActions);
}
