#pragma once

#include <QByteArray>
#include <QByteArrayView>

// The thumbnail a camera stores in a JPEG photo's EXIF block: a small JPEG of
// its own, which galleries show instead of decoding the photo. `head` is the
// start of the file; the EXIF block sits in the first marker segment after
// the start-of-image marker or close behind it, so 64 KB of the file are
// enough. Empty when the file has no EXIF block, the block no thumbnail, or
// the thumbnail's bytes are not a JPEG stream.
QByteArray ExifThumbnail(QByteArrayView head);

// How much of a file ExifThumbnail needs: an APP1 segment is at most 64 KB.
constexpr qsizetype kExifHeadSize = 64 * 1024 + 4;
