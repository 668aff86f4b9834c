#pragma once

#include <QString>

#include <memory>

class CBaseObject;

// The picture object for an image file placed at the face rectangle
// (left, top, right, bottom) in face units: a vector picture when the file is
// a Windows or enhanced metafile, otherwise a raster picture. An empty
// rectangle gives the picture its natural size. Null when neither kind can
// read the file; `error` then says why when the file was a metafile.
std::unique_ptr<CBaseObject> LoadPictureFile(const QString& path, int left, int top, int right,
                                             int bottom, QString* error = nullptr);
