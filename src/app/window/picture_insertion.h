#pragma once

#include <QPoint>
#include <QString>

class CDiscwrightView;

// Puts the picture file `path` on the active face at its natural size, its
// top-left corner at the view's window point `at` (a picture larger than the
// face is fitted inside it, centred on `at`: see PlaceNewPicture), selected
// alone, as one undo step. False (and nothing changes) when the file is no picture Lumvane
// can read.
bool InsertPictureAt(CDiscwrightView& view, const QString& path, QPoint at);
