#pragma once

#include "view/command_prompts.h"

#include <QString>

#include <functional>

class QWidget;

// The modal questions the mouse tools put to the user: which picture file to
// place and the warnings. The view holds one set; tests give it answers
// that open no window.
struct ToolPrompts {
    // The picture file chosen, or an empty string when the user cancels. The
    // window hands the view its file chooser (the dialogs and the folders they
    // remember are the window's); without one the picture tool places nothing.
    std::function<QString(QWidget* parent)> chooseImageFile;
    CommandPrompts command;

    // The message boxes; no picture chooser.
    static ToolPrompts Interactive();
};
