#pragma once

class CommandRouter;
class QMainWindow;
class QToolBar;

// The window's three tool bars, their buttons actions of the router.
struct ToolBars {
    QToolBar* main = nullptr;   // "Main toolbar", docks on top only
    QToolBar* object = nullptr; // "Object toolbar"
    QToolBar* align = nullptr;  // "Align toolbar"
};

// Makes the tool bars and docks them: the main bar on top, then the align
// and object bars. Buttons whose command has no picture show their short name.
ToolBars BuildToolBars(QMainWindow* window, CommandRouter& router);
