#pragma once

#include <QColor>
#include <QString>

#include <functional>
#include <optional>

class QWidget;

// The modal questions editing commands put to the user: a message box and the
// colour dialog. Commands take them as a parameter so that tests can answer
// without opening a window.
struct CommandPrompts {
    // Shows a warning with one fixed text.
    std::function<void(QWidget* parent, const QString& text)> showMessage;
    // Lets the user pick a colour starting from `initial`; nothing when cancelled.
    std::function<std::optional<QColor>(QWidget* parent, const QColor& initial)> chooseColour;

    // Message boxes and the platform colour dialog.
    static const CommandPrompts& Interactive();
};
