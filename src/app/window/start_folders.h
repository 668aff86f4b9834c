#pragma once

#include <QString>
#include <QStringList>

class QWidget;

// Where the file dialogs start, and what they remember for next time.
enum class DialogKind { kProject, kPicture };

// The folder of the current project when it has a file; else the last folder
// a dialog of this kind was used in (kept in the user's profile) while it
// still exists; else the user's Documents folder (Pictures for pictures),
// or the home folder when that does not exist.
QString DialogStartFolder(DialogKind kind, const QString& projectPath);
// Remembers the folder of `chosenFile` for the next dialog of this kind.
void RememberDialogFolder(DialogKind kind, const QString& chosenFile);

// The picture dialogs' filters: "All pictures" with every extension Lumvane
// reads first, then one per format, then all files.
QStringList PictureFileFilters();
// Asks for a picture file to insert, starting as DialogStartFolder says, and
// remembers its folder; empty when cancelled. An empty caption is "Import
// Image Files".
QString ChoosePictureFile(QWidget* parent, const QString& projectPath,
                          const QString& caption = QString());
