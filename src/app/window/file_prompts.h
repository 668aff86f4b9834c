#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class QWidget;

// The answer to "Save changes to ...?".
enum class SaveAnswer { kSave, kDiscard, kCancel };

// The questions the file commands put to the user. The window uses the
// dialogs; tests answer without opening any.
struct FilePrompts {
    // Asks whether to save the modified project `name` first.
    std::function<SaveAnswer(QWidget* parent, const QString& name)> askToSave;
    // The project file to open, starting in `folder`; empty when cancelled.
    std::function<QString(QWidget* parent, const QString& folder)> chooseFileToOpen;
    // Where to save the project, starting from `suggested`; empty when cancelled.
    std::function<QString(QWidget* parent, const QString& suggested)> chooseFileToSave;
    // Tells the user why something failed: `text` in words, `details` (may
    // be empty) the technical detail, behind the message box's details button.
    std::function<void(QWidget* parent, const QString& text, const QString& details)> showError;

    // Message boxes and the file dialogs.
    static FilePrompts Interactive();
};

// What to tell the user when opening `path` failed: the sentence, and the
// technical detail for the details part of the message box. A file that is
// not a project says so in words; the byte where reading stopped is detail.
struct OpenFailureMessage {
    QString text;
    QString details;
};
OpenFailureMessage DescribeOpenFailure(const QString& path, const QString& error, bool notAProject);
// The one message after an Open that left parts of the project empty: what
// happened, and the parts in the details.
OpenFailureMessage DescribeOpenNotes(const QString& path, const QStringList& notes);

// The file dialogs' filter for projects, in the user's language.
QString ProjectFilter();
