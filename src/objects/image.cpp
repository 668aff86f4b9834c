#include "image.h"

const ArchiveClass& CImage::StaticClass() {
    static const ArchiveClass cls{"CImage", 0,
                                  [] { return std::unique_ptr<ArchiveObject>(new CImage); }};
    return cls;
}

void CImage::Serialize(Archive& ar) {
    CBaseObject::Serialize(ar);
    if (ar.IsStoring()) {
        if (m_encodedRecord.isEmpty())
            ar.Fail(QStringLiteral("picture has no encoded data to write"));
        ar.WriteSharedBytes(m_encodedRecord);
        return;
    }
    ar.Fail(QStringLiteral("pictures (CImage) cannot be read by this version of Lumvane"));
}
