#pragma once

#include <QString>

#include <memory>

class CBaseObject;

// The picture object for an image file placed at the face rectangle
// (left, top, right, bottom) in face units: a vector picture when the file is
// one, otherwise a raster picture. An empty rectangle gives the picture its
// natural size. Null when neither kind can read the file.
std::unique_ptr<CBaseObject> LoadPictureFile(const QString& path, int left, int top, int right,
                                             int bottom);

// The vector picture reader LoadPictureFile tries first: it returns the
// object, or null when the file is not a vector picture it can read. None is
// registered until vector pictures can be read; then every file goes
// straight to the raster reader.
using VectorPictureLoader = std::unique_ptr<CBaseObject> (*)(const QString& path, int left, int top,
                                                             int right, int bottom);
void SetVectorPictureLoader(VectorPictureLoader loader);
