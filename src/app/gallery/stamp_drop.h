#pragma once

#include <QPoint>
#include <QString>
#include <QStringList>

class CDiscwrightView;

// Puts the stamp picture file `path` on the active face with its top-left
// corner under the view's window point `at` (scroll and zoom taken into
// account), at its natural size. A vector picture is cut down to the face's
// width and height, and one that then covers the face exactly moves to the
// face's corner. The stamp ends up selected alone, as one undo step. False
// (nothing changes) when the file is no picture.
bool DropStamp(CDiscwrightView& view, const QString& path, QPoint at);

// The folders of the Stamps and Backgrounds tabs, under the program folder:
// "logo" and "Backgrounds" (the Layouts tab follows LayoutFolder).
QString GalleryStampFolder();
QString GalleryBackgroundFolder();
// Every folder listed on the Stamps and Backgrounds tabs: the user's (above)
// first, then the shipped ones.
QStringList GalleryStampFolders();
QStringList GalleryBackgroundFolders();
