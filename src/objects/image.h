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

    static const ArchiveClass& StaticClass();
    const ArchiveClass& Class() const override { return StaticClass(); }
    void Serialize(Archive& ar) override;

    int m_isBackground = 0; // set while the picture is a face's background
    QByteArray m_encodedRecord;
};
