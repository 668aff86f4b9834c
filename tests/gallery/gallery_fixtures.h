#pragma once

#include <QString>
#include <QStringList>

// Pictures for the gallery tests, made by independent tools: ImageMagick
// ("convert") draws them, exiftool embeds EXIF thumbnails. Each returns
// false (and the test fails) when the tool is missing or fails.

// A solid picture of `width` × `height` in `colour` (an ImageMagick colour name).
bool MakePicture(const QString& path, int width, int height, const QString& colour);
// `path` (a JPEG) gets an EXIF thumbnail of `width` × `height` in `colour`.
bool EmbedExifThumbnail(const QString& path, int width, int height, const QString& colour);
// Runs a tool; false unless it ends with status 0.
bool RunTool(const QString& program, const QStringList& args);
