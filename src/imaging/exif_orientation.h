#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QImage>
#include <QString>

class CRasterImage;

// Cameras and phones store a photo as the sensor saw it and say in the EXIF
// orientation tag (1 to 8) how to turn it for viewing; 6 is every phone photo
// taken upright. These functions read the tag and turn pictures upright.

// Where a JPEG file states its EXIF orientation.
struct ExifOrientationTag {
    int value = 1;     // 1 to 8; 1 (as stored) when the file states none
    qsizetype at = -1; // offset of the tag's 16-bit value in the file, or -1
    bool bigEndian = false;
};
// The orientation tag in the first IFD of the JPEG file's EXIF block. Every
// offset is checked against the bytes; a damaged block counts as none.
ExifOrientationTag FindJpegOrientation(QByteArrayView jpeg);
// The EXIF orientation of a JPEG file: 1 to 8, 1 when it states none.
int JpegOrientation(QByteArrayView jpeg);

// Turns a JPEG file upright without decoding it: libjpeg-turbo rotates or
// flips its compressed blocks (a partial block at an edge that the turn would
// move inside the picture is trimmed away, a few pixels at most), every
// marker is copied, and the copied EXIF orientation is set to 1. A file that
// is upright already comes back unchanged. False with `error` set when the
// transform fails (a damaged or unusual file).
bool UprightJpeg(QByteArrayView jpeg, QByteArray* upright, QString* error = nullptr);

// Turns the pixels (and alpha) of `image` as orientation `orientation` asks;
// 1 and values outside 1..8 change nothing. False only when a turn failed.
bool OrientPixels(CRasterImage& image, int orientation);
// The same for a QImage (thumbnails).
QImage OrientedImage(const QImage& image, int orientation);
// Whether the orientation exchanges width and height (5 to 8).
inline bool OrientationTurnsSides(int orientation) {
    return orientation >= 5 && orientation <= 8;
}
