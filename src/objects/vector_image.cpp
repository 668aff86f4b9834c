#include "vector_image.h"

const ArchiveClass& CVectorImage::StaticClass() {
    static const ArchiveClass cls{"CVectorImage", 0,
                                  [] { return std::unique_ptr<ArchiveObject>(new CVectorImage); }};
    return cls;
}

void CVectorImage::Serialize(Archive& ar) {
    CBaseObject::Serialize(ar);
    if (ar.IsStoring()) {
        if (m_encodedRecord.isEmpty())
            ar.Fail(QStringLiteral("vector picture has no encoded data to write"));
        ar.WriteSharedBytes(m_encodedRecord);
        return;
    }
    ar.Fail(
        QStringLiteral("vector pictures (CVectorImage) cannot be read by this version of Lumvane"));
}
