#include "image.h"

const ArchiveClass& CImage::StaticClass() {
    static const ArchiveClass cls{"CImage", 0,
                                  [] { return std::unique_ptr<ArchiveObject>(new CImage); }};
    return cls;
}

CImage::CImage(int left, int top, int right, int bottom) {
    m_x = left;
    m_y = top;
    m_width = right - left;
    m_height = bottom - top;
    if (m_width == 0 || m_height == 0)
        m_width = m_height = -1;
}

CImage::CImage(int x, int y) {
    m_x = x;
    m_y = y;
    m_width = m_height = -1;
}

bool CImage::LoadFile(const QString&) {
    return false;
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
