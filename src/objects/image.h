#pragma once

#include "base_object.h"

#include <QByteArray>

// A raster picture on a face, or a face's background picture.
//
// Encoding a picture is costly, and saving and every undo snapshot write the
// picture's record, so the picture keeps its own record (everything after the
// base record) as last encoded in m_encodedRecord and writes those bytes as
// they are. Whatever changes the pixels or the picture's options must clear it.
class CImage : public CBaseObject {
public:
    CImage() = default;
    // A picture for the rectangle (left, top, right, bottom) in face units;
    // an empty width or height leaves the size to the picture (natural size).
    CImage(int left, int top, int right, int bottom);
    // A picture at (x, y) with its natural size.
    CImage(int x, int y);

    // Loads the picture file; the format comes from the file name's extension.
    // False (and the picture stays empty) when it cannot be read.
    bool LoadFile(const QString& path);

    static const ArchiveClass& StaticClass();
    const ArchiveClass& Class() const override { return StaticClass(); }
    void Serialize(Archive& ar) override;

    int m_transparency = 0;    // 0 opaque ... 255 invisible
    int m_keepAspectRatio = 1; // resizing keeps the picture's proportions
    int m_isBackground = 0;    // set while the picture is a face's background
    QByteArray m_encodedRecord;
};
