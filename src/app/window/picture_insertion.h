#pragma once

#include <QPoint>
#include <QString>

class CDiscwrightView;

// Puts the picture file `path` on the active face at its natural size, its
// top-left corner at the view's window point `at`, selected alone, as one
// undo step. False (and nothing changes) when the file is no picture Lumvane
// can read.
bool InsertPictureAt(CDiscwrightView& view, const QString& path, QPoint at);
