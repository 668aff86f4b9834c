#include "shape.h"

CShape::CShape(int left, int top, int right, int bottom, int kind, quint32 fillColour,
               quint32 lineColour)
    : m_fillColour(fillColour), m_lineColour(lineColour), m_kind(kind), m_lineWidth(1),
      m_radiusX(500), m_radiusY(-500) {
    SetX(left);
    SetY(top);
    SetWidth(right - left);
    SetHeight(bottom - top);
    SetSelected(0);
}

const ArchiveClass& CShape::StaticClass() {
    static const ArchiveClass cls{"CShape", 0,
                                  [] { return std::unique_ptr<ArchiveObject>(new CShape); }};
    return cls;
}

void CShape::Serialize(Archive& ar) {
    CBaseObject::Serialize(ar);
    ar.Dword(m_fillColour);
    ar.Dword(m_lineColour);
    if (ar.IsStoring())
        ar.WriteWord(quint16(m_kind));
    else
        m_kind = ar.ReadWord();
    ar.Int(m_lineWidth);
    ar.Int(m_radiusX);
    ar.Int(m_radiusY);
}
