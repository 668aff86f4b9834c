#pragma once

#include <QKeySequence>
#include <QList>
#include <QString>

// What the window shows for one command: its menu text (with its mnemonic),
// the short name of its tool-bar button, its keyboard shortcuts and the
// prompt the status bar shows while the menu item or button is pointed at.
struct CommandInfo {
    int id = 0;
    QString menuText;
    QString buttonText; // empty: the menu text without mnemonic and dots
    QList<QKeySequence> shortcuts;
    QString prompt;
    bool checkable = false;
};

// The description of command `id` (CommandId or ViewCommand), or null for an
// id the window does not know.
const CommandInfo* FindCommand(int id);
// Every command the window knows, in no particular order.
const QList<CommandInfo>& AllCommands();
