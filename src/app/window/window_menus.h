#pragma once

#include <QStringList>

class CommandRouter;
class QMenu;
class QMenuBar;
class QWidget;

// The menu bar: File, Edit, View, Object, Align, Z-order and Help, every item
// an action of the router.
void BuildMenuBar(QMenuBar* bar, CommandRouter& router);

// Shows the recent files in the File menu's four entries: one per file, or a
// single greyed "Recent File" when there are none.
void ShowRecentFiles(CommandRouter& router, const QStringList& files);

// The editing view's context menu: clipboard, delete, the "Z-Order" and
// "Align" submenus, lock and "Set as Background Image".
QMenu* BuildContextMenu(CommandRouter& router, QWidget* parent);
