#pragma once

#include "view/command_ids.h"

#include <QKeySequence>
#include <QList>
#include <QString>

// What the window shows for one command: its menu text (with its mnemonic),
// the short name of its tool-bar button, its keyboard shortcuts and the
// prompt the status bar shows while the menu item or button is pointed at.
struct CommandInfo {
    CommandId id{};
    QString menuText;
    QString buttonText; // empty: the menu text without mnemonic and dots
    QList<QKeySequence> shortcuts;
    QString prompt;
    bool checkable = false;
};

// The description of command `id` , or null for an
// id the window does not know.
const CommandInfo* FindCommand(CommandId id);
// Every command the window knows, in no particular order.
const QList<CommandInfo>& AllCommands();
