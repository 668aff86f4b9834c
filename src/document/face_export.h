#pragma once

#include <QImage>
#include <QString>

class CDiscwrightDoc;

// Faces written as picture files, and the framed face image that layout
// thumbnails are made from.

// "__DISK", "__FRONT", "__INSIDE" or "__BACK": what a face adds to an image name.
QString FaceImageSuffix(int faceId);

enum class FaceImageFormat { kJpeg, kPng };

struct FaceExportOptions {
    FaceImageFormat format = FaceImageFormat::kJpeg;
    // The picture's resolution: 96 gives the face's size on a 96-dpi screen at
    // zoom 1.0; higher values scale everything, border and frame included.
    int dpi = 96;
};
inline constexpr int kMinExportDpi = 96;
inline constexpr int kMaxExportDpi = 1200;

// The face drawn as the editing view shows it at `scale` (1.0 = zoom 1.0 at
// 96 dpi), clipped to its outline, inside a border of 5 x `scale` pixels: grey
// (the disc's corners and hole too) for the disc, white for the others, or
// transparent for the disc when `transparentDisc`. Other faces get a black
// frame, the back face its two fold lines 20 and 10 pixels (x `scale`) from
// its left and right edges. `withBackground` draws the background picture.
// A null image when the face has no size or would pass the canvas limit.
QImage RenderFramedFace(CDiscwrightDoc& doc, int faceId, double scale, bool withBackground,
                        bool transparentDisc = false);

// The finished export picture: the framed face squeezed into the face's own
// size at the options' resolution (the border is part of the picture).
QImage FaceExportImage(CDiscwrightDoc& doc, int faceId, const FaceExportOptions& options);

// Renders one face and writes it to `path` (see FaceImagePath) as JPEG at
// quality 100 or as PNG, replacing any file of that name. False with `error`
// set when the face has no size or the file cannot be written.
bool ExportFaceImage(CDiscwrightDoc& doc, int faceId, const QString& path,
                     const FaceExportOptions& options, QString* error = nullptr);

// The file ExportFaceImage writes for an image name in a folder.
QString FaceImagePath(const QString& folder, const QString& imageName, int faceId,
                      FaceImageFormat format);
