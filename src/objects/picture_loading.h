#pragma once

#include <QPoint>
#include <QString>

#include <memory>

class CBaseObject;

// The picture object for an image file placed at the face rectangle
// (left, top, right, bottom) in face units: a vector picture when the file is
// a Windows or enhanced metafile, otherwise a raster picture. An empty
// rectangle gives the picture its natural size (a raster picture one image
// pixel per screen pixel at zoom 1.0). Null when neither kind can read the
// file; `error` then says why when the file was a metafile.
std::unique_ptr<CBaseObject> LoadPictureFile(const QString& path, int left, int top, int right,
                                             int bottom, QString* error = nullptr);

// Scales a picture of known size down, keeping its proportions, until it fits
// inside `maxWidth` × `maxDepth` units; a picture that fits stays as it is.
void FitPicture(CBaseObject& picture, int maxWidth, int maxDepth);

// Puts a picture just made with its natural size (LoadPictureFile with an
// empty rectangle) at the face point `at` on a face `faceWidth` × `faceHeight`
// units large: its top-left corner at `at` when it fits the face; a picture
// larger than the face is scaled down, keeping its proportions, to fit inside
// it, centred on `at` as far as the face allows. A picture whose size is not
// known yet only moves to `at`.
void PlaceNewPicture(CBaseObject& picture, QPoint at, int faceWidth, int faceHeight);

// Clamps each side of a picture to the face's (`faceWidth` × `faceHeight`
// units); a picture as large as the face then moves to its top-left corner.
void ClampToFace(CBaseObject& picture, int faceWidth, int faceHeight);

// Keeps a picture that has just taken its natural size inside a face
// `faceWidth` × `faceHeight` units large: a picture larger than the face is
// scaled down, keeping its proportions, to fit inside it, and moved as little
// as needed to lie on it; one that fits stays as it is.
void KeepNewPictureInFace(CBaseObject& picture, int faceWidth, int faceHeight);
