#pragma once

#include "base_object.h"

#include <QByteArray>

// A vector picture (an enhanced metafile) on a face. Like CImage it keeps its
// own record as last written in m_encodedRecord.
class CVectorImage : public CBaseObject {
public:
    CVectorImage() = default;

    static const ArchiveClass& StaticClass();
    const ArchiveClass& Class() const override { return StaticClass(); }
    void Serialize(Archive& ar) override;

    QByteArray m_encodedRecord;
};
