#pragma once

#include "view/command_ids.h"

#include <QIcon>
#include <QKeySequence>
#include <QList>
#include <QString>

// The picture of a command: our own drawing icons/FILE.svg, and the desktop
// theme's icon preferred to it where the theme has one (standard commands).
struct CommandIconName {
    const char* file = nullptr; // none: the command has no picture
    const char* themeName = nullptr;
};

// What the window shows for one command: its picture, its menu text (with its
// mnemonic), the short name of its tool-bar button, its keyboard shortcuts and
// the prompt the status bar shows while the menu item or button is pointed at.
struct CommandInfo {
    CommandId id{};
    CommandIconName icon;
    QString menuText;
    QString buttonText; // empty: the menu text without mnemonic and dots
    QList<QKeySequence> shortcuts;
    QString prompt;
    bool checkable = false;
};

// The description of command `id`, or null for an id the window does not know.
const CommandInfo* FindCommand(CommandId id);
// Every command the window knows, in no particular order.
const QList<CommandInfo>& AllCommands();
// The tool-bar and menu icon of command `id`; a null icon when the command
// has none.
QIcon CommandIcon(CommandId id);
