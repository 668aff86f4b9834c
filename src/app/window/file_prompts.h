#pragma once

#include <QString>

#include <functional>

class QWidget;

// The answer to "Save changes to ...?".
enum class SaveAnswer { kSave, kDiscard, kCancel };

// The questions the file commands put to the user. The window uses the
// dialogs; tests answer without opening any.
struct FilePrompts {
    // Asks whether to save the modified project `name` first.
    std::function<SaveAnswer(QWidget* parent, const QString& name)> askToSave;
    // The project file to open; empty when cancelled.
    std::function<QString(QWidget* parent)> chooseFileToOpen;
    // Where to save the project, starting from `suggested`; empty when cancelled.
    std::function<QString(QWidget* parent, const QString& suggested)> chooseFileToSave;
    // Tells the user why something failed.
    std::function<void(QWidget* parent, const QString& text)> showError;

    // Message boxes and the file dialogs.
    static FilePrompts Interactive();
};

// The file dialogs' filter of project files.
inline const QString kProjectFilter = QStringLiteral("Lumvane files(*.dwp)");
